// Times the certificate page: a zoom step (re-layout and repaint of the 78 areas over the blank's
// picture, off screen) and printing the filled page to PDF.
// Usage: bench_layout [FOLDER]  - with a folder, also leaves there the page at zoom 100 as
// pagina.png and the printed certificate as certificat.pdf, to be looked at.

#include "layout/FormularDePrintat.h"
#include "layout/FormularTextArea.h"
#include "layout/Macheta.h"
#include "layout/MasuriDispozitiv.h"
#include "util/DosarProgram.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
// Median milliseconds of `repetari` runs, after one warm-up run.
double Masoara(int repetari, const std::function<void()>& actiune) {
    actiune();
    std::vector<double> timpi;
    for (int i = 0; i < repetari; ++i) {
        QElapsedTimer ceas;
        ceas.start();
        actiune();
        timpi.push_back(ceas.nsecsElapsed() / 1e6);
    }
    std::sort(timpi.begin(), timpi.end());
    return timpi[timpi.size() / 2];
}

void TiparestePdf(const TFormularDePrintat& pagina, const QString& cale) {
    QPrinter imprimanta(QPrinter::HighResolution);
    imprimanta.setOutputFormat(QPrinter::PdfFormat);
    imprimanta.setOutputFileName(cale);
    imprimanta.setPageSize(QPageSize(QPageSize::A4));
    imprimanta.setPageOrientation(QPageLayout::Landscape);
    imprimanta.setFullPage(true);
    QPainter pictor(&imprimanta);
    pagina.Tipareste(pictor, MasuriImprimanta(imprimanta), false, DirectorModificari(), 0.0, 0.0);
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicatie(argc, argv);
    const QStringList argumente = aplicatie.arguments();
    SeteazaDosarProgram(QStringLiteral(CERTALIV_DIR_PROGRAM));

    QWidget fereastra;
    TFormularDePrintat* pagina =
        ConstruiesteMacheta(CitesteFisierMacheta(MachetaCertificatCIL), &fereastra);
    fereastra.show();

    QImage ecran;
    const auto deseneaza = [&] {
        if (ecran.size() != pagina->size())
            ecran = QImage(pagina->size(), QImage::Format_RGB32);
        pagina->render(&ecran);
    };
    const double pasZoomMs = Masoara(41, [&] {
        pagina->SeteazaZoom(pagina->Zoom() > 105.0 ? 100.0 : 110.0);
        deseneaza();
    });

    QTemporaryDir dosar;
    const QString pdf = dosar.filePath(QStringLiteral("certificat.pdf"));
    const double pdfMs = Masoara(21, [&] { TiparestePdf(*pagina, pdf); });

    std::printf("Pas de zoom (re-asezare si redesenare, 78 zone): %.2f ms (tinta <= 16 ms)\n",
                pasZoomMs);
    std::printf("Certificat cu 78 zone tiparit in PDF: %.2f ms (tinta <= 50 ms)\n", pdfMs);

    if (argumente.size() > 1) {
        const QDir iesire(argumente[1]);
        pagina->SeteazaZoom(100.0);
        deseneaza();
        ecran.save(iesire.filePath(QStringLiteral("pagina.png")));
        TiparestePdf(*pagina, iesire.filePath(QStringLiteral("certificat.pdf")));
    }
    return 0;
}
