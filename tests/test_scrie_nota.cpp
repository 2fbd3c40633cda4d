#include "Ajutor.h"
#include "layout/FormularTextArea.h"
#include "print/ScrieNota.h"
#include "settings/InfoGlobal.h"
#include "settings/RegistruUtilizator.h"

#include <QTemporaryDir>

namespace {
class ScriereNota : public ::testing::Test {
protected:
    void SetUp() override {
        SeteazaFisierRegistru(dosar.filePath(QStringLiteral("registru.reg")));
        for (TFormularTextArea* zona : {&sus, &jos}) {
            zona->SeteazaLeftMm(10);
            zona->SeteazaWidthMm(40);
            zona->SeteazaHeightMm(4);
        }
        sus.SeteazaTopMm(20);
        jos.SeteazaTopMm(26);
        parinte.show();
    }
    void TearDown() override { SeteazaFisierRegistru(QString()); }
    static void Configureaza(const QString& format, const QString& mari,
                             const char* fel = "NotaDiploma") {
        TInfoGlobal2005 info;
        info.NotaDiploma = info.NotaCotor = info.MedieDiploma = info.MedieCotor =
            QStringLiteral("NOTA");
        const QString f = QString::fromLatin1(fel);
        (f == u"NotaDiploma"  ? info.NotaDiploma
         : f == u"NotaCotor"  ? info.NotaCotor
         : f == u"MedieCotor" ? info.MedieCotor
                              : info.MedieDiploma) = format;
        info.ScriuCuLitereMari = mari;
    }

    QTemporaryDir dosar;
    QWidget parinte;
    TFormularTextArea sus{&parinte};
    TFormularTextArea jos{&parinte};
};

TEST_F(ScriereNota, FormateleSiLiterele) {
    const struct {
        const char* format;
        const char* mari;
        std::optional<int> nota;
        const char *textSus, *textJos;
        bool josVizibil;
        double topSus;
    } cazuri[] = {
        {"NOTA/LITERE", "1", 963, "9,63", "(NOUĂ, ŞAIZECIŞITREI)", true, 20},
        {"NOTA/LITERE", "0", 963, "9,63", "(nouă, şaizecişitrei)", true, 20},
        {"NOTA/PROCENT", "1", 963, "9,63", "(NOUĂ, 63%)", true, 20},
        {"NOTA(PROCENT)", "0", 963, "9,63 (nouă, 63%)", " ", false, 23},
        {"NOTA", "0", 1000, "10,00", " ", false, 23},
        {"ALTCEVA", "0", 500, "5,00", " ", false, 23},
        {"NOTA/LITERE", "1", std::nullopt, "----", " ", true, 20},
        {"NOTA(PROCENT)", "1", std::nullopt, "----", " ", false, 23},
    };
    for (const auto& caz : cazuri) {
        Configureaza(QString::fromUtf8(caz.format), QString::fromLatin1(caz.mari));
        ScrieNota(&sus, &jos, caz.nota, NotaDiploma);
        EXPECT_EQ(sus.Text(), QString::fromUtf8(caz.textSus)) << caz.format;
        EXPECT_EQ(jos.Text(), QString::fromUtf8(caz.textJos)) << caz.format;
        EXPECT_EQ(jos.isVisible(), caz.josVizibil) << caz.format;
        EXPECT_DOUBLE_EQ(sus.TopMm(), caz.topSus) << caz.format;
    }
}

TEST_F(ScriereNota, FelulAlegeSetarea) {
    const struct {
        const char* setare;
        int fel;
    } cazuri[] = {{"NotaDiploma", 0},
                  {"NotaCotor", 1},
                  {"MedieDiploma", 2},
                  {"MedieCotor", 3},
                  {"MedieDiploma", 7}};
    for (const auto& caz : cazuri) {
        Configureaza(QStringLiteral("NOTA(PROCENT)"), QStringLiteral("0"), caz.setare);
        ScrieNota(&sus, &jos, 963, caz.fel);
        EXPECT_EQ(sus.Text(), QStringLiteral("9,63 (nouă, 63%)")) << caz.fel;
    }
}

TEST_F(ScriereNota, OSinguraZona) {
    // Two lines wanted, one area given: one line with the percentage words.
    Configureaza(QStringLiteral("NOTA/LITERE"), QStringLiteral("0"));
    ScrieNota(&sus, nullptr, 963, NotaDiploma);
    EXPECT_EQ(sus.Text(), QStringLiteral("9,63 (nouă, 63%)"));
    EXPECT_DOUBLE_EQ(sus.TopMm(), 20);
    // Only a lower area: written as if it were the upper one.
    ScrieNota(nullptr, &jos, 750, NotaDiploma);
    EXPECT_EQ(jos.Text(), QStringLiteral("7,50 (şapte, 50%)"));
}
} // namespace
