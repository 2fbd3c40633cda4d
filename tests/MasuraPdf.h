#pragma once

#include <QMarginsF>
#include <QString>
#include <functional>
#include <vector>

class QPainter;
struct TMasuriDispozitiv;

// One word of a PDF page as poppler reads it, in millimetres from the sheet's top-left corner.
struct TCuvantPdf {
    QString Text;
    double StangaMm = 0.0;
    double SusMm = 0.0;
    double DreaptaMm = 0.0;
    double JosMm = 0.0;

    double CentruXMm() const { return (StangaMm + DreaptaMm) / 2.0; }
    double InaltimeMm() const { return JosMm - SusMm; }
};

// Prints onto an A4 landscape PDF at `dpi`, the painter's origin at the sheet's corner or, with
// margins, at the corner of the page's margins.
void TiparestePdf(const QString& cale, int dpi,
                  const std::function<void(QPainter&, const TMasuriDispozitiv&)>& deseneaza,
                  const QMarginsF& marginiMm = QMarginsF());

// The words of the first page, read with `pdftotext -bbox`, independent of our code.
std::vector<TCuvantPdf> CuvintePdf(const QString& cale);
