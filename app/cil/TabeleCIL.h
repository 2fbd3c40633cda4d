#pragma once

#include "profile/Tabele.h"

// The certificate's record tables: the students, then the school.
class TListaLiniiTabelCIL : public TListaLiniiTabel {
public:
    TListaLiniiTabelCIL();
};

class TClasaTabeleCIL : public TClasaTabele {
public:
    QString NumeClasa() const override { return QStringLiteral("TListaLiniiTabelCIL"); }
    std::unique_ptr<TListaLiniiTabel> Create() const override;
};

const TClasaTabeleCIL& ClasaTabeleCIL();
