#include "Ajutor.h"
#include "DateCertificat.h"
#include "ImprimantePdf.h"
#include "MasuraPdf.h"
#include "ProgramTemporar.h"
#include "app/ButonFormular.h"
#include "app/cil/PrintCertificatForm.h"
#include "layout/FormularDePrintat.h"
#include "layout/FormularTextArea.h"
#include "print/InsertPaper.h"
#include "print/SetariImprimanta.h"
#include "settings/InfoGlobal.h"
#include "settings/RegistruUtilizator.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>

namespace {
const QString Formular = QStringLiteral("CertificatAbsolvireCicluInfLiceu");

class Certificat : public ::testing::Test {
protected:
    void SetUp() override {
        SeteazaFisierRegistru(program.Dosar() + QStringLiteral("/registru.reg"));
        QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
        auto sistem =
            std::make_unique<ImprimantePdf>(program.Dosar(), QStringList{QStringLiteral("Birou")});
        pdf = sistem.get();
        InlocuiesteSistemImprimante(std::move(sistem));
        scoala = ScoalaCompleta();
        elev = ElevComplet(QStringLiteral("1940512123456"), QStringLiteral("POPESCU"));
        idElev = AdaugaElev(elev, AdaugaScoala(scoala));
    }
    void TearDown() override {
        InlocuiesteSistemImprimante(std::make_unique<TSistemImprimante>());
        SeteazaFisierRegistru(QString());
        QLocale::setDefault(QLocale::c());
    }

    // What an area must show: its field's value (a right-part field repeats the left part's),
    // or one character of it.
    QString Asteptat(const TFormularTextArea& zona) const {
        QString camp = zona.Denumire1().section(u'.', 2);
        const QString stanga = QStringLiteral("C_") + camp.mid(2);
        if (camp.startsWith(QStringLiteral("A_")) && camp != u"A_NUME" &&
            camp != u"A_LOCALITATEA_L2")
            camp = camp == u"A_LOCALITATEA_L1" ? QStringLiteral("C_LOCALITATEA") : stanga;
        const QString valoare = elev.value(camp, scoala.value(camp));
        if (zona.Denumire2().isEmpty())
            return valoare;
        return valoare.mid(zona.Denumire2().toInt() - 1, 1);
    }

    // Runs the print job, answering the paper prompt with the margins and the turn.
    void TiparesteCuPrompt(TPrintCertificatCicluInferiorForm& fereastra, const QString& stanga,
                           const QString& sus, bool roteste) {
        QTimer::singleShot(0, &fereastra, [&] {
            TInsertPaperForm& prompt = InsertPaperForm();
            prompt.EditStanga->setText(stanga);
            prompt.EditSus->setText(sus);
            prompt.CheckOglinda->setChecked(roteste);
            prompt.accept();
        });
        fereastra.Button1Click();
    }

