// Times certaliv-pdf on a database of many students with every field filled: the whole run and
// the time per certificate. Usage: bench_certaliv_pdf [STUDENTS]
#include "../tests/DateCertificat.h"
#include "app/cil/PluginuriCIL.h"
#include "store/DM.h"
#include "util/DosarProgram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicatie(argc, argv);
    const int elevi = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir dosar;
    for (const char* nume : {"BLANK.FDB", "CIL2009.binprof", "CIL.bin", "certaliv-pdf"})
        QFile::copy(QStringLiteral(CERTALIV_DIR_PROGRAM "/") + QString::fromLatin1(nume),
                    dosar.filePath(QString::fromLatin1(nume)));
    InregistreazaPluginuriCIL();
    SeteazaDosarProgram(dosar.path());
    {
        TDM dm;
        const int scoala = AdaugaScoala(ScoalaCompleta());
        for (int i = 0; i < elevi; ++i)
            AdaugaElev(ElevComplet(QStringLiteral("19405121%1").arg(i, 5, 10, QChar(u'0')),
                                   QStringLiteral("ELEVUL%1").arg(i)),
                       scoala);
    }
    QElapsedTimer ceas;
    ceas.start();
    QProcess proces;
    proces.start(dosar.filePath(QStringLiteral("certaliv-pdf")),
                 {dosar.filePath(QStringLiteral("toti.pdf"))});
    proces.waitForFinished(-1);
    const double totalMs = double(ceas.nsecsElapsed()) / 1e6;
    if (proces.exitCode() != 0) {
        std::fprintf(stderr, "certaliv-pdf failed: %s\n",
                     proces.readAllStandardError().constData());
        return 1;
    }
    std::printf("certaliv-pdf, %d students: total %.0f ms, %.2f ms per certificate (goal <= 50), "
                "PDF %lld KiB\n",
                elevi, totalMs, totalMs / elevi,
                QFile(dosar.filePath(QStringLiteral("toti.pdf"))).size() / 1024);
    return 0;
}
