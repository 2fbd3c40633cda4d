#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

// A font asked for by the height of its character cell (ascent + descent), as printer fonts
// are on the platforms the layouts were measured with, with the cell's parts in device units.
struct TFontCelula {
    QFont Font;
    double Urcare = 0.0;
    double Coborare = 0.0;
};

// The cell is `celulaPx` units of `dispozitiv`. The proportions come from the face's design, not
// from metrics rounded at the small size. Kerning is off: widths must not depend on letter pairs.
TFontCelula FontCuCelula(const QString& fata, int celulaPx, bool bold, bool italic,
                         const QPaintDevice* dispozitiv);
