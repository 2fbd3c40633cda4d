#include "Ajutor.h"
#include "util/FluxValori.h"

namespace {
QByteArray Octeti(std::initializer_list<int> valori) {
    QByteArray octeti;
    for (int v : valori)
        octeti.append(char(v));
    return octeti;
}

struct CazIntreg {
    const char* nume;
    QByteArray flux;
    qint32 valoare;
};

TEST(FluxValori, CitesteIntregCuOriceTag) {
    const CazIntreg cazuri[] = {
        {"int8 pozitiv", Octeti({2, 0x7f}), 127},
        {"int8 negativ", Octeti({2, 0xff}), -1},
        {"int16", Octeti({3, 0x34, 0x12}), 0x1234},
        {"int16 negativ", Octeti({3, 0x00, 0x80}), -32768},
        {"int32", Octeti({4, 0x78, 0x56, 0x34, 0x12}), 0x12345678},
        {"int32 negativ", Octeti({4, 0xfe, 0xff, 0xff, 0xff}), -2},
    };
    for (const auto& caz : cazuri) {
        TCititorValori cititor(caz.flux);
        EXPECT_EQ(cititor.CitesteIntreg(), caz.valoare) << caz.nume;
        EXPECT_EQ(cititor.Pozitie(), caz.flux.size()) << caz.nume;
    }
}

TEST(FluxValori, CitesteTextCuOriceTag) {
    // "ŞŢĂ" is AA DE C3 in code page 1250.
    const QString asteptat = QStringLiteral("ŞŢĂ");
    QByteArray utf16;
    for (QChar c : asteptat)
        utf16 += Octeti({c.unicode() & 0xff, c.unicode() >> 8});
    const QByteArray utf8 = asteptat.toUtf8();
    const QByteArray fluxuri[] = {
        Octeti({6, 3, 0xaa, 0xde, 0xc3}),
        Octeti({12, 3, 0, 0, 0, 0xaa, 0xde, 0xc3}),
        Octeti({18, 3, 0, 0, 0}) + utf16,
        Octeti({20, int(utf8.size()), 0, 0, 0}) + utf8,
    };
    for (const QByteArray& flux : fluxuri) {
        TCititorValori cititor(flux);
        EXPECT_EQ(cititor.CitesteText(), asteptat) << flux.toHex().constData();
    }
    TCititorValori gol(Octeti({6, 0}));
    EXPECT_EQ(gol.CitesteText(), QString());
}

struct CazEroare {
    const char* nume;
    QByteArray flux;
    bool text; // read a text, else an integer
    const char* mesaj;
    qint64 pozitie;
};

TEST(FluxValori, EroriCuMesajSiPozitie) {
    const CazEroare cazuri[] = {
        {"text unde trebuie intreg", Octeti({6, 0}), false, "Invalid property value", 0},
        {"intreg unde trebuie text", Octeti({2, 1}), true, "Invalid property value", 0},
        {"tag necunoscut", Octeti({9, 1}), false, "Invalid property value", 0},
        {"flux gol", QByteArray(), false, "Stream read error", 0},
        {"int16 trunchiat", Octeti({3, 1}), false, "Stream read error", 1},
        {"int32 trunchiat", Octeti({4, 1, 2, 3}), false, "Stream read error", 1},
        {"text scurt trunchiat", Octeti({6, 5, 'a', 'b'}), true, "Stream read error", 2},
        {"lungime lipsa", Octeti({12, 1, 0}), true, "Stream read error", 1},
        {"lungime negativa", Octeti({12, 0xff, 0xff, 0xff, 0xff}), true, "Stream read error", 5},
        {"utf16 trunchiat", Octeti({18, 2, 0, 0, 0, 'a', 0, 'b'}), true, "Stream read error", 5},
        {"utf8 trunchiat", Octeti({20, 4, 0, 0, 0, 'a'}), true, "Stream read error", 5},
    };
    for (const auto& caz : cazuri) {
        TCititorValori cititor(caz.flux);
        try {
            if (caz.text)
                cititor.CitesteText();
            else
                cititor.CitesteIntreg();
            ADD_FAILURE() << caz.nume << ": nicio eroare";
        } catch (const EroareFlux& e) {
            EXPECT_EQ(e.Mesaj(), QString::fromUtf8(caz.mesaj)) << caz.nume;
            EXPECT_EQ(e.Pozitie(), caz.pozitie) << caz.nume;
        }
    }
}

TEST(FluxValori, ScriitorulFolosesteCelMaiMicTag) {
    const struct {
        qint32 valoare;
        int tag;
        int lungime;
    } cazuri[] = {{0, 2, 2},         {-128, 2, 2},     {127, 2, 2},   {128, 3, 3},
                  {-129, 3, 3},      {32767, 3, 3},    {32768, 4, 5}, {-32769, 4, 5},
                  {INT32_MAX, 4, 5}, {INT32_MIN, 4, 5}};
    for (const auto& caz : cazuri) {
        TScriitorValori scriitor;
        scriitor.ScrieIntreg(caz.valoare);
        ASSERT_EQ(scriitor.Date().size(), caz.lungime) << caz.valoare;
        EXPECT_EQ(int(scriitor.Date().at(0)), caz.tag) << caz.valoare;
        TCititorValori cititor(scriitor.Date());
        EXPECT_EQ(cititor.CitesteIntreg(), caz.valoare);
    }

    TScriitorValori texte;
    texte.ScrieText(QString(255, u'x'));
    texte.ScrieText(QString(256, u'y'));
    EXPECT_EQ(int(texte.Date().at(0)), 6);
    EXPECT_EQ(int(texte.Date().at(2 + 255)), 12);
    TCititorValori cititor(texte.Date());
    EXPECT_EQ(cititor.CitesteText(), QString(255, u'x'));
    EXPECT_EQ(cititor.CitesteText(), QString(256, u'y'));
}

TEST(FluxValori, ScriitorulRefuzaLitereInAfaraPaginiiDeCod) {
    TScriitorValori scriitor;
    // The comma-below ș has no place in code page 1250; the cedilla ş has.
    EXPECT_NE(MesajulErorii([&] { scriitor.ScrieText(QStringLiteral("ș")); }), QString());
    scriitor.ScrieText(QStringLiteral("ş"));
    EXPECT_EQ(scriitor.Date(), Octeti({6, 1, 0xba}));
}
} // namespace
