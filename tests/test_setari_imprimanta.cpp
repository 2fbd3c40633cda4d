#include "Ajutor.h"
#include "print/SetariImprimanta.h"
#include "settings/RegistruUtilizator.h"
#include "settings/TextCuVirgule.h"

#include <QLocale>
#include <QTemporaryDir>

namespace {
TEST(TextCuVirgule, ScrieSiCiteste) {
    const struct {
        QStringList elemente;
        const char* text;
    } cazuri[] = {
        {{"a", "b", "c"}, "a,b,c"},
        {{"HP LaserJet", "x,y", "z\"q"}, "\"HP LaserJet\",\"x,y\",\"z\"\"q\""},
        {{"", "a", ""}, ",a,"},
        {{"1,5"}, "\"1,5\""},
        {{}, ""},
    };
    for (const auto& caz : cazuri) {
        EXPECT_EQ(ScrieTextCuVirgule(caz.elemente), QString::fromUtf8(caz.text)) << caz.text;
        EXPECT_EQ(CitesteTextCuVirgule(QString::fromUtf8(caz.text)), caz.elemente) << caz.text;
    }
    // On reading, unquoted blanks separate like commas and blanks around commas vanish.
    EXPECT_EQ(CitesteTextCuVirgule(QStringLiteral("  a b , c,\"d e\"f")),
              (QStringList{"a", "b", "c", "d e", "f"}));
    EXPECT_EQ(CitesteTextCuVirgule(QStringLiteral("\"neinchis")), QStringList{"neinchis"});
}

class SetariImprimanta : public ::testing::Test {
protected:
    void SetUp() override {
        SeteazaFisierRegistru(dosar.filePath(QStringLiteral("registru.reg")));
        QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    }
    void TearDown() override {
        SeteazaFisierRegistru(QString());
        QLocale::setDefault(QLocale::c());
    }
    static void ScrieAll(const QString& all) {
        TCheieRegistru(TAllStuffReg::CaleCheie()).ScrieText(QStringLiteral("all"), all);
    }
    QTemporaryDir dosar;
};

TEST_F(SetariImprimanta, DupaConstructieSiInapoi) {
    {
        TAllStuffReg setari;
        EXPECT_FALSE(setari.Configurat);
        EXPECT_EQ(setari.ModAlimentare, 0);
        EXPECT_EQ(setari.Oglindesc(0), QStringLiteral("*"));
        EXPECT_EQ(setari.Oglindesc(1), QStringLiteral("*"));
        setari.Configurat = true;
        setari.PartiOpuse = true;
        setari.OglindaVerticala = true;
        setari.ModAlimentare = 3;
        setari.NumeImprimanta = QStringLiteral("HP LaserJet, \"birou\" 2");
        setari.IndexImprimanta = 4;
        setari.StangaFata = 1.5;
        setari.SusFata = -0.25;
        setari.SeteazaOglindesc(0, QStringLiteral("D"));
        setari.SeteazaOglindesc(7, QStringLiteral("N")); // no such page: ignored
    }
    {
        TCheieRegistru cheie(TAllStuffReg::CaleCheie());
        EXPECT_EQ(cheie.CitesteText(QStringLiteral("all")),
                  QStringLiteral("0,1,1,0,1,3,\"1,5\",\"-0,25\",0,0,\"HP LaserJet, "
                                 "\"\"birou\"\" 2\",4"));
        EXPECT_EQ(cheie.CitesteText(QStringLiteral("OglindescVerso")), QStringLiteral("*"));
    }
    TAllStuffReg setari;
    EXPECT_TRUE(setari.Configurat);
    EXPECT_TRUE(setari.PartiOpuse);
    EXPECT_FALSE(setari.OglindaOrizontala);
    EXPECT_TRUE(setari.OglindaVerticala);
    EXPECT_EQ(setari.ModAlimentare, 3);
    EXPECT_EQ(setari.NumeImprimanta, QStringLiteral("HP LaserJet, \"birou\" 2"));
    EXPECT_EQ(setari.IndexImprimanta, 4);
    EXPECT_EQ(setari.StangaFata, 1.5);
    EXPECT_EQ(setari.SusFata, -0.25);
    EXPECT_EQ(setari.Oglindesc(0), QStringLiteral("D"));
    EXPECT_EQ(setari.Oglindesc(2), QStringLiteral("*"));
}

TEST_F(SetariImprimanta, ValoriCareNuSeCitescOpresCrearea) {
    const struct {
        const char* all;
        const char* mesaj;
    } cazuri[] = {
        {"0,1,0,0,0,1,0,0,0,0,Imprimanta", "List index out of bounds (11)"},
        {"0,1,0,0,0,x,0,0,0,0,Imprimanta,0", "'x' is not a valid integer value"},
        // A margin written under another locale's decimal mark.
        {"0,1,0,0,0,1,1.5,0,0,0,Imprimanta,0", "'1.5' is not a valid floating point value"},
    };
    for (const auto& caz : cazuri) {
        ScrieAll(QString::fromUtf8(caz.all));
        EXPECT_EQ(MesajulErorii([] { TAllStuffReg setari; }), QString::fromUtf8(caz.mesaj));
        EXPECT_EQ(SetariCurente(), nullptr);
        // The failed read wrote nothing back.
        EXPECT_EQ(TCheieRegistru(TAllStuffReg::CaleCheie()).CitesteText(QStringLiteral("all")),
                  QString::fromUtf8(caz.all));
    }
}

TEST_F(SetariImprimanta, SetariCurente) {
    EXPECT_EQ(SetariCurente(), nullptr);
    auto primele = std::make_unique<TAllStuffReg>();
    EXPECT_EQ(SetariCurente(), primele.get());
    auto altele = std::make_unique<TAllStuffReg>();
    EXPECT_EQ(SetariCurente(), primele.get());
    primele.reset();
    EXPECT_EQ(SetariCurente(), nullptr);
}
} // namespace
