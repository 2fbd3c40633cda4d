#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>
#include <vector>

class TDM;

// A program folder in a temporary directory holding the shipped BLANK.FDB and CIL2009.binprof,
// with the certificate's classes registered and the data module created on its own database
// there. One at a time: the data module is process-wide.
class TProgramTemporar {
public:
    TProgramTemporar();
    ~TProgramTemporar();
    TProgramTemporar(const TProgramTemporar&) = delete;
    TProgramTemporar& operator=(const TProgramTemporar&) = delete;

    QString Dosar() const { return dosar_.path(); }
    TDM& Dm() { return *dm_; }

    // Runs the statements in one committed transaction.
    void Executa(const QStringList& sql);
    // The first `coloane` columns of every row of a query, read in a transaction that is rolled
    // back.
    std::vector<QVariantList> Randuri(const QString& sql, int coloane = 1);
    // The first column of the first row of a query; an invalid QVariant when there is no row.
    QVariant Valoare(const QString& sql);

private:
    QTemporaryDir dosar_;
    std::unique_ptr<TDM> dm_;
};
