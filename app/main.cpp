#include "app/Aplicatie.h"
#include "app/CertalivMain.h"
#include "app/Pornire.h"
#include "app/cil/PluginuriCIL.h"
#include "store/DM.h"
#include "util/Eroare.h"

#include <cstdio>

int main(int argc, char** argv) {
    // The certificate's classes are registered before anything else runs.
    try {
        InregistreazaPluginuriCIL();
    } catch (const std::exception& e) {
        TAplicatie aplicatie(argc, argv);
        AfiseazaEroare(e);
        return 1;
    }

    TAplicatie aplicatie(argc, argv);
    std::unique_ptr<TProgram> program;
    try {
        program = CreeazaProgramul();
    } catch (const TIesireProgram& iesire) {
        return iesire.Cod();
    } catch (const std::exception& e) {
        AfiseazaEroare(e);
        return 1;
    }
    program->FereastraPrincipala->show();
    return aplicatie.exec();
}
