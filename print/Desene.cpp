#include "print/Desene.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {
constexpr int LatimeCoala = 677;
constexpr int InaltimeCoala = 1073;

QSize Marime(DesenTest desen) {
    switch (desen) {
    case DesenTest::Coala:
        return {677, 1073};
    case DesenTest::SageataConturata:
        return {344, 661};
    case DesenTest::SageataHasurata:
        return {253, 584};
    case DesenTest::Linii:
        return {452, 736};
    }
    return {};
}

// An arrow pointing up filling the rectangle: a head of 40 % of the height over a shaft of
// half the width.
QPolygonF Sageata(const QRectF& r) {
    const double cap = r.height() * 0.4;
    const double tija = r.width() / 4;
    const double mijloc = r.center().x();
    return QPolygonF({{mijloc, r.top()},
                      {r.right(), r.top() + cap},
                      {mijloc + tija, r.top() + cap},
                      {mijloc + tija, r.bottom()},
                      {mijloc - tija, r.bottom()},
                      {mijloc - tija, r.top() + cap},
                      {r.left(), r.top() + cap}});
}

void DeseneazaInDreptunghi(QPainter& p, DesenTest desen, const QRectF& r) {
    const double grosime = std::max(1.0, r.width() / 100);
    p.setPen(QPen(Qt::black, grosime));
    p.setBrush(Qt::NoBrush);
    switch (desen) {
    case DesenTest::Coala:
        p.drawRect(r.adjusted(grosime / 2, grosime / 2, -grosime / 2, -grosime / 2));
        break;
    case DesenTest::SageataConturata:
        p.drawPolygon(Sageata(r));
        break;
    case DesenTest::SageataHasurata: {
        QBrush hasura(Qt::black, Qt::BDiagPattern);
        // The hatch scales with the page so that it shows on paper as on screen.
        hasura.setTransform(QTransform::fromScale(grosime * 3, grosime * 3));
        p.setBrush(hasura);
        p.drawPolygon(Sageata(r));
        break;
    }
    case DesenTest::Linii:
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        break;
    }
}

QPixmap Panza(QSize marime) {
    QPixmap panza(marime);
    panza.fill(Qt::white);
    return panza;
}

void Foaie(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(QColor(250, 248, 240));
    p.drawRect(r);
}
} // namespace

QRectF DreptunghiDesenTest(DesenTest desen) {
    const QSize m = Marime(desen);
    return QRectF((LatimeCoala - m.width()) / 2, (InaltimeCoala - m.height()) / 2, m.width(),
                  m.height());
}

void DeseneazaPaginaTest(QPainter& pictor, DesenTest desen, int latime, int inaltime) {
    const QSize m = Marime(desen);
    const int x0 = int(double(latime) * ((LatimeCoala - m.width()) / 2) / LatimeCoala);
    const int y0 = int(double(inaltime) * ((InaltimeCoala - m.height()) / 2) / InaltimeCoala);
    const double w = double(latime) * m.width() / LatimeCoala;
    const double h = double(inaltime) * m.height() / InaltimeCoala;
    const QRectF r(QPointF(x0, y0), QPointF(int(x0 + w), int(y0 + h)));
    pictor.save();
    pictor.setRenderHint(QPainter::Antialiasing);
    DeseneazaInDreptunghi(pictor, desen, r);
    pictor.restore();
}

