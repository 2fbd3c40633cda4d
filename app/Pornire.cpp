#include "app/Pornire.h"

#include "app/CertalivMain.h"
#include "store/DM.h"

TProgram::TProgram() = default;
TProgram::~TProgram() = default;

std::unique_ptr<TProgram> CreeazaProgramul() {
    auto program = std::make_unique<TProgram>();
    program->DM = std::make_unique<TDM>();
    program->FereastraPrincipala = std::make_unique<TCertalivMain>();
    return program;
}
