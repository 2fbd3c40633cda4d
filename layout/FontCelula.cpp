#include "layout/FontCelula.h"

#include <QFontMetricsF>
#include <QPaintDevice>

namespace {
QFont FontDeBaza(const QString& fata, bool bold, bool italic) {
    QFont font(fata);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}
} // namespace

TFontCelula FontCuCelula(const QString& fata, int celulaPx, bool bold, bool italic,
                         const QPaintDevice* dispozitiv) {
    // At a large size the rounding of the face's metrics to whole pixels is negligible.
    constexpr int EmReferinta = 2048;
    QFont referinta = FontDeBaza(fata, bold, italic);
    referinta.setPixelSize(EmReferinta);
    const QFontMetricsF masura(referinta);
    const double urcarePeEm = masura.ascent() / EmReferinta;
    const double coborarePeEm = masura.descent() / EmReferinta;

    const double emPx = celulaPx / (urcarePeEm + coborarePeEm);
    const double dpi = dispozitiv ? dispozitiv->logicalDpiY() : 96.0;
    TFontCelula rezultat;
    rezultat.Font = FontDeBaza(fata, bold, italic);
    rezultat.Font.setPointSizeF(emPx * 72.0 / dpi);
    rezultat.Urcare = emPx * urcarePeEm;
    rezultat.Coborare = emPx * coborarePeEm;
    return rezultat;
}
