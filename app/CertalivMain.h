#pragma once

#include <QMainWindow>

// The main window: its menu and the student list live here.
class TCertalivMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TCertalivMain(QWidget* parent = nullptr);
};
