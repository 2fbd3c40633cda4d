#include "Ajutor.h"
#include "settings/InfoGlobal.h"
#include "settings/ObiectRegistru.h"
#include "settings/RegistruUtilizator.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
class RegistruTemporar : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dosar.isValid());
        SeteazaFisierRegistru(Fisier());
    }
    void TearDown() override { SeteazaFisierRegistru(QString()); }
    QString Fisier() const { return dosar.filePath(QStringLiteral("registru.reg")); }
    QString Continut() const {
        QFile f(Fisier());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir dosar;
};

const QString Cheie = QStringLiteral("Software\\Test\\Cheie");

TEST_F(RegistruTemporar, ValorileIsiPastreazaTipul) {
    const QString ciudat = QStringLiteral("a \"b\" \\c\\ ȘTEFĂNESCU\nrand nou=x");
    {
        TCheieRegistru cheie(Cheie);
        cheie.ScrieText(QStringLiteral("Text"), ciudat);
        cheie.ScrieText(QStringLiteral("Gol"), QString());
        cheie.ScrieText(QStringLiteral("Cifre"), QStringLiteral("42"));
        cheie.ScrieNumar(QStringLiteral("Numar"), -5);
    }
    TCheieRegistru cheie(Cheie);
    EXPECT_EQ(cheie.CitesteText(QStringLiteral("Text")), ciudat);
    EXPECT_EQ(cheie.CitesteText(QStringLiteral("Gol")), QString());
    EXPECT_EQ(cheie.Tip(QStringLiteral("Gol")), TCheieRegistru::TipValoare::Text);
    EXPECT_EQ(cheie.CitesteNumar(QStringLiteral("Numar")), -5);
    // A text of digits is still a text, and a number is not a text.
    EXPECT_EQ(cheie.CitesteNumar(QStringLiteral("Cifre")), std::nullopt);
    EXPECT_EQ(cheie.CitesteText(QStringLiteral("Numar")), std::nullopt);
    EXPECT_EQ(cheie.Tip(QStringLiteral("Lipsa")), TCheieRegistru::TipValoare::Lipsa);
    EXPECT_TRUE(Continut().contains(QStringLiteral("\"Numar\"=dword:fffffffb"))) << Continut();
}

TEST_F(RegistruTemporar, DeschidereaCreeazaCheia) {
    { TCheieRegistru cheie(Cheie); }
    EXPECT_TRUE(Continut().contains(QStringLiteral("[Software\\Test\\Cheie]"))) << Continut();
    TCheieRegistru cheie(Cheie);
    EXPECT_TRUE(cheie.ExistaCheia());
}

TEST_F(RegistruTemporar, FisierDeterioratNuEsteSuprascris) {
    const QByteArray deteriorat = "[Software\\Test\\Cheie]\n\"Text\"=\"neinchis\n";
    {
        QFile f(Fisier());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(deteriorat);
    }
    EXPECT_NE(MesajulErorii([&] { TCheieRegistru cheie(Cheie); }), QString());
    EXPECT_NE(MesajulErorii([] { TInfoGlobal2005 info; }), QString());
    QFile f(Fisier());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), deteriorat);
}

// A settings class with a parent, every kind of property, and a name that hides the parent's.
struct Valori {
    qint32 intreg = 0, enumerare = 0, multime = 0;
    qint64 int64 = 0;
    QString text, textParinte, ascuns;
    double real = 1.5;
};

template <class M> TProprietatePersistenta P(const char* nume, TipProprietate tip, M Valori::*camp);

class ObiectTest final : public TQebRegistryClass {
public:
    ObiectTest()
        : TQebRegistryClass(Cheie) {
        Incarca();
    }
    ~ObiectTest() override { Salveaza(); }
    const TClasaPersistenta& Clasa() const override;
    Valori v;
};

template <class M>
TProprietatePersistenta P(const char* nume, TipProprietate tip, M Valori::*camp) {
    return {QString::fromLatin1(nume), tip,
            [camp](const TQebRegistryClass& o) {
                return QVariant::fromValue(static_cast<const ObiectTest&>(o).v.*camp);
            },
            [camp](TQebRegistryClass& o, const QVariant& x) {
                static_cast<ObiectTest&>(o).v.*camp = x.value<M>();
            }};
}

const TClasaPersistenta Parinte{QStringLiteral("TParinte"),
                                nullptr,
                                {P("zParinte", TipProprietate::String, &Valori::textParinte),
                                 P("ascuns", TipProprietate::Integer, &Valori::intreg)}};
