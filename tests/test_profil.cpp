#include "Ajutor.h"
#include "profile/ProfilDiploma.h"
#include "util/Cale.h"
#include "util/FluxValori.h"

#include <QTemporaryDir>

namespace {
// A profile stream after its header: version, line count, lines, and (version 1) forms.
struct Flux {
    TScriitorValori s;

    Flux& Linie(const QString& camp, int zeroInitial = 0) {
        s.ScrieIntreg(zeroInitial);
        const QStringList texte = {QStringLiteral("F"),
                                   QStringLiteral("P"),
                                   camp,
                                   QString(),
                                   QStringLiteral("DA"),
                                   QStringLiteral("[G]E"),
                                   QString(),
                                   QStringLiteral("DA"),
                                   QStringLiteral("TEXT"),
                                   QStringLiteral("ELEVI"),
                                   QStringLiteral("Grup")};
        for (const QString& t : texte)
            s.ScrieText(t);
        s.ScrieIntreg(7);
        s.ScrieIntreg(300);
        s.ScrieText(QStringLiteral("L"));
        return *this;
    }
    Flux& Intreg(int v) {
        s.ScrieIntreg(v);
        return *this;
    }
    Flux& Text(const QString& t) {
        s.ScrieText(t);
        return *this;
    }
};

QString Citeste(TListaLiniiProfilDiploma& profil, const QByteArray& date) {
    TCititorValori cititor(date);
    return MesajulErorii([&] { profil.CitesteDin(cititor); });
}

TEST(Profil, VersiuneaZeroSiUnu) {
    TListaLiniiProfilDiploma profil;
    EXPECT_EQ(Citeste(profil, Flux().Intreg(0).Intreg(0).s.Date()), QString());
    EXPECT_EQ(profil.Count(), 0);

    // Version 1 needs the form section, even an empty one.
    EXPECT_EQ(Citeste(profil, Flux().Intreg(1).Intreg(0).s.Date()),
              QStringLiteral("Stream read error"));
    EXPECT_EQ(Citeste(profil, Flux().Intreg(1).Intreg(0).Intreg(0).Intreg(0).s.Date()), QString());

    Flux f;
    f.Intreg(1).Intreg(2).Linie(QStringLiteral("A")).Linie(QStringLiteral("B"));
    f.Intreg(0).Intreg(1); // one form
    f.Intreg(0).Text(QStringLiteral("f1")).Text(QStringLiteral("f2"));
    f.Intreg(0).Intreg(2); // two pages
    f.Intreg(0).Text(QStringLiteral("p1")).Text(QStringLiteral("p2"));
    f.Intreg(0).Text(QStringLiteral("p3")).Text(QStringLiteral("p4"));
    ASSERT_EQ(Citeste(profil, f.s.Date()), QString());
    ASSERT_EQ(profil.Count(), 2);
    const TLinieProfilDiploma& b = profil.Linie(1);
    EXPECT_EQ(b.Cod(), (TCodCamp{QStringLiteral("F"), QStringLiteral("P"), QStringLiteral("B")}));
    EXPECT_EQ(b.ETICHETA_EDITOR, QStringLiteral("[G]E"));
    EXPECT_EQ(b.ASOCIAT_CU, QStringLiteral("ELEVI"));
    EXPECT_EQ(b.GRUP, QStringLiteral("Grup"));
    EXPECT_EQ(b.ORDINE, 7);
    EXPECT_EQ(b.LATIME_SUGERATA, 300);
    EXPECT_EQ(b.COD_LINIE, QStringLiteral("L"));
    ASSERT_EQ(profil.Formulare().size(), 1u);
    EXPECT_EQ(profil.Formulare()[0].Text2, QStringLiteral("f2"));
    ASSERT_EQ(profil.Formulare()[0].Pagini.size(), 2u);
    EXPECT_EQ(profil.Formulare()[0].Pagini[1].Text1, QStringLiteral("p3"));

    // Reading version 0 afterwards replaces the lines and empties the forms.
    EXPECT_EQ(Citeste(profil, Flux().Intreg(0).Intreg(1).Linie(QStringLiteral("C")).s.Date()),
              QString());
    ASSERT_EQ(profil.Count(), 1);
    EXPECT_EQ(profil.Linie(0).COD_CAMP, QStringLiteral("C"));
    EXPECT_TRUE(profil.Formulare().empty());
}

TEST(Profil, TexteleSeCitescLaFelCuOriceTag) {
    Flux f;
    f.Intreg(0).Intreg(1).s.ScrieIntreg(0);
    f.s.ScrieTextUtf16(QStringLiteral("F"));
    f.s.ScrieTextUtf8(QStringLiteral("P"));
    f.s.ScrieOcteti(QByteArray("\x0c\x04\x00\x00\x00"
                               "Camp",
                               9));
    for (int i = 0; i < 8; ++i)
        f.s.ScrieText(QString());
    f.s.ScrieOcteti(QByteArray("\x04\x05\x00\x00\x00", 5)); // ORDINE 5 with the widest tag
    f.s.ScrieOcteti(QByteArray("\x03\x06\x00", 3));         // LATIME_SUGERATA 6
    f.s.ScrieText(QString());
    TListaLiniiProfilDiploma profil;
    ASSERT_EQ(Citeste(profil, f.s.Date()), QString());
    EXPECT_EQ(profil.Linie(0).Cod(),
              (TCodCamp{QStringLiteral("F"), QStringLiteral("P"), QStringLiteral("Camp")}));
    EXPECT_EQ(profil.Linie(0).ORDINE, 5);
    EXPECT_EQ(profil.Linie(0).LATIME_SUGERATA, 6);
}

TEST(Profil, EroriSiCitirePartiala) {
    const struct {
        const char* nume;
        QByteArray date;
        const char* mesaj;
        int linii; // lines left in the profile afterwards
    } cazuri[] = {
        {"versiune 2", Flux().Intreg(2).Intreg(0).s.Date(), "Invalid stream", 1},
        {"versiune negativa", Flux().Intreg(-1).Intreg(0).s.Date(), "Invalid stream", 1},
        {"numar negativ", Flux().Intreg(0).Intreg(-3).s.Date(), "", 0},
        {"linie fara zero",
         Flux()
             .Intreg(0)
             .Intreg(2)
             .Linie(QStringLiteral("A"))
             .Linie(QStringLiteral("B"), 1)
             .s.Date(),
         "Invalid Stream!", 1},
        {"trunchiat dupa o linie", Flux().Intreg(0).Intreg(3).Linie(QStringLiteral("A")).s.Date(),
         "Stream read error", 1},
        {"text in loc de numar", Flux().Intreg(0).Text(QStringLiteral("x")).s.Date(),
         "Invalid property value", 1},
        {"sectiune formulare fara zero", Flux().Intreg(1).Intreg(0).Intreg(1).Intreg(0).s.Date(),
         "Invalid stream", 0},
        {"formular fara zero", Flux().Intreg(1).Intreg(0).Intreg(0).Intreg(1).Intreg(5).s.Date(),
         "Invalid stream", 0},
        {"lista pagini fara zero",
         Flux()
             .Intreg(1)
             .Intreg(0)
             .Intreg(0)
             .Intreg(1)
             .Intreg(0)
             .Text({})
             .Text({})
             .Intreg(3)
             .s.Date(),
         "Invalid stream", 0},
        {"pagina fara zero",
         Flux()
             .Intreg(1)
             .Intreg(0)
             .Intreg(0)
             .Intreg(1)
             .Intreg(0)
             .Text({})
             .Text({})
             .Intreg(0)
             .Intreg(1)
             .Intreg(4)
             .s.Date(),
         "Invalid stream", 0},
    };
    for (const auto& caz : cazuri) {
        // Start from one line: a bad header must not touch it.
        TListaLiniiProfilDiploma profil;
        ASSERT_EQ(
            Citeste(profil, Flux().Intreg(0).Intreg(1).Linie(QStringLiteral("Vechi")).s.Date()),
            QString());
        EXPECT_EQ(Citeste(profil, caz.date), QString::fromUtf8(caz.mesaj)) << caz.nume;
        EXPECT_EQ(profil.Count(), caz.linii) << caz.nume;
    }
}

TEST(Profil, IncarcaDinFisier) {
    QTemporaryDir dosar;
    const QString cale = dosar.filePath(QStringLiteral("p.binprof"));
    Flux f;
    f.Text(QStringLiteral("orice antet")).Intreg(0).Intreg(1).Linie(QStringLiteral("X"));
    QFile fisier(cale);
    ASSERT_TRUE(fisier.open(QIODevice::WriteOnly));
    fisier.write(f.s.Date());
    fisier.close();

    TListaLiniiProfilDiploma profil;
    profil.IncarcaDinFisier(cale);
    ASSERT_EQ(profil.Count(), 1);
    EXPECT_EQ(profil.Linie(0).COD_CAMP, QStringLiteral("X"));

    const QString lipsa = dosar.filePath(QStringLiteral("lipsa.binprof"));
    const QString mesaj = MesajulErorii([&] { profil.IncarcaDinFisier(lipsa); });
    EXPECT_TRUE(mesaj.startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(lipsa))) << mesaj;
    EXPECT_EQ(profil.Count(), 1);
}

