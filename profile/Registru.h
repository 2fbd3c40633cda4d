#pragma once

class TClasaProfilDiploma;
class TClasaTabele;

// The slots through which a certificate plugs its profile and table catalogue into the generic
// core. Filled once before anything else runs; a second registration is refused.
void InregistreazaProfil(const TClasaProfilDiploma& clasa);
void InregistreazaTabele(const TClasaTabele& clasa);

// The registered classes, or nullptr while the slot is empty.
const TClasaProfilDiploma* ClasaProfil();
const TClasaTabele* ClasaTabele();
