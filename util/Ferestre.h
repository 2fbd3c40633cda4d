#pragma once

#include <QRect>
#include <optional>

class QWidget;

// Windows are placed on the screen under the mouse cursor, inside its available geometry (the
// work area, without panels and task bars).

// Centres the window on the work area; a window larger than the work area sits at its top-left
// corner. With poateMaximiza a window that nearly covers the work area fills it instead.
void CentreazaFereastra(QWidget* fereastra, bool poateMaximiza);

// Sizes the window to the work area less 15 pixels on each side and maximises it once it is
// shown; on a screen 1200 pixels high or more (and not portrait) it is only centred.
void UmpleEcranul(QWidget* fereastra);

// The geometry computations behind the two routines, on plain rectangles.
QRect GeometrieCentrata(const QRect& zonaLucru, const QRect& fereastra);
bool TrebuieUmplut(const QRect& zonaLucru, const QRect& fereastra); // for poateMaximiza
// The geometry that fills the work area; none when the screen is large enough to only centre.
std::optional<QRect> GeometrieUmplere(const QRect& ecran, const QRect& zonaLucru);