TEST(Profil, ClasaDeBaza) {
    const TClasaProfilDiploma& baza = ClasaProfilDiplomaDeBaza();
    EXPECT_EQ(baza.NumeProfil(), QString());
    EXPECT_EQ(baza.Create()->Count(), 0);
    EXPECT_EQ(
        MesajulErorii([&] { baza.ListaCampuriElev(); }),
        QStringLiteral("Nu ai definit TListaLiniiProfilDiploma.ListaCampuriElev; Lista "
                       "trebuie sa fie de tipul \"{FORMULAR.PAG.CAMP} {FORMULAR.PAG.CAMP}\""));
}

TEST(CodCamp, Imparte) {
    const struct {
        const char* text;
        const char *formular, *pagina, *camp;
    } cazuri[] = {
        {"F.P.C", "F", "P", "C"}, {"F.P.C.D.E", "F", "P", "C"},
        {"F..C", "F", "", "C"},   {"F", "F", "", ""},
        {"", "", "", ""},         {" f .p. C ", " f ", "p", " C "},
    };
    for (const auto& caz : cazuri)
        EXPECT_EQ(ImparteCodCamp(QString::fromUtf8(caz.text)),
                  (TCodCamp{QString::fromUtf8(caz.formular), QString::fromUtf8(caz.pagina),
                            QString::fromUtf8(caz.camp)}))
            << caz.text;
    EXPECT_EQ(ImparteCodCamp(QStringLiteral("A.B.C")).Scris(), QStringLiteral("A.B.C"));
}

