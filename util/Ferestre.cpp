#include "util/Ferestre.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {
// A window sized to the work area is maximised as soon as it is shown, if that happens within
// this long; a window that stays hidden longer is left alone.
constexpr int renuntaDupaMs = 30000;
const char* const numeObservator = "MaximizeazaLaAfisare";

// Watches on the GUI thread for the window to become visible; no other thread touches widgets.
class TMaximizeazaLaAfisare : public QObject {
public:
    explicit TMaximizeazaLaAfisare(QWidget* fereastra)
        : QObject(fereastra)
        , fereastra_(fereastra) {
        setObjectName(QLatin1String(numeObservator));
        fereastra->installEventFilter(this);
        QTimer::singleShot(renuntaDupaMs, this, &QObject::deleteLater);
        if (fereastra->isVisible())
            QTimer::singleShot(0, this, &TMaximizeazaLaAfisare::Maximizeaza);
    }

    bool eventFilter(QObject* obiect, QEvent* eveniment) override {
        // Maximised after the show has run its course, not in the middle of it.
        if (obiect == fereastra_ && eveniment->type() == QEvent::Show)
            QTimer::singleShot(0, this, &TMaximizeazaLaAfisare::Maximizeaza);
        return false;
    }

private:
    void Maximizeaza() {
        if (fereastra_ && fereastra_->isVisible()) {
            fereastra_->setWindowState(fereastra_->windowState() | Qt::WindowMaximized);
            deleteLater();
        }
    }

    QPointer<QWidget> fereastra_;
};

QScreen* EcranulDeLucru() {
    if (QScreen* ecran = QGuiApplication::screenAt(QCursor::pos()))
        return ecran;
    if (QScreen* ecran = QGuiApplication::primaryScreen())
        return ecran;
    const QList<QScreen*> ecrane = QGuiApplication::screens();
    return ecrane.isEmpty() ? nullptr : ecrane.first();
}
} // namespace

QRect GeometrieCentrata(const QRect& zonaLucru, const QRect& fereastra) {
    // Integer division truncates toward zero, as the halves must.
    int stanga = zonaLucru.left() + (zonaLucru.width() - fereastra.width()) / 2;
    int sus = zonaLucru.top() + (zonaLucru.height() - fereastra.height()) / 2;
    stanga = std::max(stanga, zonaLucru.left());
    sus = std::max(sus, zonaLucru.top());
    return QRect(QPoint(stanga, sus), fereastra.size());
}

bool TrebuieUmplut(const QRect& zonaLucru, const QRect& fereastra) {
    return fereastra.width() > zonaLucru.width() - 12 &&
           fereastra.height() > zonaLucru.height() - 12;
}

std::optional<QRect> GeometrieUmplere(const QRect& ecran, const QRect& zonaLucru) {
    if (ecran.height() >= 1200 && ecran.width() >= ecran.height())
        return std::nullopt;
    return zonaLucru.adjusted(15, 15, -15, -15);
}

void CentreazaFereastra(QWidget* fereastra, bool poateMaximiza) {
    QScreen* ecran = EcranulDeLucru();
    if (!fereastra || !ecran)
        return;
    const QRect zonaLucru = ecran->availableGeometry();
    const QRect cadru = fereastra->frameGeometry();
    if (poateMaximiza && TrebuieUmplut(zonaLucru, cadru)) {
        UmpleEcranul(fereastra);
        return;
    }
    // move() places the frame, so the frame's size is the one centred.
    fereastra->move(GeometrieCentrata(zonaLucru, cadru).topLeft());
}

void UmpleEcranul(QWidget* fereastra) {
    QScreen* ecran = EcranulDeLucru();
    if (!fereastra || !ecran)
        return;
    if (const std::optional<QRect> umplere =
            GeometrieUmplere(ecran->geometry(), ecran->availableGeometry())) {
        // The target is the outer size; the frame's margins come off the client area.
        const QSize margini = fereastra->frameGeometry().size() - fereastra->geometry().size();
        fereastra->resize(umplere->size() - margini);
        fereastra->move(umplere->topLeft());
        const auto vechi = fereastra->findChildren<QObject*>(QLatin1String(numeObservator),
                                                             Qt::FindDirectChildrenOnly);
        qDeleteAll(vechi);
        new TMaximizeazaLaAfisare(fereastra);
    }
    CentreazaFereastra(fereastra, false);
}
