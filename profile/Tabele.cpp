#include "profile/Tabele.h"

void TListaLiniiTabel::AdaugaTabel(const QString& nume, const QString& expDenumire) {
    linii_.push_back({nume, expDenumire});
}

std::unique_ptr<TListaLiniiTabel> TClasaTabele::Create() const {
    return std::make_unique<TListaLiniiTabel>();
}
