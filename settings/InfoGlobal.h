#pragma once

#include "settings/ObiectRegistru.h"

// How grades are worded and the forms of address, per user. Loaded when created, stored when
// destroyed; two objects alive at once do not see each other, the last one destroyed wins.
class TInfoGlobal2005 final : public TQebRegistryClass {
public:
    TInfoGlobal2005();
    ~TInfoGlobal2005() override;

    const TClasaPersistenta& Clasa() const override;
    static const TClasaPersistenta& ClasaStatica();
    static QString CaleCheieGlobal();

    QString SufixFete;
    QString SufixBaieti;
    QString NotaDiploma;
    QString MedieDiploma;
    QString NotaCotor;
    QString MedieCotor;
    QString ScriuCuLitereMari;
};

// The four grade wording formats, in the order the settings window offers them.
namespace FormatNota {
inline const QString Nota = QStringLiteral("NOTA");
inline const QString NotaProcent = QStringLiteral("NOTA(PROCENT)");
inline const QString NotaSlashProcent = QStringLiteral("NOTA/PROCENT");
inline const QString NotaLitere = QStringLiteral("NOTA/LITERE");
} // namespace FormatNota
