#pragma once

#include <QPoint>
#include <QRect>

class QPrinter;

// The measures of a printing device that the millimetre geometry needs. Device units unless the
// name says Mm. Positions are computed relative to the printable area, as a printer driver
// reports them, and turned into painter coordinates only when drawing.
struct TMasuriDispozitiv {
    int LatimeFizica = 0;   // whole sheet
    int InaltimeFizica = 0; // whole sheet
    int DecalajFizicX = 0;  // printable area's left edge from the sheet's left edge
    int DecalajFizicY = 0;  // printable area's top edge from the sheet's top edge
    int LatimeTiparibila = 0;
    int InaltimeTiparibila = 0;
    double LatimeTiparibilaMm = 0.0;
    double InaltimeTiparibilaMm = 0.0;
    // Where the painter's origin lies, measured from the sheet's physical corner.
    QPoint OriginePictor;

    // A point relative to the printable area, in the painter's coordinates.
    QPoint InPictor(int xDispozitiv, int yDispozitiv) const {
        return {xDispozitiv + DecalajFizicX - OriginePictor.x(),
                yDispozitiv + DecalajFizicY - OriginePictor.y()};
    }
};

// The one place that reads a printer's measures. With full-page printing the painter's origin is
// the sheet's corner; otherwise it is the corner of the page's paint rectangle.
TMasuriDispozitiv MasuriImprimanta(const QPrinter& imprimanta);

// Mirror a rectangle in device units of the printable area about the centre line of the physical
// sheet (right and bottom exclusive, as printer drivers give rectangles); together the two turn
// it by 180 degrees.
QRect OglindesteOrizontal(const QRect& dreptunghi, const TMasuriDispozitiv& masuri);
QRect OglindesteVertical(const QRect& dreptunghi, const TMasuriDispozitiv& masuri);
