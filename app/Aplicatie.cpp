#include "app/Aplicatie.h"

#include "util/Eroare.h"
#include "util/Mesaje.h"

TAplicatie::TAplicatie(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Certaliv"));
    setApplicationDisplayName(QStringLiteral("Certaliv"));
    setApplicationVersion(QStringLiteral(CERTALIV_VERSIUNE));
}

bool TAplicatie::notify(QObject* destinatar, QEvent* eveniment) {
    try {
        return QApplication::notify(destinatar, eveniment);
    } catch (const std::exception& e) {
        AfiseazaEroare(e);
    }
    return false;
}

void AfiseazaEroare(const std::exception& e) {
    ArataMesaj(QApplication::activeWindow(), QMessageBox::Critical, MesajExceptie(e));
}
