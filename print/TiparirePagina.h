#pragma once

#include <functional>

class QPrinter;
class QString;
class TFormularDePrintat;

#include <QPainter>

// A print document on a printer's whole sheet (millimetres measured from the physical corner):
// begun when made, ended when destroyed, also when printing failed.
class TDocumentTiparit {
public:
    explicit TDocumentTiparit(QPrinter& imprimanta);
    ~TDocumentTiparit();
    TDocumentTiparit(const TDocumentTiparit&) = delete;
    TDocumentTiparit& operator=(const TDocumentTiparit&) = delete;

    // Prints a page on a sheet of its own.
    void Pagina(const TFormularDePrintat& pagina, bool roteste, double stangaMm, double susMm);

private:
    QPrinter& imprimanta_;
    QPainter pictor_;
    int pagini_ = 0;
};

// One page as one document.
void TiparestePagina(const TFormularDePrintat& pagina, QPrinter& imprimanta, bool roteste,
                     double stangaMm, double susMm);

// A PDF printer on an A4 landscape sheet with high resolution.
void PregatestePdf(QPrinter& pdf, const QString& fisier);

// Writes a PDF through `tipareste` into a temporary file beside `fisier` and puts it in place
// only when everything was written: a failure leaves no partial file and keeps an older one.
void ScriePdfIntreg(const QString& fisier, const std::function<void(QPrinter&)>& tipareste);