    TProgramTemporar program;
    ImprimantePdf* pdf = nullptr;
    TValori scoala, elev;
    int idElev = -1;
};

TEST_F(Certificat, UmplereaPuneFiecareValoareInZonaEi) {
    TPrintCertificatCicluInferiorForm fereastra;
    CompleteazaDocument(&fereastra, idElev);
    int cuText = 0;
    for (TFormularTextArea* zona : fereastra.FormularDePrintat1->TextAreas()) {
        EXPECT_EQ(zona->Text(), Asteptat(*zona)) << zona->objectName();
        EXPECT_TRUE(zona->SursaText().isEmpty());
        cuText += !zona->Text().isEmpty();
    }
    EXPECT_EQ(cuText, 78);
    EXPECT_EQ(fereastra.FormularDePrintat1->TextAreaNumarul(11)->Text(), QStringLiteral("1"));
    EXPECT_EQ(fereastra.FormularDePrintat1->TextAreaNumarul(86)->Text(), QStringLiteral("9"));
}

TEST_F(Certificat, TiparireaPunePeHartieFiecareTextInCasutaLui) {
    {
        TAllStuffReg setari;
        setari.Configurat = true;
    }
    QWidget proprietar;
    InsertPaperForm(&proprietar);
    TPrintCertificatCicluInferiorForm fereastra;
    CompleteazaDocument(&fereastra, idElev);

    const struct {
        const char *stanga, *sus;
        double dxMm;
        bool roteste;
    } tiparituri[] = {{"0", "0", 0.0, false}, {"1,5", "0", 1.5, false}, {"0", "0", 0.0, true}};
    for (const auto& t : tiparituri) {
        SCOPED_TRACE(t.stanga + std::string(t.roteste ? " rotit" : ""));
        TiparesteCuPrompt(fereastra, QString::fromLatin1(t.stanga), QString::fromLatin1(t.sus),
                          t.roteste);
        const std::vector<TCuvantPdf> cuvinte = CuvintePdf(pdf->Fisier(QStringLiteral("Birou")));
        ASSERT_FALSE(cuvinte.empty());
        for (TFormularTextArea* zona : fereastra.FormularDePrintat1->TextAreas()) {
            SCOPED_TRACE(zona->objectName().toStdString());
            double stanga = zona->LeftMm() + t.dxMm, sus = zona->TopMm();
            double dreapta = stanga + zona->WidthMm(), jos = sus + zona->HeightMm();
            if (t.roteste) {
                // Turned about the sheet's centre (A4 landscape).
                const double latime = 297.0, inaltime = 210.0;
                std::tie(stanga, dreapta) = std::pair(latime - dreapta, latime - stanga);
                std::tie(sus, jos) = std::pair(inaltime - jos, inaltime - sus);
            }
            QList<const TCuvantPdf*> aici;
            for (const TCuvantPdf& c : cuvinte) {
                const double y = (c.SusMm + c.JosMm) / 2;
                if (c.CentruXMm() > stanga && c.CentruXMm() < dreapta && y > sus - 0.5 &&
                    y < jos + 0.5)
                    aici << &c;
            }
            std::sort(aici.begin(), aici.end(),
                      [&](auto* a, auto* b) { return (a->StangaMm < b->StangaMm) != t.roteste; });
            QStringList texte;
            for (const TCuvantPdf* c : aici)
                texte << c->Text;
            const QString asteptat = Asteptat(*zona);
            if (t.roteste) {
                // Upside down, what matters is that the text landed in the turned box.
                EXPECT_EQ(aici.isEmpty(), asteptat.isEmpty());
                continue;
            }
            ASSERT_EQ(texte.join(u' '), asteptat);
            const double primaStanga = aici.first()->StangaMm,
                         ultimaDreapta = aici.last()->DreaptaMm;
            EXPECT_NEAR(aici.first()->JosMm, jos, 0.05);
            if (zona->Alignment() == TAliniere::Centru)
                EXPECT_NEAR((primaStanga + ultimaDreapta) / 2, (stanga + dreapta) / 2, 0.05);
            else
                EXPECT_NEAR(primaStanga, stanga, 0.05);
        }
    }
    // The margins typed in the prompt are proposed again next time.
    TAllStuffReg setari;
    EXPECT_EQ(setari.StangaFata, 0.0);
    EXPECT_EQ(setari.Oglindesc(0), QStringLiteral("D"));
}

TEST_F(Certificat, FaraConfigurareNuSeTipareste) {
    TPrintCertificatCicluInferiorForm fereastra;
    MesajeInregistrate mesaje;
    fereastra.Button1Click();
    EXPECT_EQ(mesaje.Texte, QStringList{QStringLiteral("Configureaza imprimanta")});
    EXPECT_FALSE(QFile::exists(pdf->Fisier(QStringLiteral("Birou"))));
}

TEST_F(Certificat, EroriDeUmplereNumescZona) {
    TPrintCertificatCicluInferiorForm fereastra;
    TFormularDePrintat* pagina = fereastra.FormularDePrintat1;
    TFormularTextArea* a1 = pagina->TextAreaNumarul(1);
    const struct {
        const char *denumire1, *denumire2, *denumire3, *mesaj;
    } cazuri[] = {
        {"CertificatAbsolvireCicluInfLiceu.FATA.C_LIPSA", "", "",
         "FormularTextArea1.TFormularTextArea face referire la campul inexistent "
         "CertificatAbsolvireCicluInfLiceu.FATA.C_LIPSA"},
        {"CertificatAbsolvireCicluInfLiceu.FATA.C_CNP", "x", "",
         "FormularTextArea1.TFormularTextArea are denumire2=\"x\" (adica nu un numar)"},
        {"CertificatAbsolvireCicluInfLiceu.FATA.C_CNP", "1", "y",
         "FormularTextArea1.TFormularTextArea are Denumire3=\"y\" (adica nu un numar) "
         "(CertificatAbsolvireCicluInfLiceu.FATA.C_CNP)"},
    };
    for (const auto& caz : cazuri) {
        a1->SeteazaDenumire1(QString::fromUtf8(caz.denumire1));
        a1->SeteazaDenumire2(QString::fromUtf8(caz.denumire2));
        a1->SeteazaDenumire3(QString::fromUtf8(caz.denumire3));
        EXPECT_EQ(MesajulErorii([&] { CompleteazaDocument(&fereastra, idElev); }),
                  QString::fromUtf8(caz.mesaj));
        // Filling stopped at the first area: the others keep their number text.
        EXPECT_EQ(pagina->TextAreaNumarul(2)->Text(), QStringLiteral("<2>"));
    }
    // A run of characters; a position past the end gives nothing; no field code empties.
    a1->SeteazaDenumire2(QStringLiteral("3"));
    a1->SeteazaDenumire3(QStringLiteral("4"));
    pagina->TextAreaNumarul(2)->SeteazaDenumire1(QString());
    pagina->TextAreaNumarul(3)->SeteazaDenumire2(QStringLiteral("40"));
    CompleteazaDocument(&fereastra, idElev);
    EXPECT_EQ(a1->Text(), QStringLiteral("4051"));
    EXPECT_EQ(pagina->TextAreaNumarul(2)->Text(), QString());
    EXPECT_EQ(pagina->TextAreaNumarul(3)->Text(), QString());
}

TEST_F(Certificat, NotelePrinScriitorulDeNote) {
    // A layout may carry grade places; this profile gets two such fields for the test.
    ExecutaToate(
        {QStringLiteral("INSERT INTO PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, "
                        "ONOREZ_SIMILAR, TIP_DE_DATE, ASOCIAT_CU) VALUES "
                        "('CertificatAbsolvireCicluInfLiceu', 'FATA', 'N_NOTA', 'DA', 'NOTA', "
                        "'ELEVI')"),
         QStringLiteral("INSERT INTO PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, "
                        "ONOREZ_SIMILAR, TIP_DE_DATE, ASOCIAT_CU) VALUES "
                        "('CertificatAbsolvireCicluInfLiceu', 'FATA', 'N_PURTARE', 'DA', "
                        "'NOTA sau CALIFICATIV', 'ELEVI')")});
    {
        TInfoGlobal2005 info;
        info.NotaDiploma = QStringLiteral("NOTA/LITERE");
        info.ScriuCuLitereMari = QStringLiteral("1");
    }
    TPrintCertificatCicluInferiorForm fereastra;
    TFormularDePrintat* pagina = fereastra.FormularDePrintat1;
    fereastra.show();
    // Areas 2 (lower) and 1 (upper) make one grade place.
    TFormularTextArea* sus = pagina->TextAreaNumarul(1);
    TFormularTextArea* jos = pagina->TextAreaNumarul(2);
    const double susMm = sus->TopMm(), josMm = jos->TopMm();
    const auto Loc = [&](const char* camp, const char* fel) {
        for (TFormularTextArea* zona : {sus, jos}) {
            zona->SeteazaDenumire1(Formular + QStringLiteral(".FATA.") + QString::fromLatin1(camp));
            zona->SeteazaDenumire2(QString());
            zona->SeteazaDenumire3(QString::fromLatin1(fel));
        }
    };

    // No grade yet: still through the grade writer, which marks the place.
    Loc("N_NOTA", "Nota_Diploma ");
    CompleteazaDocument(&fereastra, idElev);
    EXPECT_EQ(sus->Text(), QStringLiteral("----"));
    EXPECT_EQ(jos->Text(), QStringLiteral(" "));

    TValori note{{QStringLiteral("N_NOTA"), QStringLiteral("9,63")},
                 {QStringLiteral("N_PURTARE"), QStringLiteral("foarte bine")}};
    AdaugaValori(note, idElev);
    CompleteazaDocument(&fereastra, idElev);
    EXPECT_EQ(sus->Text(), QStringLiteral("9,63"));
    EXPECT_EQ(jos->Text(), QStringLiteral("(NOUĂ, ŞAIZECIŞITREI)"));
    EXPECT_TRUE(jos->isVisible());

    // A qualifier in a grade place is printed once, centred between the two lines.
    Loc("N_PURTARE", "NOTA_DIPLOMA");
    CompleteazaDocument(&fereastra, idElev);
    EXPECT_EQ(sus->Text(), QStringLiteral("foarte bine"));
    EXPECT_FALSE(jos->isVisible());
    EXPECT_DOUBLE_EQ(sus->TopMm(), (susMm + josMm) / 2);

    Loc("N_NOTA", "NOTA_ALTA");
    EXPECT_EQ(MesajulErorii([&] { CompleteazaDocument(&fereastra, idElev); }),
              QStringLiteral("FormularTextArea1.TFormularTextArea specifica un camp \"NOTA\" cu "
                             "Denumire3 = \"NOTA_ALTA\"; Denumire3 ar trebui sa fie NOTA_DIPLOMA, "
                             "NOTA_COTOR, MEDIE_DIPLOMA sau MEDIE_COTOR!"));
}

TEST_F(Certificat, ZoomulSeIntoarceLaAproape100) {
    TPrintCertificatCicluInferiorForm fereastra;
    for (int i = 0; i < 3; ++i)
        fereastra.Button2Click();
    EXPECT_NEAR(fereastra.FormularDePrintat1->Zoom(), 133.1, 1e-9);
    for (int i = 0; i < 3; ++i)
        fereastra.Button3Click();
    EXPECT_NEAR(fereastra.FormularDePrintat1->Zoom(), 100.0, 1e-9);
}

TEST_F(Certificat, SalveazaPdf) {
    TPrintCertificatCicluInferiorForm fereastra;
    CompleteazaDocument(&fereastra, idElev);
    const QString fisier = program.Dosar() + QStringLiteral("/diploma.pdf");
    auto anterior = InlocuiesteAlegereaFisieruluiPdf([&](QWidget*) { return fisier; });
    fereastra.ButonPdf->click();
    InlocuiesteAlegereaFisieruluiPdf(std::move(anterior));
    const std::vector<TCuvantPdf> cuvinte = CuvintePdf(fisier);
    const auto nume = std::find_if(cuvinte.begin(), cuvinte.end(), [](const TCuvantPdf& c) {
        return c.Text == u"POPESCU" && c.StangaMm > 140;
    });
    ASSERT_NE(nume, cuvinte.end());
    EXPECT_NEAR(nume->JosMm, 74.99099645169443 + 6.794486255690435, 0.05);
}
} // namespace