const TClasaPersistenta Copil{QStringLiteral("TCopil"),
                              &Parinte,
                              {P("Intreg", TipProprietate::Integer, &Valori::intreg),
                               P("Enumerare", TipProprietate::Enumeration, &Valori::enumerare),
                               P("multime", TipProprietate::Set, &Valori::multime),
                               P("Int64", TipProprietate::Int64, &Valori::int64),
                               P("Text", TipProprietate::WString, &Valori::text),
                               P("ASCUNS", TipProprietate::LString, &Valori::ascuns),
                               P("Real", TipProprietate::Float, &Valori::real)}};
const TClasaPersistenta& ObiectTest::Clasa() const {
    return Copil;
}

TEST_F(RegistruTemporar, ShellSorteazaFaraMajusculeSiFaraDubluri) {
    ObiectTest o;
    TQebRTTIShell shell(o);
    QStringList nume;
    for (int i = 0; i < shell.Count(); ++i)
        nume << shell.PropName(i);
    EXPECT_EQ(nume, (QStringList{"ASCUNS", "Enumerare", "Int64", "Intreg", "multime", "Real",
                                 "Text", "zParinte"}));
    EXPECT_EQ(shell.PropKind(0), TipProprietate::LString); // the class's own wins
    shell.SetValue(6, QStringLiteral("x"));
    EXPECT_EQ(o.v.text, QStringLiteral("x"));
    EXPECT_EQ(shell.GetValue(6).toString(), QStringLiteral("x"));
}

TEST_F(RegistruTemporar, IncarcaSiSalveazaDupaTip) {
    {
        ObiectTest o;
        o.v.intreg = 7;
        o.v.enumerare = 2;
        o.v.multime = 0x05;
        o.v.int64 = (qint64(1) << 32) + 3; // cut to 32 bits
        o.v.text = QStringLiteral("ţară");
        o.v.real = 9.5;
    }
    {
        TCheieRegistru cheie(Cheie);
        EXPECT_EQ(cheie.CitesteNumar(QStringLiteral("Intreg")), 7);
        EXPECT_EQ(cheie.CitesteNumar(QStringLiteral("Enumerare")), 2);
        EXPECT_EQ(cheie.CitesteNumar(QStringLiteral("multime")), 5);
        EXPECT_EQ(cheie.CitesteNumar(QStringLiteral("Int64")), 3);
        EXPECT_EQ(cheie.CitesteText(QStringLiteral("Text")), QStringLiteral("ţară"));
        EXPECT_EQ(cheie.CitesteText(QStringLiteral("zParinte")), QString()); // written though empty
        EXPECT_EQ(cheie.Tip(QStringLiteral("Real")), TCheieRegistru::TipValoare::Lipsa);
        // Values of the other type: converted when clean, else ignored.
        cheie.ScrieText(QStringLiteral("Intreg"), QStringLiteral(" 12 "));
        cheie.ScrieText(QStringLiteral("Enumerare"), QStringLiteral("doi"));
        cheie.ScrieNumar(QStringLiteral("Text"), 33);
    }
    ObiectTest o;
    EXPECT_EQ(o.v.intreg, 12);
    EXPECT_EQ(o.v.enumerare, 0);
    EXPECT_EQ(o.v.text, QStringLiteral("33"));
    EXPECT_EQ(o.v.real, 1.5);
}

TEST_F(RegistruTemporar, InfoGlobalScrieToateCeleSapteValori) {
    { TInfoGlobal2005 info; }
    {
        TCheieRegistru cheie(QStringLiteral("Software\\Tirvana\\Florandi\\2009\\Global"));
        for (const char* nume : {"SufixFete", "SufixBaieti", "NotaDiploma", "MedieDiploma",
                                 "NotaCotor", "MedieCotor", "ScriuCuLitereMari"})
            EXPECT_EQ(cheie.CitesteText(QString::fromLatin1(nume)), QString()) << nume;
    }
    // The one destroyed last wins for every property.
    auto primul = std::make_unique<TInfoGlobal2005>();
    auto alDoilea = std::make_unique<TInfoGlobal2005>();
    primul->NotaDiploma = FormatNota::Nota;
    alDoilea->SufixFete = QStringLiteral("dra");
    alDoilea.reset();
    primul.reset();
    TInfoGlobal2005 info;
    EXPECT_EQ(info.NotaDiploma, FormatNota::Nota);
    EXPECT_EQ(info.SufixFete, QString());
}
} // namespace

