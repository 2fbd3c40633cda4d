#pragma once

#include <QPixmap>
#include <QRectF>

class QPainter;

// The wizard's four test pictures share one canvas of 677 x 1073 units: the sheet's outline,
// an outlined arrow, a hatched arrow that fits inside it, and a pair of lines.
enum class DesenTest { Coala, SageataConturata, SageataHasurata, Linii };

// The picture's rectangle on the canvas (units of the 677 x 1073 sheet), centred.
QRectF DreptunghiDesenTest(DesenTest desen);
// Draws the picture on a page of `latime` x `inaltime` device units, scaled so that the sheet
// covers the page.
void DeseneazaPaginaTest(QPainter& pictor, DesenTest desen, int latime, int inaltime);

// How the printer takes paper, for the wizard's choices and the re-insertion pictures.
QPixmap DesenAlimentare(int modAlimentare, QSize marime);
// A red arrow pointing up or down.
QPixmap DesenSageata(bool inSus, QSize marime);
// The four answers of the line test: lines top/bottom and left/right.
QPixmap DesenLinii(bool orizontalaSus, bool verticalaStanga, QSize marime);
// A blank seen from the printer: front or back up, upright or turned by 180 degrees.
QPixmap DesenDiploma(bool fata, bool intoarsa, QSize marime);
