#pragma once

#include <memory>

class TCertalivMain;

// The long-lived objects of a run, destroyed in the reverse order of their creation.
struct TProgram {
    TProgram();
    ~TProgram();

    std::unique_ptr<TCertalivMain> FereastraPrincipala;
};

// Creates the long-lived objects in start-up order. The registries must be filled and the
// application object made before. An error propagates: the program cannot run without them.
std::unique_ptr<TProgram> CreeazaProgramul();
