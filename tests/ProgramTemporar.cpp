#include "ProgramTemporar.h"

#include "app/cil/PluginuriCIL.h"
#include "profile/Registru.h"
#include "store/DM.h"
#include "util/DosarProgram.h"
#include "util/Eroare.h"

#include <QFile>

TProgramTemporar::TProgramTemporar() {
    if (!dosar_.isValid())
        throw Eroare(QStringLiteral("Nu pot crea dosarul temporar: ") + dosar_.errorString());
    for (const QString& nume : {QStringLiteral("BLANK.FDB"), QStringLiteral("CIL2009.binprof")}) {
        const QString sursa = QStringLiteral(CERTALIV_DIR_PROGRAM "/") + nume;
        if (!QFile::copy(sursa, dosar_.filePath(nume)))
            throw Eroare(QStringLiteral("Nu pot copia ") + sursa);
    }
    // Registration is once per process.
    if (!ClasaProfil())
        InregistreazaPluginuriCIL();
    SeteazaDosarProgram(dosar_.path() + u'/');
    dm_ = std::make_unique<TDM>();
}

TProgramTemporar::~TProgramTemporar() {
    dm_.reset();
    SeteazaDosarProgram(QString());
}
