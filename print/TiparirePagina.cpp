#include "print/TiparirePagina.h"

#include "layout/FormularDePrintat.h"
#include "layout/FormularTextArea.h"
#include "layout/MasuriDispozitiv.h"
#include "util/Eroare.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

TDocumentTiparit::TDocumentTiparit(QPrinter& imprimanta)
    : imprimanta_(imprimanta) {
    imprimanta_.setFullPage(true);
    if (!pictor_.begin(&imprimanta_))
        throw Eroare(QStringLiteral("Nu pot incepe tiparirea pe \"%1\".")
                         .arg(imprimanta_.outputFileName().isEmpty()
                                  ? imprimanta_.printerName()
                                  : imprimanta_.outputFileName()));
}

TDocumentTiparit::~TDocumentTiparit() {
    pictor_.end();
}

void TDocumentTiparit::Pagina(const TFormularDePrintat& pagina, bool roteste, double stangaMm,
                              double susMm) {
    if (pagini_++ > 0 && !imprimanta_.newPage())
        throw Eroare(QStringLiteral("Nu pot incepe o pagina noua la tiparire."));
    pagina.Tipareste(pictor_, MasuriImprimanta(imprimanta_), roteste, DirectorModificari(),
                     stangaMm, susMm);
}

void TiparestePagina(const TFormularDePrintat& pagina, QPrinter& imprimanta, bool roteste,
                     double stangaMm, double susMm) {
    TDocumentTiparit document(imprimanta);
    document.Pagina(pagina, roteste, stangaMm, susMm);
}

void PregatestePdf(QPrinter& pdf, const QString& fisier) {
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(fisier);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setFullPage(true);
}

void ScriePdfIntreg(const QString& fisier, const std::function<void(QPrinter&)>& tipareste) {
    const QFileInfo info(fisier);
    if (!info.absoluteDir().exists())
        throw Eroare(
            QStringLiteral("Nu pot scrie fisierul \"%1\": dosarul nu exista.").arg(fisier));
    const QString temporar =
        info.absoluteDir().filePath(QStringLiteral(".%1.partial").arg(info.fileName()));
    struct Curatenie {
        const QString& cale;
        bool pastreaza = false;
        ~Curatenie() {
            if (!pastreaza)
                QFile::remove(cale);
        }
    } curatenie{temporar};
    {
        QPrinter pdf(QPrinter::HighResolution);
        PregatestePdf(pdf, temporar);
        tipareste(pdf);
    }
    QFile scris(temporar);
    if (!scris.exists() || scris.size() == 0)
        throw Eroare(QStringLiteral("Nu pot scrie fisierul \"%1\".").arg(fisier));
    if (QFile::exists(fisier) && !QFile::remove(fisier))
        throw Eroare(QStringLiteral("Nu pot inlocui fisierul \"%1\".").arg(fisier));
    if (!QFile::rename(temporar, fisier))
        throw Eroare(QStringLiteral("Nu pot scrie fisierul \"%1\".").arg(fisier));
}
