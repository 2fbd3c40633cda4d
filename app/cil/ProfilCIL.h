#pragma once

#include "profile/ProfilDiploma.h"

// The certificate's profile: the base profile loaded from CIL2009.binprof beside the program.
class TListaLiniiProfilCIL : public TListaLiniiProfilDiploma {
public:
    TListaLiniiProfilCIL();
};

class TClasaProfilCIL : public TClasaProfilDiploma {
public:
    QString NumeClasa() const override { return QStringLiteral("TListaLiniiProfilCIL"); }
    std::unique_ptr<TListaLiniiProfilDiploma> Create() const override;
    QString NumeProfil() const override { return QStringLiteral("CIL2009"); }
    QString ListaCampuriElev() const override;
};

const TClasaProfilCIL& ClasaProfilCIL();
