#include "profile/Registru.h"

#include "profile/ProfilDiploma.h"
#include "profile/Tabele.h"
#include "util/Eroare.h"

namespace {
const TClasaProfilDiploma*& SlotProfil() {
    static const TClasaProfilDiploma* clasa = nullptr;
    return clasa;
}
const TClasaTabele*& SlotTabele() {
    static const TClasaTabele* clasa = nullptr;
    return clasa;
}
} // namespace

void InregistreazaProfil(const TClasaProfilDiploma& clasa) {
    if (SlotProfil())
        throw Eroare(QStringLiteral("Am inregistrat deja un profil de diploma: ") +
                     SlotProfil()->NumeClasa());
    SlotProfil() = &clasa;
}

void InregistreazaTabele(const TClasaTabele& clasa) {
    if (SlotTabele())
        throw Eroare(QStringLiteral("Am inregistrat deja o lista de tabele: ") +
                     SlotTabele()->NumeClasa());
    SlotTabele() = &clasa;
}

const TClasaProfilDiploma* ClasaProfil() {
    return SlotProfil();
}
const TClasaTabele* ClasaTabele() {
    return SlotTabele();
}
