#include "app/cil/PluginuriCIL.h"

#include "app/cil/PrintCertificatForm.h"
#include "app/cil/ProfilCIL.h"
#include "app/cil/TabeleCIL.h"
#include "profile/Registru.h"

void InregistreazaPluginuriCIL() {
    InregistreazaProfil(ClasaProfilCIL());
    InregistreazaTabele(ClasaTabeleCIL());
    AdaugaHandler(ListaHandlere(), std::make_unique<THandlerCertificatCicluInferior>());
}