#include "settings/EditorConfigGlobal.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace {
QString Valoare(const char* nume) {
    return TCheieRegistru(TInfoGlobal2005::CaleCheieGlobal())
        .CitesteText(QString::fromLatin1(nume))
        .value_or(QStringLiteral("<lipsa>"));
}

TEST_F(RegistruTemporar, FereastraScrieImpliciteleLaCreare) {
    {
        TEditorConfigGlobal fereastra;
        EXPECT_EQ(fereastra.windowTitle(), QStringLiteral("Editor informatii globale"));
        EXPECT_EQ(fereastra.SufixFete->currentText(), QStringLiteral("dra"));
        EXPECT_EQ(fereastra.SufixBaieti->currentText(), QStringLiteral("domnul"));
        EXPECT_TRUE(fereastra.LitereMari->isChecked());
        EXPECT_EQ(fereastra.NotaDiploma->currentText(), QStringLiteral("NOTA/LITERE"));
        EXPECT_EQ(fereastra.MedieCotor->currentText(), QStringLiteral("NOTA(PROCENT)"));
        EXPECT_FALSE(fereastra.Pagini->tabBar()->isTabVisible(0));
        EXPECT_EQ(fereastra.Pagini->currentIndex(), 1);
    }
    // Created and closed without "Ok": only the four formats were given values.
    EXPECT_EQ(Valoare("NotaDiploma"), QStringLiteral("NOTA/LITERE"));
    EXPECT_EQ(Valoare("MedieDiploma"), QStringLiteral("NOTA/LITERE"));
    EXPECT_EQ(Valoare("NotaCotor"), QStringLiteral("NOTA(PROCENT)"));
    EXPECT_EQ(Valoare("MedieCotor"), QStringLiteral("NOTA(PROCENT)"));
    EXPECT_EQ(Valoare("SufixFete"), QString());
    EXPECT_EQ(Valoare("SufixBaieti"), QString());
    EXPECT_EQ(Valoare("ScriuCuLitereMari"), QString());

    TEditorConfigGlobal fereastra;
    for (QPushButton* buton : fereastra.findChildren<QPushButton*>())
        if (buton->text() == u"Ok")
            buton->click();
    EXPECT_EQ(fereastra.result(), QDialog::Accepted);
    EXPECT_EQ(Valoare("SufixFete"), QStringLiteral("dra"));
    EXPECT_EQ(Valoare("SufixBaieti"), QStringLiteral("domnul"));
    EXPECT_EQ(Valoare("ScriuCuLitereMari"), QStringLiteral("1"));
}

TEST_F(RegistruTemporar, FereastraArataCeEsteScris) {
    {
        TInfoGlobal2005 info;
        info.NotaDiploma = QStringLiteral("NOTA");
        info.MedieDiploma = QStringLiteral("NECUNOSCUT");
        info.ScriuCuLitereMari = QStringLiteral("0");
        info.SufixFete = QStringLiteral("doamna");
    }
    TEditorConfigGlobal fereastra;
    EXPECT_EQ(fereastra.NotaDiploma->currentIndex(), 0);
    EXPECT_EQ(fereastra.MedieDiploma->currentIndex(), -1);
    EXPECT_TRUE(fereastra.LitereMici->isChecked());
    EXPECT_EQ(fereastra.SufixFete->currentText(), QStringLiteral("doamna"));
    fereastra.NotaCotor->setCurrentIndex(3);
    fereastra.LitereMari->setChecked(true);
    for (QPushButton* buton : fereastra.findChildren<QPushButton*>())
        if (buton->text() == u"Ok")
            buton->click();
    EXPECT_EQ(Valoare("NotaDiploma"), QStringLiteral("NOTA"));
    EXPECT_EQ(Valoare("MedieDiploma"), QStringLiteral("NECUNOSCUT"));
    EXPECT_EQ(Valoare("NotaCotor"), QStringLiteral("NOTA/LITERE"));
    EXPECT_EQ(Valoare("ScriuCuLitereMari"), QStringLiteral("1"));
}

TEST_F(RegistruTemporar, FereastraAnulataNuScrieSufixele) {
    {
        TEditorConfigGlobal fereastra;
        fereastra.SufixFete->setCurrentText(QStringLiteral("domnisoara"));
        for (QPushButton* buton : fereastra.findChildren<QPushButton*>())
            if (buton->text() == u"Renunt")
                buton->click();
        EXPECT_EQ(fereastra.result(), QDialog::Rejected);
    }
    EXPECT_EQ(Valoare("SufixFete"), QString());
}
} // namespace
