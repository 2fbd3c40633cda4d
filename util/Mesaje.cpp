#include "util/Mesaje.h"

#include <QApplication>

namespace {
FunctieMesaj& MesajeInlocuite() {
    static FunctieMesaj functie;
    return functie;
}
} // namespace

QMessageBox::StandardButton ArataMesaj(QWidget* parinte, QMessageBox::Icon icon,
                                       const QString& text, QMessageBox::StandardButtons butoane) {
    if (MesajeInlocuite())
        return MesajeInlocuite()(parinte, icon, text, butoane);
    QMessageBox cutie(icon, QApplication::applicationDisplayName(), text, butoane, parinte);
    return QMessageBox::StandardButton(cutie.exec());
}

bool IntreabaDaNu(QWidget* parinte, const QString& text) {
    return ArataMesaj(parinte, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

FunctieMesaj InlocuiesteMesaje(FunctieMesaj functie) {
    return std::exchange(MesajeInlocuite(), std::move(functie));
}
