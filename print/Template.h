#pragma once

#include <QDialog>

// Centres a window on the primary screen's work area (top first, then left; halves truncated).
void CentreazaPeZonaDeLucru(QWidget& fereastra);

// The base window of print windows: Arial 12 pixels, centred on the work area when made.
class TTemplate : public QDialog {
    Q_OBJECT
public:
    explicit TTemplate(QWidget* parent = nullptr);
};
