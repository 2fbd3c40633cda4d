#pragma once

#include <memory>

class TCertalivMain;
class TDM;

// The long-lived objects of a run, destroyed in the reverse order of their creation: the data
// module outlives every window.
struct TProgram {
    TProgram();
    ~TProgram();

    std::unique_ptr<TDM> DM;
    std::unique_ptr<TCertalivMain> FereastraPrincipala;
};

// Creates the long-lived objects in start-up order. The registries must be filled and the
// application object made before. An error propagates: the program cannot run without them;
// TIesireProgram carries the exit code when the user was already told why.
std::unique_ptr<TProgram> CreeazaProgramul();
