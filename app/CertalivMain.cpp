#include "app/CertalivMain.h"

TCertalivMain::TCertalivMain(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("CertalivMain"));
    setWindowTitle(QStringLiteral("Certaliv"));
}
