#pragma once

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

class QSqlError;
class TTranzactie;

// The text of a database error as the user reads it: the library's own message.
QString MesajSql(const QSqlError& eroare);

// One SQL statement on the data module's connection, prepared once and executed any number of
// times inside the active transaction; refused when no transaction is active. Parameters are
// bound by name (":NUME" in the text). Every failure is an Eroare with the library's message.
// Writes go through here so the per-transaction caches of the data module know of them.
class TInterogare {
public:
    explicit TInterogare(const QString& sql);
    TInterogare(const TInterogare&) = delete;
    TInterogare& operator=(const TInterogare&) = delete;

    // A null QString is bound as an empty text, never as NULL; a null QVariant binds NULL.
    TInterogare& Param(const QString& nume, const QVariant& valoare);
    TInterogare& Executa();
    bool Urmator();

    QVariant Valoare(int coloana) const { return interogare_.value(coloana); }
    QVariant Valoare(const QString& coloana) const { return interogare_.value(Coloana(coloana)); }
    // The column's text, empty for NULL.
    QString Text(const QString& coloana) const { return Valoare(coloana).toString(); }
    // The column's position in the rows; a name the statement does not return is an error.
    int Coloana(const QString& nume) const;
    int NumarColoane() const;

    const QString& Sql() const { return sql_; }

private:
    void CitesteColoanele() const;

    TTranzactie& tranzactie_;
    QString sql_;
    QSqlQuery interogare_;
    mutable int numarColoane_ = -1;
    mutable QHash<QString, int> coloane_;
};