QPixmap DesenAlimentare(int mod, QSize marime) {
    QPixmap panza = Panza(marime);
    QPainter p(&panza);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = marime.width(), h = marime.height();
    // The printer seen from its side: its front faces left.
    const QRectF corp(w * 0.15, h * 0.45, w * 0.7, h * 0.35);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(corp, 6, 6);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(corp.left() + w * 0.05, corp.top() + h * 0.08, w * 0.12, h * 0.04));
    QPen hartie(QColor(30, 80, 200), 3);
    p.setPen(hartie);
    p.setBrush(Qt::NoBrush);
    QPainterPath drum;
    switch (mod) {
    case 1: // from a tray at the back, paper enters from above
        drum.moveTo(w * 0.8, h * 0.05);
        drum.lineTo(w * 0.7, h * 0.5);
        drum.lineTo(w * 0.1, h * 0.6);
        break;
    case 2: // from a tray at the front, turned inside, out at the front again
        drum.moveTo(w * 0.02, h * 0.75);
        drum.lineTo(w * 0.6, h * 0.75);
        drum.quadTo(w * 0.8, h * 0.65, w * 0.6, h * 0.55);
        drum.lineTo(w * 0.02, h * 0.55);
        break;
    default: // an internal cassette, out on top
        drum.moveTo(w * 0.3, h * 0.78);
        drum.lineTo(w * 0.75, h * 0.78);
        drum.quadTo(w * 0.9, h * 0.62, w * 0.7, h * 0.48);
        drum.lineTo(w * 0.3, h * 0.42);
        break;
    }
    p.drawPath(drum);
    // Which way up the blank goes: the arrow drawn on the sheet.
    if (mod == 3 || mod == 4) {
        p.drawPixmap(QRectF(w * 0.02, h * 0.05, w * 0.25, h * 0.3).toRect(),
                     DesenSageata(mod == 4, QSize(int(w * 0.25), int(h * 0.3))));
    }
    return panza;
}

QPixmap DesenSageata(bool inSus, QSize marime) {
    QPixmap panza(marime);
    panza.fill(Qt::transparent);
    QPainter p(&panza);
    p.setRenderHint(QPainter::Antialiasing);
    if (!inSus) {
        p.translate(marime.width(), marime.height());
        p.rotate(180);
    }
    p.setPen(QPen(Qt::darkRed, 1));
    p.setBrush(Qt::red);
    p.drawPolygon(Sageata(QRectF(2, 2, marime.width() - 4, marime.height() - 4)));
    return panza;
}

QPixmap DesenLinii(bool orizontalaSus, bool verticalaStanga, QSize marime) {
    QPixmap panza = Panza(marime);
    QPainter p(&panza);
    const QRectF foaie(4, 4, marime.width() - 8, marime.height() - 8);
    Foaie(p, foaie);
    p.setPen(QPen(Qt::black, 3));
    const double y = orizontalaSus ? foaie.top() + 8 : foaie.bottom() - 8;
    const double x = verticalaStanga ? foaie.left() + 8 : foaie.right() - 8;
    p.drawLine(QPointF(foaie.left() + 8, y), QPointF(foaie.right() - 8, y));
    p.drawLine(QPointF(x, foaie.top() + 8), QPointF(x, foaie.bottom() - 8));
    return panza;
}

QPixmap DesenDiploma(bool fata, bool intoarsa, QSize marime) {
    QPixmap panza = Panza(marime);
    QPainter p(&panza);
    p.setRenderHint(QPainter::Antialiasing);
    if (intoarsa) {
        p.translate(marime.width(), marime.height());
        p.rotate(180);
    }
    const double w = marime.width(), h = marime.height();
    const QRectF foaie(6, 6, w - 12, h - 12);
    Foaie(p, foaie);
    if (fata) {
        // The printed face: the coat of arms and heading at the top, lines of text below.
        p.setPen(QPen(QColor(120, 90, 30), 2));
        p.drawRect(foaie.adjusted(8, 8, -8, -8));
        p.setBrush(QColor(200, 170, 80));
        p.drawEllipse(QPointF(w / 2, h * 0.14), w * 0.07, w * 0.07);
        p.setPen(QPen(Qt::black, 3));
        p.drawLine(QPointF(w * 0.25, h * 0.26), QPointF(w * 0.75, h * 0.26));
        p.setPen(QPen(Qt::gray, 1.5));
        for (int i = 0; i < 9; ++i) {
            const double y = h * (0.36 + i * 0.06);
            p.drawLine(QPointF(w * 0.18, y), QPointF(w * (i % 3 == 2 ? 0.6 : 0.82), y));
        }
    } else {
        // The back: blank but for the faint mark of the stub.
        p.setPen(QPen(QColor(200, 200, 200), 1, Qt::DashLine));
        p.drawLine(QPointF(foaie.left(), h * 0.2), QPointF(foaie.right(), h * 0.2));
        p.setPen(QColor(170, 170, 170));
        p.drawText(foaie, Qt::AlignCenter, QStringLiteral("verso"));
    }
    return panza;
}
