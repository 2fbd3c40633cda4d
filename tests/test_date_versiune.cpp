#include "Ajutor.h"
#include "util/DateText.h"
#include "util/Versiune.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace {
TEST(DateText, CeleTreiForme) {
    const struct {
        QDate data;
        const char *lung, *ziLuna, *ziLunaAn;
    } cazuri[] = {
        {QDate(2009, 3, 5), "5 martie 2009", "05/03", "05/03/09"},
        {QDate(2010, 12, 31), "31 decembrie 2010", "31/12", "31/12/10"},
        {QDate(1999, 1, 1), "1 ianuarie 1999", "01/01", "01/01/99"},
        {QDate(2000, 8, 15), "15 august 2000", "15/08", "15/08/00"},
        // A year of fewer than four digits is padded with "?" before its last two are taken.
        {QDate(987, 6, 7), "7 iunie 987", "07/06", "07/06/7?"},
    };
    for (const auto& caz : cazuri) {
        EXPECT_EQ(DataCuLunaInLitere(caz.data), QString::fromUtf8(caz.lung));
        EXPECT_EQ(ZiSiLuna(caz.data), QString::fromUtf8(caz.ziLuna));
        EXPECT_EQ(ZiLunaSiAn(caz.data), QString::fromUtf8(caz.ziLunaAn));
    }
    EXPECT_EQ(DataCuLunaInLitere(QDate()), QString());
    EXPECT_EQ(ZiLunaSiAn(QDate()), QString());
}

// Puts a version in place of the build's for one test.
class VersiuneInlocuita {
public:
    explicit VersiuneInlocuita(const QString& v)
        : anterior_(SeteazaVersiuneaProgramului(v)) {}
    ~VersiuneInlocuita() { SeteazaVersiuneaProgramului(anterior_); }

private:
    QString anterior_;
};

TEST(Versiune, ProgramulAreVersiuneaDinBuildInPatruParti) {
    const QString versiune = VersiuneProgram();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$"))
                    .match(versiune)
                    .hasMatch())
        << versiune;
    const TCEVersionInfo info;
    EXPECT_EQ(info.FileVersion(), versiune);
    EXPECT_EQ(info.ProductVersion(), versiune);
    EXPECT_EQ(info.OriginalFilename(),
              QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

TEST(Versiune, ImpartireaVersiunii) {
    const struct {
        const char* versiune;
        const char *major, *minor, *release, *build;
    } cazuri[] = {
        {"2.3.4.5", "2", "3", "4", "5"},
        {"2, 3, 4, 5", "2", "3", "4", "5"},
        {"1.2", "1", "2", "0", "0"},
        {"1.2.3.4.5", "1", "2", "3", "4.5"},
        {"7", "<info not available>", "<info not available>", "<info not available>",
         "<info not available>"},
    };
    for (const auto& caz : cazuri) {
        const VersiuneInlocuita v(QString::fromUtf8(caz.versiune));
        const TCEVersionInfo info;
        EXPECT_EQ(info.MajorVersion(), QString::fromUtf8(caz.major)) << caz.versiune;
        EXPECT_EQ(info.MinorVersion(), QString::fromUtf8(caz.minor)) << caz.versiune;
        EXPECT_EQ(info.Release(), QString::fromUtf8(caz.release)) << caz.versiune;
        EXPECT_EQ(info.Build(), QString::fromUtf8(caz.build)) << caz.versiune;
        EXPECT_EQ(info.FileVersion(), QString::fromUtf8(caz.versiune));
    }
}

void FaraVersiune(const TCEVersionInfo& info) {
    const QString lipsa = QStringLiteral("<info not available>");
    for (const QString& text :
         {info.CompanyName(), info.FileDescription(), info.FileVersion(), info.InternalName(),
          info.LegalCopyright(), info.LegalTradeMarks(), info.OriginalFilename(),
          info.ProductName(), info.ProductVersion(), info.Comments(), info.MajorVersion(),
          info.MinorVersion(), info.Release(), info.Build()})
        EXPECT_EQ(text, lipsa);
}

TEST(Versiune, FaraVersiuneTotulEsteIndisponibil) {
    {
        const VersiuneInlocuita v{QString()};
        FaraVersiune(TCEVersionInfo());
        EXPECT_EQ(VersiuneProgram(), QStringLiteral("<info not available>.<info not available>."
                                                    "<info not available>.<info not available>"));
    }
    // Another file carries no version, and neither does a missing one.
    QTemporaryFile altFisier;
    ASSERT_TRUE(altFisier.open());
    FaraVersiune(TCEVersionInfo(altFisier.fileName()));
    FaraVersiune(TCEVersionInfo(QStringLiteral("/nu/exista")));
    FaraVersiune(TCEVersionInfo(QString()));

    // The same object can be read again for the program.
    TCEVersionInfo info(altFisier.fileName());
    info.GetInfo(QCoreApplication::applicationFilePath());
    EXPECT_EQ(info.FileVersion(), VersiuneProgram());
}
} // namespace