TEST(CodCamp, ImparteEticheta) {
    const struct {
        const char *text, *eticheta, *grup, *nota;
    } cazuri[] = {
        {"[Note]Matematica{nota}dupa", "Matematica", "Note", "nota"},
        {"Nume", "Nume", "", ""},
        {"Nu[G]me", "Nume", "G", ""},
        {"[G1]A[G2]B", "AB", "G1G2", ""},
        {"{n}tot ignorat[G]", "", "", "n"},
        {"[G neinchis", "", "G neinchis", ""},
    };
    for (const auto& caz : cazuri) {
        const TEtichetaEditor e = ImparteEticheta(QString::fromUtf8(caz.text));
        EXPECT_EQ(e.Eticheta, QString::fromUtf8(caz.eticheta)) << caz.text;
        EXPECT_EQ(e.Grup, QString::fromUtf8(caz.grup)) << caz.text;
        EXPECT_EQ(e.Nota, QString::fromUtf8(caz.nota)) << caz.text;
    }
}

TEST(Cale, NormalizeazaCale) {
    const struct {
        const char* cale;
        char separator;
        const char* rezultat;
    } cazuri[] = {
        {"C:\\Program\\\\CIL2009.binprof", '\\', "C:\\Program\\CIL2009.binprof"},
        {"C:\\Program\\", '\\', "C:\\Program\\"},
        {"C:/a//b\\\\\\c", '\\', "C:\\a\\b\\c"},
        {"\\\\server\\\\share\\f", '\\', "\\\\server\\share\\f"},
        {"\\\\\\server", '\\', "\\\\\\server"},
        {"/opt/certaliv//CIL2009.binprof", '/', "/opt/certaliv/CIL2009.binprof"},
        {"/opt/certaliv/\\CIL2009.binprof", '/', "/opt/certaliv/CIL2009.binprof"},
        {"\\\\server\\share", '/', "\\\\server/share"},
    };
    for (const auto& caz : cazuri)
        EXPECT_EQ(NormalizeazaCale(QString::fromUtf8(caz.cale), QChar(caz.separator)),
                  QString::fromUtf8(caz.rezultat))
            << caz.cale;
}
} // namespace
