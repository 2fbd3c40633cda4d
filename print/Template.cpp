#include "print/Template.h"

#include <QGuiApplication>
#include <QScreen>

void CentreazaPeZonaDeLucru(QWidget& fereastra) {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QRect zona = ecran->availableGeometry();
    const QSize marime = fereastra.frameGeometry().size();
    const int sus = zona.top() + (zona.height() - marime.height()) / 2;
    const int stanga = zona.left() + (zona.width() - marime.width()) / 2;
    fereastra.move(stanga, sus);
}

TTemplate::TTemplate(QWidget* parent)
    : QDialog(parent) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    CentreazaPeZonaDeLucru(*this);
}
