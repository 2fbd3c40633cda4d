#include "app/Pornire.h"

#include "app/CertalivMain.h"
#include "print/Imprimanta.h"
#include "print/InsertPaper.h"
#include "print/PrintWiz.h"
#include "print/Template.h"
#include "settings/EditorConfigGlobal.h"
#include "store/DM.h"

TProgram::TProgram() = default;

TProgram::~TProgram() {
    FereastraPrincipala.reset();
    // The printer goes before the application object does.
    ElibereazaImprimantaCurenta();
}

std::unique_ptr<TProgram> CreeazaProgramul() {
    auto program = std::make_unique<TProgram>();
    program->DM = std::make_unique<TDM>();
    program->FereastraPrincipala = std::make_unique<TCertalivMain>();
    // Hidden windows owned by the main window. The print jobs use this paper prompt; making
    // the settings window stores the default grade formats at every start.
    QWidget* principala = program->FereastraPrincipala.get();
    InsertPaperForm(principala);
    new TPrintWiz(principala);
    new TTemplate(principala);
    new TEditorConfigGlobal(principala);
    return program;
}
