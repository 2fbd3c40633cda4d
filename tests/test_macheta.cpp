#include "Ajutor.h"
#include "MasuraPdf.h"
#include "layout/FormularDePrintat.h"
#include "layout/FormularTextArea.h"
#include "layout/Macheta.h"
#include "layout/MasuriDispozitiv.h"
#include "util/DosarProgram.h"

#include <QPainter>
#include <QTemporaryDir>
#include <map>

namespace {
struct Certificat : ::testing::Test {
    QWidget fereastra;
    TFormularDePrintat* pagina = nullptr;
    QTemporaryDir dosar;

    void SetUp() override {
        SeteazaDosarProgram(QStringLiteral(CERTALIV_DIR_PROGRAM));
        pagina = ConstruiesteMacheta(CitesteFisierMacheta(MachetaCertificatCIL), &fereastra);
    }
    void TearDown() override { SeteazaDosarProgram(QString()); }

    std::vector<TCuvantPdf> Tipareste() {
        const QString cale = dosar.filePath(QStringLiteral("certificat.pdf"));
        TiparestePdf(cale, 1200, [&](QPainter& pictor, const TMasuriDispozitiv& masuri) {
            pagina->Tipareste(pictor, masuri, false, DirectorModificari(), 0.0, 0.0);
        });
        return CuvintePdf(cale);
    }
};

TEST_F(Certificat, PaginaZoneleSiFonturile) {
    EXPECT_EQ(pagina->objectName(), QStringLiteral("FormularDePrintat1"));
    EXPECT_EQ(pagina->size(), QSize(1153, 832));
    EXPECT_EQ(pagina->Latime(), 290.3);
    EXPECT_EQ(pagina->Inaltime(), 209.6);
    EXPECT_TRUE(pagina->TextAreaTransparent());
    EXPECT_EQ(pagina->DeltaStanga(), 0.0);

    const QList<TFormularTextArea*> zone = pagina->TextAreas();
    ASSERT_EQ(zone.size(), 78);
    EXPECT_EQ(zone.first()->objectName(), QStringLiteral("FormularTextArea1"));
    EXPECT_EQ(zone.last()->objectName(), QStringLiteral("FormularTextArea57"));
    EXPECT_EQ(pagina->NumarMaximTextArea(), 118);
    EXPECT_EQ(pagina->TextAreaNumarul(1)->geometry(), QRect(164, 305, 197, 17));
    EXPECT_EQ(pagina->TextAreaNumarul(1)->Denumire1(),
              QStringLiteral("CertificatAbsolvireCicluInfLiceu.FATA.C_NUME_L1"));

    const QList<TFontFormular*> fonturi = FonturiFormular(&fereastra);
    ASSERT_EQ(fonturi.size(), 22);
    EXPECT_EQ(fonturi.first()->objectName(), QStringLiteral("Stanga"));
    EXPECT_EQ(fonturi.last()->objectName(), QStringLiteral("FontFormular6"));
    EXPECT_EQ(FontFormular(&fereastra, QStringLiteral("DREAPTA_BOLD"))->Size(), 4.7);
    EXPECT_FALSE(FontFormular(&fereastra, QStringLiteral("VERSO_1_BOLD"))->Bold());
    EXPECT_EQ(FontFormular(&fereastra, QStringLiteral("FontFormular1"))->DescrierePentruEditor(),
              QStringLiteral("Arial bold 4"));

    std::map<QString, int> folosiri;
    for (TFormularTextArea* zona : zone) {
        ASSERT_NE(zona->Font(), nullptr) << zona->objectName();
        ++folosiri[zona->Font()->objectName()];
        EXPECT_EQ(zona->ZoomLock(), 300.0);
        EXPECT_EQ(zona->SursaText().size(), 2);
        const QString camp = zona->Denumire1().section(u'.', 2);
        // The counterfoil's fields end before 92 mm; the certificate's start at 122 mm.
        if (camp.startsWith(QStringLiteral("C_")))
            EXPECT_LT(zona->LeftMm() + zona->WidthMm(), 92.0) << camp;
        else
            EXPECT_GE(zona->LeftMm(), 122.0) << camp;
        const bool oCifra = camp.contains(QStringLiteral("CNP")) ||
                            camp.contains(QStringLiteral("SIRUES")) ||
                            camp.contains(QStringLiteral("_AN"));
        EXPECT_EQ(zona->Denumire2().isEmpty(), !oCifra) << camp;
    }
    const std::map<QString, int> asteptate = {
        {"Stanga", 23},         {"DREAPTA_BOLD", 4}, {"VERSO_1_BOLD", 3}, {"dreapta_nume", 1},
        {"Stanga_nume_mic", 1}, {"Stanga_mic", 44},  {"LimbaMaterna", 1}, {"FontFormular1", 1}};
    EXPECT_EQ(folosiri, asteptate);
}

TEST_F(Certificat, FundalulDeLangaProgram) {
    EXPECT_EQ(pagina->BkImage_DummyMsg(), QStringLiteral("1: nonvid-loadfn"));
    EXPECT_EQ(pagina->BkImage_FileName(), QStringLiteral("C:\\Certaliv\\CIL.bin"));
    ASSERT_TRUE(pagina->BkImage().EsteJpeg());
    const QSize pixeli = pagina->BkImage().Imagine.size();
    EXPECT_NEAR(double(pixeli.width()) / pixeli.height(), 290.3 / 209.6, 0.002);
    EXPECT_GE(pixeli.width(), 1153);
}

TEST_F(Certificat, NumeleSeTiparesteInCasutaLui) {
    TFormularTextArea* nume = pagina->TextAreaNumarul(36);
    EXPECT_NEAR(nume->LeftMm(), 145.70, 0.005);
    EXPECT_NEAR(nume->TopMm(), 74.99, 0.005);
    for (TFormularTextArea* zona : pagina->TextAreas())
        zona->SeteazaText(zona == nume ? QStringLiteral("POPESCU") : QString());
    const auto cuvinte = Tipareste();
    ASSERT_EQ(cuvinte.size(), 1u);
    EXPECT_NEAR(cuvinte[0].JosMm, 74.99099645169443 + 6.794486255690435, 0.05);
    EXPECT_NEAR(cuvinte[0].CentruXMm(), 145.7039830386949 + 123.4751082515595 / 2.0, 0.05);
    EXPECT_NEAR(cuvinte[0].InaltimeMm(), 5.7, 0.05);
}

// Every area prints one digit, in its own box: bottom-aligned, centred or at its left edge,
// as high as its font allows. This checks the whole layout on paper.
TEST_F(Certificat, FiecareZonaTiparesteInCasutaEi) {
    for (TFormularTextArea* zona : pagina->TextAreas())
        zona->SeteazaText(QStringLiteral("8"));
    const auto cuvinte = Tipareste();
    ASSERT_EQ(cuvinte.size(), 78u);
    for (TFormularTextArea* zona : pagina->TextAreas()) {
        SCOPED_TRACE(zona->objectName().toStdString());
        const double stanga = zona->LeftMm(), sus = zona->TopMm();
        const double dreapta = stanga + zona->WidthMm(), jos = sus + zona->HeightMm();
        // Areas overlap; the word nearest the area's bottom centre is its own.
        const auto distanta = [&](const TCuvantPdf& c) {
            return std::abs(c.JosMm - jos) + std::abs(c.CentruXMm() - (stanga + dreapta) / 2.0);
        };
        const auto gasit = std::min_element(
            cuvinte.begin(), cuvinte.end(),
            [&](const TCuvantPdf& a, const TCuvantPdf& b) { return distanta(a) < distanta(b); });
        ASSERT_NE(gasit, cuvinte.end());
        EXPECT_NEAR(gasit->JosMm, jos, 0.05);
        EXPECT_NEAR(gasit->InaltimeMm(), std::min(zona->Font()->Size(), zona->HeightMm()), 0.05);
        if (zona->Alignment() == TAliniere::Centru)
            EXPECT_NEAR(gasit->CentruXMm(), (stanga + dreapta) / 2.0, 0.05);
        else
            EXPECT_NEAR(gasit->StangaMm, stanga, 0.05);
    }
}

TEST(Macheta, ErorileNumescLinia) {
    const struct {
        const char* text;
        QString mesaj;
    } cazuri[] = {
        {"[pagina]\nLatime = 12,5\n", "m, linia 2: Latime: \"12,5\" nu este un numar"},
        {"[pagina]\nCuloare = rosu\n", "m, linia 2: proprietatea necunoscuta \"Culoare\""},
        {"# x\n[fonturi]\nF | Arial | 3 | da | nu | 238\n", "m, linia 3: 6 coloane in loc de 8"},
        {"[fonturi]\nF | Arial | 3 | poate | nu | 238 | 1250 | \"\"\n",
         "m, linia 2: Bold: \"poate\" nu este da sau nu"},
        {"[zone]\nZ | C | | 1 | 2 | 3 | 4 | Lipsa | centru | | 300 | \"\"\n",
         "m, linia 2: fontul \"Lipsa\" nu este definit"},
        {"[zone]\nZ | C | | 1 | 2 | 3 | 4 | | sus | | 300 | \"\"\n",
         "m, linia 2: alinierea \"sus\" nu este stanga, centru sau dreapta"},
        {"[zone]\nZ | C | | 1 | 2 | 3 | 4 | | centru | D9 | 300 | \"\"\n",
         "m, linia 2: sursa \"D9\" nu este definita"},
        {"[zone]\nZ | C | | 1 | 2 | 3 | 4 | | centru | | 300 | \"\"\n"
         "Z | C | | 1 | 2 | 3 | 4 | | centru | | 300 | \"\"\n",
         "m, linia 3: numele \"Z\" apare de doua ori"},
        {"Latime = 3\n", "m, linia 1: rand in afara oricarei sectiuni"},
        {"[spate]\n", "m, linia 1: sectiunea necunoscuta \"spate\""},
    };
    for (const auto& caz : cazuri)
        EXPECT_EQ(MesajulErorii([&] { CitesteMacheta(caz.text, QStringLiteral("m")); }), caz.mesaj);

    const TDescriereMacheta macheta = CitesteMacheta(
        "[surse]\nD1 | \"Unu.\" | \"Doi \"\n[zone]\nZ | C | 4 | 1.5 | 2 | 3 | 4 | | dreapta | D1 "
        "| 0 | \" A \"\n",
        QStringLiteral("m"));
    ASSERT_EQ(macheta.Zone.size(), 1u);
    EXPECT_EQ(macheta.Zone[0].SursaText, (QStringList{"Unu.", "Doi "}));
    EXPECT_EQ(macheta.Zone[0].Text, QStringLiteral(" A "));
    EXPECT_EQ(macheta.Zone[0].Denumire2, QStringLiteral("4"));
    EXPECT_EQ(macheta.Zone[0].LeftMm, 1.5);
    EXPECT_EQ(macheta.Zone[0].Aliniere, TAliniere::Dreapta);
}
} // namespace
