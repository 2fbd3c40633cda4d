#pragma once

#include "AjutorStore.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class TDM;

// A program folder in a temporary directory holding the shipped BLANK.FDB and CIL2009.binprof,
// with the certificate's classes registered and the data module created on its own database
// there. One at a time: the data module is process-wide. Queries: the helpers of AjutorStore.h.
class TProgramTemporar {
public:
    TProgramTemporar();
    ~TProgramTemporar();
    TProgramTemporar(const TProgramTemporar&) = delete;
    TProgramTemporar& operator=(const TProgramTemporar&) = delete;

    QString Dosar() const { return dosar_.path(); }
    TDM& Dm() { return *dm_; }
    // The first column of the first row of a query.
    QVariant Valoare(const QString& sql) const { return Scalar(sql); }

private:
    QTemporaryDir dosar_;
    std::unique_ptr<TDM> dm_;
};

// Each statement committed in order.
inline void ExecutaToate(const QStringList& sql) {
    for (const QString& comanda : sql)
        ExecutaSiConfirma(comanda);
}
