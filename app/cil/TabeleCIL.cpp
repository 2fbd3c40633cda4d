#include "app/cil/TabeleCIL.h"

TListaLiniiTabelCIL::TListaLiniiTabelCIL() {
    AdaugaTabel(QStringLiteral("ELEVI"), QString());
    AdaugaTabel(QStringLiteral("SCOALA"), QString());
}

std::unique_ptr<TListaLiniiTabel> TClasaTabeleCIL::Create() const {
    return std::make_unique<TListaLiniiTabelCIL>();
}

const TClasaTabeleCIL& ClasaTabeleCIL() {
    static const TClasaTabeleCIL clasa;
    return clasa;
}
