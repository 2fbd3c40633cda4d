#include "util/Eroare.h"

Eroare::Eroare(QString mesaj)
    : mesaj_(std::move(mesaj))
    , utf8_(mesaj_.toUtf8()) {
}

QString MesajExceptie(const std::exception& e) {
    if (auto* eroare = dynamic_cast<const Eroare*>(&e))
        return eroare->Mesaj();
    return QString::fromUtf8(e.what());
}
