#include "Ajutor.h"
#include "DateCertificat.h"
#include "app/cil/PluginuriCIL.h"
#include "profile/Registru.h"
#include "store/DM.h"
#include "util/DosarProgram.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
// A program folder with the command-line tool beside its data, and a database holding a school
// and three students.
class CertalivPdf : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* nume : {"BLANK.FDB", "CIL2009.binprof", "CIL.bin", "certaliv-pdf"})
            ASSERT_TRUE(
                QFile::copy(QStringLiteral(CERTALIV_DIR_PROGRAM "/") + QString::fromLatin1(nume),
                            dosar.filePath(QString::fromLatin1(nume))))
                << nume;
        if (!ClasaProfil())
            InregistreazaPluginuriCIL();
        SeteazaDosarProgram(dosar.path());
        DeschideBaza();
        const int scoala = AdaugaScoala(ScoalaCompleta());
        for (const char* cnp : {"1940512123456", "2950101123457", "1960202123458"})
            AdaugaElev(ElevComplet(QString::fromLatin1(cnp), QStringLiteral("ELEV")), scoala);
        dm.reset();
    }
    void TearDown() override {
        dm.reset();
        SeteazaDosarProgram(QString());
    }
    void DeschideBaza() { dm = std::make_unique<TDM>(); }

    struct Rezultat {
        int cod;
        QString eroare;
    };
    Rezultat Ruleaza(const QStringList& argumente) {
        QProcess proces;
        proces.start(dosar.filePath(QStringLiteral("certaliv-pdf")), argumente);
        proces.waitForFinished(120000);
        return {proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1,
                QString::fromUtf8(proces.readAllStandardError())};
    }
    static int Pagini(const QString& pdf) {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished();
        for (const QString& rand : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n'))
            if (rand.startsWith(QStringLiteral("Pages:")))
                return rand.mid(6).trimmed().toInt();
        return -1;
    }

    QTemporaryDir dosar;
    std::unique_ptr<TDM> dm;
};

TEST_F(CertalivPdf, OPaginaPentruFiecareElev) {
    const QString iesire = dosar.filePath(QStringLiteral("toti.pdf"));
    const Rezultat toti = Ruleaza({iesire});
    ASSERT_EQ(toti.cod, 0) << toti.eroare;
    EXPECT_EQ(Pagini(iesire), 3);

    const QString doi = dosar.filePath(QStringLiteral("doi.pdf"));
    const Rezultat alesi =
        Ruleaza({QStringLiteral("--cnp"), QStringLiteral("1960202123458"), QStringLiteral("--cnp"),
                 QStringLiteral("1940512123456"), QStringLiteral("--margins"),
                 QStringLiteral("1.5,0"), QStringLiteral("--rotate"), doi});
    ASSERT_EQ(alesi.cod, 0) << alesi.eroare;
    EXPECT_EQ(Pagini(doi), 2);
}

TEST_F(CertalivPdf, EroriFaraFisierPartial) {
    const QString iesire = dosar.filePath(QStringLiteral("x.pdf"));
    const struct {
        QStringList argumente;
        const char* mesaj;
    } cazuri[] = {
        {{QStringLiteral("--cnp"), QStringLiteral("1111111111111"), iesire}, "1111111111111"},
        {{QStringLiteral("--margins"), QStringLiteral("1.5"), iesire}, "--margins"},
        {{QStringLiteral("--margins"), QStringLiteral("a,0"), iesire}, "--margins"},
        {{dosar.filePath(QStringLiteral("lipsa/x.pdf"))}, "lipsa"},
    };
    for (const auto& caz : cazuri) {
        const Rezultat r = Ruleaza(caz.argumente);
        EXPECT_EQ(r.cod, 1) << caz.mesaj;
        EXPECT_TRUE(r.eroare.contains(QString::fromLatin1(caz.mesaj))) << r.eroare;
        EXPECT_EQ(r.eroare.trimmed().count(u'\n'), 0) << r.eroare;
        EXPECT_FALSE(QFile::exists(iesire));
    }
    EXPECT_EQ(QDir(dosar.path())
                  .entryList({QStringLiteral("*.partial")}, QDir::Hidden | QDir::Files)
                  .size(),
              0);
}

TEST_F(CertalivPdf, BazaDeschisaDeProgram) {
    DeschideBaza();
    const QString iesire = dosar.filePath(QStringLiteral("x.pdf"));
    const Rezultat r = Ruleaza({iesire});
    EXPECT_EQ(r.cod, 1);
    EXPECT_TRUE(r.eroare.contains(QStringLiteral("este deschisa"))) << r.eroare;
    EXPECT_FALSE(QFile::exists(iesire));
}
} // namespace
