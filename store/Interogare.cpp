#include "store/Interogare.h"

#include "store/DM.h"
#include "util/Eroare.h"

#include <QSqlError>
#include <QSqlRecord>

QString MesajSql(const QSqlError& eroare) {
    if (!eroare.databaseText().isEmpty())
        return eroare.databaseText();
    return eroare.text();
}

namespace {
TTranzactie& TranzactiaActiva(const QString& sql) {
    TTranzactie& tranzactie = DM().Tr();
    if (!tranzactie.Activa())
        throw Eroare(QStringLiteral("Nici o tranzactie activa pentru: ") + sql);
    return tranzactie;
}
} // namespace

TInterogare::TInterogare(const QString& sql)
    : tranzactie_(TranzactiaActiva(sql))
    , sql_(sql)
    , interogare_(DM().Conexiune()) {
    interogare_.setForwardOnly(true);
    if (!interogare_.prepare(sql_))
        throw Eroare(MesajSql(interogare_.lastError()));
}

TInterogare& TInterogare::Param(const QString& nume, const QVariant& valoare) {
    const QString numeParametru = u':' + nume;
    if (valoare.typeId() == QMetaType::QString && valoare.toString().isNull())
        interogare_.bindValue(numeParametru, QString(QLatin1String("")));
    else
        interogare_.bindValue(numeParametru, valoare);
    return *this;
}

TInterogare& TInterogare::Executa() {
    if (!tranzactie_.Activa())
        throw Eroare(QStringLiteral("Nici o tranzactie activa pentru: ") + sql_);
    if (!interogare_.exec())
        throw Eroare(MesajSql(interogare_.lastError()));
    if (!interogare_.isSelect())
        tranzactie_.NoteazaScriere();
    return *this;
}

bool TInterogare::Urmator() {
    if (interogare_.next())
        return true;
    if (interogare_.lastError().isValid())
        throw Eroare(MesajSql(interogare_.lastError()));
    return false;
}

// The columns of a prepared statement never change: read once, after the first execution.
void TInterogare::CitesteColoanele() const {
    if (numarColoane_ >= 0 || !interogare_.isActive())
        return;
    const QSqlRecord rand = interogare_.record();
    numarColoane_ = rand.count();
    for (int i = numarColoane_ - 1; i >= 0; --i)
        coloane_.insert(rand.fieldName(i), i);
}

int TInterogare::NumarColoane() const {
    CitesteColoanele();
    return qMax(numarColoane_, 0);
}

int TInterogare::Coloana(const QString& nume) const {
    CitesteColoanele();
    const auto gasita = coloane_.constFind(nume);
    if (gasita == coloane_.constEnd())
        throw Eroare(QStringLiteral("Coloana %1 lipseste din: %2").arg(nume, sql_));
    return *gasita;
}
