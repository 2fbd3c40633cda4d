// Loads and shows the student list for many students: IncarcaElevi (every display text built
// from the database) up to the first painted frame of the list. Usage: bench_lista_elevi [N]
#include "app/ListaElevi.h"
#include "app/cil/PluginuriCIL.h"
#include "entry/ListaGenerica.h"
#include "store/DM.h"
#include "store/Interogare.h"
#include "util/DosarProgram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicatie(argc, argv);
    const int elevi = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dosar;
    for (const char* nume : {"BLANK.FDB", "CIL2009.binprof"})
        QFile::copy(QStringLiteral(CERTALIV_DIR_PROGRAM "/") + QString::fromLatin1(nume),
                    dosar.filePath(QString::fromLatin1(nume)));
    InregistreazaPluginuriCIL();
    SeteazaDosarProgram(dosar.path());
    TDM dm;
    {
        // Every field the display text names, filled.
        TScriere scriere(DM().Tr());
        for (int i = 0; i < elevi; ++i) {
            const int id = InregistrareNoua(QStringLiteral("ELEVI"));
            const QString valori[][2] = {
                {QStringLiteral("C_NUME_L1"), QStringLiteral("POPESCU%1").arg(i)},
                {QStringLiteral("C_NUME_L2"), QStringLiteral("Ştefan-Ţuţu")},
                {QStringLiteral("C_CNP"), QStringLiteral("19405121%1").arg(i, 5, 10, QChar(u'0'))}};
            for (const auto& [camp, valoare] : valori)
                DM().ScrieValoare(QStringLiteral("CertificatAbsolvireCicluInfLiceu"),
                                  QStringLiteral("FATA"), camp, QStringLiteral("ELEVI"), id, -1,
                                  valoare, 256);
        }
        scriere.Confirma();
    }

    TListaElevi lista;
    lista.resize(900, 700);
    lista.show();
    QApplication::processEvents();
    QElapsedTimer ceas;
    ceas.start();
    lista.IncarcaElevi();
    const double incarcareMs = double(ceas.nsecsElapsed()) / 1e6;
    lista.VT->viewport()->repaint();
    const double totalMs = double(ceas.nsecsElapsed()) / 1e6;
    std::printf("student list, %d students: loaded in %.0f ms, first frame painted at %.0f ms "
                "(goal <= 1000 ms); %d rows shown\n",
                elevi, incarcareMs, totalMs, lista.VT->model()->rowCount());
    return 0;
}
