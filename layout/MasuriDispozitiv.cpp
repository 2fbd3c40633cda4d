#include "layout/MasuriDispozitiv.h"

#include <QPageLayout>
#include <QPrinter>

TMasuriDispozitiv MasuriImprimanta(const QPrinter& imprimanta) {
    const int dpi = imprimanta.resolution();
    const QPageLayout pagina = imprimanta.pageLayout();
    const QRect foaie = pagina.fullRectPixels(dpi);

    // The hardware margins bound the printable area, whatever margins the job asked for.
    QPageLayout minim = pagina;
    minim.setMode(QPageLayout::StandardMode);
    minim.setMargins(pagina.minimumMargins());
    const QRect tiparibil = minim.paintRectPixels(dpi);

    TMasuriDispozitiv m;
    m.LatimeFizica = foaie.width();
    m.InaltimeFizica = foaie.height();
    m.DecalajFizicX = tiparibil.left();
    m.DecalajFizicY = tiparibil.top();
    m.LatimeTiparibila = tiparibil.width();
    m.InaltimeTiparibila = tiparibil.height();
    // Exact millimetres: whole millimetres would stretch every position by up to a few tenths
    // of a percent.
    m.LatimeTiparibilaMm = tiparibil.width() * 25.4 / dpi;
    m.InaltimeTiparibilaMm = tiparibil.height() * 25.4 / dpi;
    m.OriginePictor = imprimanta.fullPage() ? QPoint(0, 0) : pagina.paintRectPixels(dpi).topLeft();
    return m;
}

QRect OglindesteOrizontal(const QRect& r, const TMasuriDispozitiv& masuri) {
    const int stanga = masuri.LatimeFizica - (r.left() + r.width()) - 2 * masuri.DecalajFizicX;
    return {stanga, r.top(), r.width(), r.height()};
}

QRect OglindesteVertical(const QRect& r, const TMasuriDispozitiv& masuri) {
    const int sus = masuri.InaltimeFizica - (r.top() + r.height()) - 2 * masuri.DecalajFizicY;
    return {r.left(), sus, r.width(), r.height()};
}
