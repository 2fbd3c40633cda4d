#include "ProgramTemporar.h"

#include "app/cil/PluginuriCIL.h"
#include "profile/Registru.h"
#include "store/DM.h"
#include "store/Interogare.h"
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

void TProgramTemporar::Executa(const QStringList& sql) {
    TScriere scriere(dm_->Tr());
    for (const QString& comanda : sql)
        TInterogare(comanda).Executa();
    scriere.Confirma();
}

std::vector<QVariantList> TProgramTemporar::Randuri(const QString& sql, int coloane) {
    TCitire citire(dm_->Tr());
    TInterogare interogare(sql);
    interogare.Executa();
    std::vector<QVariantList> randuri;
    while (interogare.Urmator()) {
        QVariantList rand;
        for (int i = 0; i < coloane; ++i)
            rand << interogare.Valoare(i);
        randuri.push_back(rand);
    }
    return randuri;
}

QVariant TProgramTemporar::Valoare(const QString& sql) {
    const std::vector<QVariantList> randuri = Randuri(sql);
    if (randuri.empty() || randuri.front().isEmpty())
        return {};
    return randuri.front().front();
}
