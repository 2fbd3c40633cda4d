#include "Ajutor.h"

MesajeInregistrate::MesajeInregistrate(QMessageBox::StandardButton raspuns) {
    anterior_ = InlocuiesteMesaje([this, raspuns](QWidget*, QMessageBox::Icon, const QString& text,
                                                  QMessageBox::StandardButtons) {
        Texte << text;
        return raspuns;
    });
}

MesajeInregistrate::~MesajeInregistrate() {
    InlocuiesteMesaje(std::move(anterior_));
}
