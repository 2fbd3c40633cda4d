#include "Ajutor.h"
#include "ImprimantePdf.h"
#include "print/Imprimanta.h"
#include "print/InsertPaper.h"
#include "print/PrintWiz.h"
#include "print/SetariImprimanta.h"
#include "settings/RegistruUtilizator.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {
class Pregatire : public ::testing::Test {
protected:
    void SetUp() override {
        SeteazaFisierRegistru(dosar.filePath(QStringLiteral("registru.reg")));
        QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
        Imprimante({QStringLiteral("Birou A4"), QStringLiteral("Laser, etaj 2")});
    }
    void TearDown() override {
        InlocuiesteSistemImprimante(std::make_unique<TSistemImprimante>());
        SeteazaFisierRegistru(QString());
        QLocale::setDefault(QLocale::c());
    }
    void Imprimante(const QStringList& nume) {
        auto sistem = std::make_unique<ImprimantePdf>(dosar.path(), nume);
        pdf = sistem.get();
        InlocuiesteSistemImprimante(std::move(sistem));
    }
    QString Registru() const {
        QFile f(dosar.filePath(QStringLiteral("registru.reg")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir dosar;
    ImprimantePdf* pdf = nullptr;
};

struct Raspunsuri {
    int imprimanta = 0;
    QRadioButton* (*alimentare)(TPrintWiz&) = [](TPrintWiz& w) {
        return w.RadioSus;
    };
    bool normala = true;
    bool opusa = false;
    int linii = 0;
};

// Answers the wizard page by page, stopping (cancelled) at `opresteLa` when given.
void Raspunde(TPrintWiz& w, const Raspunsuri& r, int opresteLa = -1) {
    for (int pas = 0; pas < 20 && w.isVisible(); ++pas) {
        const int pagina = w.PaginaCurenta();
        if (pagina == opresteLa) {
            w.Renunt->click();
            return;
        }
        switch (pagina) {
        case 0:
            w.ListaImprimante->setCurrentItem(w.ListaImprimante->topLevelItem(r.imprimanta));
            break;
        case 1:
            r.alimentare(w)->setChecked(true);
            break;
        case 4:
            (r.normala ? w.RadioNormala : w.RadioRasturnata)->setChecked(true);
            break;
        case 7:
            (r.opusa ? w.RadioOpusa : w.RadioAceeasi)->setChecked(true);
            break;
        case 9:
            w.RadioLinii[size_t(r.linii)]->setChecked(true);
            break;
        }
        w.Inainte->click();
    }
}

int RuleazaVrajitorul(const Raspunsuri& r, int opresteLa = -1) {
    TPrintWiz w;
    QTimer::singleShot(0, &w, [&] { Raspunde(w, r, opresteLa); });
    return w.Executa();
}

TEST_F(Pregatire, VrajitorulAnulatNuScrieNimic) {
    for (int pagina : {0, 1, 3, 4, 5, 6, 7, 8, 9, 13}) {
        Raspunsuri r;
        r.alimentare = [](TPrintWiz& w) {
            return w.RadioInterna;
        };
        EXPECT_EQ(RuleazaVrajitorul(r, pagina), QDialog::Rejected) << pagina;
        EXPECT_FALSE(Registru().contains(QStringLiteral("\"all\""))) << pagina;
    }
}

TEST_F(Pregatire, VrajitorulTerminatPastreazaMarginile) {
    {
        TAllStuffReg setari;
        setari.StangaFata = 1.5;
        setari.SusFata = 0.5;
        setari.SeteazaOglindesc(0, QStringLiteral("N"));
    }
    Raspunsuri prima;
    prima.imprimanta = 1;
    prima.opusa = true;
    prima.linii = 2;
    ASSERT_EQ(RuleazaVrajitorul(prima), QDialog::Accepted);
    {
        TAllStuffReg setari;
        EXPECT_TRUE(setari.Configurat);
        EXPECT_TRUE(setari.PartiOpuse);
        EXPECT_TRUE(setari.OglindaOrizontala);
        EXPECT_TRUE(setari.OglindaVerticala);
        EXPECT_EQ(setari.ModAlimentare, 1);
        EXPECT_EQ(setari.NumeImprimanta, QStringLiteral("Laser, etaj 2"));
        EXPECT_EQ(setari.IndexImprimanta, 1);
        EXPECT_EQ(setari.StangaFata, 1.5);
        EXPECT_EQ(setari.SusFata, 0.5);
        EXPECT_EQ(setari.Oglindesc(0), QStringLiteral("N"));
    }
    Raspunsuri aDoua;
    aDoua.alimentare = [](TPrintWiz& w) {
        return w.RadioInterna;
    };
    aDoua.normala = false;
    aDoua.linii = 3;
    ASSERT_EQ(RuleazaVrajitorul(aDoua), QDialog::Accepted);
    TAllStuffReg setari;
    EXPECT_FALSE(setari.PartiOpuse);
    EXPECT_FALSE(setari.OglindaOrizontala);
    EXPECT_TRUE(setari.OglindaVerticala);
    EXPECT_EQ(setari.ModAlimentare, 3);
    EXPECT_EQ(setari.NumeImprimanta, QStringLiteral("Birou A4"));
    EXPECT_EQ(setari.StangaFata, 1.5);
}

TEST_F(Pregatire, VrajitorulReparaSetariCareNuSeCitesc) {
    TCheieRegistru(TAllStuffReg::CaleCheie())
        .ScrieText(QStringLiteral("all"), QStringLiteral("0,1,0,0,0,1,1.5,0,0,0,Birou A4,0"));
    EXPECT_NE(MesajulErorii([] { TAllStuffReg setari; }), QString());
    MesajeInregistrate mesaje;
    ASSERT_EQ(RuleazaVrajitorul(Raspunsuri()), QDialog::Accepted);
    EXPECT_EQ(mesaje.Texte.size(), 1);
    TAllStuffReg setari;
    EXPECT_TRUE(setari.Configurat);
    EXPECT_EQ(setari.ModAlimentare, 1);
    EXPECT_EQ(setari.StangaFata, 0.0);
}

TEST_F(Pregatire, InapoiUrmeazaDrumulParcurs) {
    TPrintWiz w;
    EXPECT_EQ(w.ListaImprimante->currentItem()->text(0), QStringLiteral("Birou A4"));
    w.Inapoi->click();
    EXPECT_EQ(w.PaginaCurenta(), 0);
    w.Inainte->click();
    w.RadioInterna->setChecked(true);
    w.Inainte->click();
    EXPECT_EQ(w.PaginaCurenta(), 3);
    w.Inainte->click();
    EXPECT_EQ(w.PaginaCurenta(), 4);
    w.Inainte->click();
    EXPECT_EQ(w.PaginaCurenta(), 5);
    QList<int> inapoi;
    for (int i = 0; i < 4; ++i) {
        w.Inapoi->click();
        inapoi << w.PaginaCurenta();
    }
    EXPECT_EQ(inapoi, (QList<int>{4, 3, 1, 0}));
}

TEST_F(Pregatire, ImprimantaInregistrataDevineCurenta) {
    const struct {
        const char* inregistrata;
        const char* curenta;
    } cazuri[] = {{"Laser, etaj 2", "Laser, etaj 2"}, {"Disparuta", "Birou A4"}, {"", "Birou A4"}};
    for (const auto& caz : cazuri) {
        {
            TAllStuffReg setari;
            setari.NumeImprimanta = QString::fromUtf8(caz.inregistrata);
        }
        // A new run: the current printer is chosen again at its first use.
        Imprimante({QStringLiteral("Birou A4"), QStringLiteral("Laser, etaj 2")});
        EXPECT_EQ(NumeImprimantaCurenta(), QString::fromUtf8(caz.curenta)) << caz.inregistrata;
        EXPECT_EQ(IndexImprimantaCurenta(), caz.curenta[0] == 'L' ? 1 : 0);
    }
}

TEST_F(Pregatire, FaraImprimanteVrajitorulNuPoateFiTerminat) {
    Imprimante({});
    TPrintWiz w;
    EXPECT_FALSE(w.FaraImprimante->isHidden());
    EXPECT_FALSE(w.Inainte->isEnabled());
}

// The dark pixels' box of the first page of a PDF, as fractions of the page.
QRectF CutieCerneala(const QString& pdf, const QString& dosar) {
    const QString prefix = dosar + QStringLiteral("/pagina");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, prefix});
    const QImage imagine(prefix + QStringLiteral(".png"));
    if (imagine.isNull())
        return {};
    int stanga = imagine.width(), sus = imagine.height(), dreapta = -1, jos = -1;
    for (int y = 0; y < imagine.height(); ++y)
        for (int x = 0; x < imagine.width(); ++x)
            if (qGray(imagine.pixel(x, y)) < 128) {
                stanga = std::min(stanga, x);
                dreapta = std::max(dreapta, x);
                sus = std::min(sus, y);
                jos = std::max(jos, y);
            }
    return QRectF(double(stanga) / imagine.width(), double(sus) / imagine.height(),
                  double(dreapta + 1 - stanga) / imagine.width(),
                  double(jos + 1 - sus) / imagine.height());
}

TEST_F(Pregatire, FoaiaDeTestAreSageataUndeOPunProportiile) {
    TPrintWiz w;
    w.Inainte->click();
    w.RadioSus->setChecked(true);
    w.Inainte->click();
    ASSERT_EQ(w.PaginaCurenta(), 5);
    w.Inainte->click();
    ASSERT_EQ(w.PaginaCurenta(), 6);
    EXPECT_EQ(w.ModAlimentare, 1);
    EXPECT_EQ(ImprimantaCurenta().docName(), QStringLiteral("Prima sageata"));
    EXPECT_EQ(ImprimantaCurenta().pageLayout().orientation(), QPageLayout::Portrait);

    // The outlined arrow: 344 x 661 of the 677 x 1073 sheet, centred.
    const QRectF cutie = CutieCerneala(pdf->Fisier(QStringLiteral("Birou A4")), dosar.path());
    const double toleranta = 0.01;
    EXPECT_NEAR(cutie.left(), 166.0 / 677, toleranta);
    EXPECT_NEAR(cutie.width(), 344.0 / 677, toleranta);
    EXPECT_NEAR(cutie.top(), 206.0 / 1073, toleranta);
    EXPECT_NEAR(cutie.height(), 661.0 / 1073, toleranta);
}

// Runs the prompt: `actiune` acts on it while it is shown; the prompt is then cancelled unless
// `actiune` closed it.
template <class F>
int Afiseaza(TInsertPaperForm& f, int pagina, double& stanga, double& sus, bool& roteste,
             F actiune) {
    QTimer::singleShot(0, &f, [&] {
        actiune();
        if (f.isVisible())
            f.reject();
    });
    return f.Afiseaza(pagina, stanga, sus, roteste);
}

TEST_F(Pregatire, PromptulArataDiplomaDupaTabel) {
    const struct {
        int pagina;
        bool partiOpuse;
        const char* titlu;
        int normala, oglinda;
    } cazuri[] = {{0, false, "(1)", 3, 1},
                  {0, true, "(2)", 2, 4},
                  {1, false, "(3)", 2, 4},
                  {1, true, "(4)", 1, 3}};
    QWidget proprietar;
    TInsertPaperForm& prompt = InsertPaperForm(&proprietar);
    EXPECT_EQ(&InsertPaperForm(), &prompt);
    for (const auto& caz : cazuri) {
        TAllStuffReg setari;
        setari.PartiOpuse = caz.partiOpuse;
        setari.ModAlimentare = 2;
        double stanga = 0, sus = 0;
        bool roteste = false;
        int cuBifa = 0, faraBifa = 0;
        QString titlu;
        Afiseaza(prompt, caz.pagina, stanga, sus, roteste, [&] {
            titlu = prompt.windowTitle();
            prompt.CheckOglinda->setChecked(false);
            prompt.CheckOglinda->click();
            cuBifa = prompt.ImagineVizibila();
            prompt.CheckOglinda->click();
            faraBifa = prompt.ImagineVizibila();
        });
        EXPECT_EQ(titlu, QString::fromLatin1(caz.titlu));
        EXPECT_EQ(faraBifa, caz.normala) << caz.titlu;
        EXPECT_EQ(cuBifa, caz.oglinda) << caz.titlu;
    }
}

TEST_F(Pregatire, RotireaPropusaPanaCandUtilizatorulDecide) {
    QWidget proprietar;
    TInsertPaperForm prompt(&proprietar);
    const struct {
        int mod, pagina;
        bool bifata, sageataJos;
    } cazuri[] = {{1, 0, true, true},   {3, 0, true, true},  {2, 0, false, false},
                  {4, 0, false, false}, {1, 1, false, true}, {2, 1, true, false}};
    for (const auto& caz : cazuri) {
        auto setari = std::make_unique<TAllStuffReg>();
        setari->ModAlimentare = quint8(caz.mod);
        setari->SeteazaOglindesc(0, QStringLiteral("*"));
        setari->SeteazaOglindesc(1, QStringLiteral("*"));
        double stanga = 0, sus = 0;
        bool roteste = !caz.bifata;
        bool bifata = false, jos = false;
        Afiseaza(prompt, caz.pagina, stanga, sus, roteste, [&] {
            bifata = prompt.CheckOglinda->isChecked();
            jos = prompt.SageataInJos();
        });
        EXPECT_EQ(bifata, caz.bifata) << caz.mod << "/" << caz.pagina;
        EXPECT_EQ(jos, caz.sageataJos) << caz.mod;
        // Even cancelled, the choice is kept, and it wins from then on.
        EXPECT_EQ(roteste, caz.bifata);
        EXPECT_EQ(setari->Oglindesc(caz.pagina),
                  caz.bifata ? QStringLiteral("D") : QStringLiteral("N"));
        Afiseaza(prompt, caz.pagina, stanga, sus, roteste,
                 [&] { bifata = prompt.CheckOglinda->isChecked(); });
        EXPECT_EQ(bifata, caz.bifata);
        setari->SeteazaOglindesc(caz.pagina,
                                 caz.bifata ? QStringLiteral("N") : QStringLiteral("D"));
        Afiseaza(prompt, caz.pagina, stanga, sus, roteste,
                 [&] { bifata = prompt.CheckOglinda->isChecked(); });
        EXPECT_EQ(bifata, !caz.bifata);
    }
}

TEST_F(Pregatire, MarginileInFormaLocala) {
    QWidget proprietar;
    TInsertPaperForm prompt(&proprietar);
    TAllStuffReg setari;
    double stanga = 2.25, sus = 0;
    bool roteste = false;
    QString propuse;
    MesajeInregistrate mesaje;
    const int rezultat = Afiseaza(prompt, 0, stanga, sus, roteste, [&] {
        propuse = prompt.EditStanga->text();
        prompt.EditStanga->setText(QStringLiteral("1.5")); // not this locale's decimal mark
        prompt.EditSus->setText(QStringLiteral("0"));
        QTest::mouseClick(prompt.findChildren<QPushButton*>().at(0), Qt::LeftButton);
        EXPECT_TRUE(prompt.isVisible());
        prompt.EditStanga->setText(QStringLiteral("1,5"));
        QTest::mouseClick(prompt.findChildren<QPushButton*>().at(0), Qt::LeftButton);
    });
    EXPECT_EQ(propuse, QStringLiteral("2,25"));
    EXPECT_EQ(mesaje.Texte,
              QStringList{QStringLiteral("'1.5' is not a valid floating point value")});
    EXPECT_EQ(rezultat, QDialog::Accepted);
    EXPECT_EQ(stanga, 1.5);
    EXPECT_EQ(sus, 0.0);

    // Cancelled with a field that does not convert: the error comes after the choice is kept.
    setari.SeteazaOglindesc(0, QStringLiteral("*"));
    const QString eroare = MesajulErorii([&] {
        Afiseaza(prompt, 0, stanga, sus, roteste,
                 [&] { prompt.EditSus->setText(QStringLiteral("x")); });
    });
    EXPECT_EQ(eroare, QStringLiteral("'x' is not a valid floating point value"));
    EXPECT_NE(setari.Oglindesc(0), QStringLiteral("*"));
}
} // namespace
