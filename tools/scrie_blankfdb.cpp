// Writes the blank database BLANK.FDB from its readable schema: creates the file through the
// Firebird client library (the Qt driver cannot run CREATE DATABASE), then runs each statement
// of the schema in a transaction of its own. "--" starts a comment; ";" ends a statement.
// Usage: scrie_blankfdb SCHEMA.sql OUTPUT.FDB

#include "store/Firebird.h"
#include "util/Eroare.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <ibase.h>
#include <vector>

namespace {
struct TInstructiune {
    QString Sql;
    int Rand = 0;
};

// Splits the schema into statements; quoted texts and names may hold ";" and "--".
std::vector<TInstructiune> Instructiuni(const QString& schema) {
    std::vector<TInstructiune> instructiuni;
    TInstructiune curenta;
    QChar ghilimea;
    int rand = 1;
    for (qsizetype i = 0; i < schema.size(); ++i) {
        const QChar c = schema[i];
        if (!ghilimea.isNull()) {
            if (c == ghilimea)
                ghilimea = QChar();
        } else if (c == u'-' && i + 1 < schema.size() && schema[i + 1] == u'-') {
            while (i < schema.size() && schema[i] != u'\n')
                ++i;
            ++rand;
            curenta.Sql += u'\n';
            continue;
        } else if (c == u'\'' || c == u'"') {
            ghilimea = c;
        } else if (c == u';') {
            if (!curenta.Sql.trimmed().isEmpty())
                instructiuni.push_back({curenta.Sql.trimmed(), curenta.Rand});
            curenta = {};
            continue;
        }
        if (curenta.Sql.trimmed().isEmpty() && !c.isSpace())
            curenta.Rand = rand;
        curenta.Sql += c;
        if (c == u'\n')
            ++rand;
    }
    if (!ghilimea.isNull())
        throw Eroare(QStringLiteral("ghilimele neinchise la sfarsitul schemei"));
    if (!curenta.Sql.trimmed().isEmpty())
        throw Eroare(QStringLiteral("randul %1: instructiune fara \";\"").arg(curenta.Rand));
    return instructiuni;
}

QString MesajFirebird(const ISC_STATUS* stare) {
    QString mesaj;
    char text[512];
    const ISC_STATUS* cursor = stare;
    while (fb_interpret(text, sizeof text, &cursor)) {
        if (!mesaj.isEmpty())
            mesaj += QStringLiteral(" - ");
        mesaj += QString::fromUtf8(text);
    }
    return mesaj;
}

class TBazaNoua {
public:
    explicit TBazaNoua(const QString& cale) {
        const QByteArray sql = "CREATE DATABASE '" + cale.toUtf8() +
                               "' USER 'sysdba' PASSWORD 'gildpanes' PAGE_SIZE 8192 "
                               "DEFAULT CHARACTER SET UTF8";
        isc_tr_handle tranzactie = 0;
        if (isc_dsql_execute_immediate(stare_, &baza_, &tranzactie, 0, sql.constData(),
                                       SQL_DIALECT_V6, nullptr))
            throw Eroare(QStringLiteral("CREATE DATABASE: ") + MesajFirebird(stare_));
    }
    ~TBazaNoua() {
        if (baza_)
            isc_detach_database(stare_, &baza_);
    }

    void Executa(const TInstructiune& instructiune) {
        const QByteArray sql = instructiune.Sql.toUtf8();
        isc_tr_handle tranzactie = 0;
        if (!isc_start_transaction(stare_, &tranzactie, 1, &baza_, 0, nullptr) &&
            !isc_dsql_execute_immediate(stare_, &baza_, &tranzactie, 0, sql.constData(),
                                        SQL_DIALECT_V6, nullptr) &&
            !isc_commit_transaction(stare_, &tranzactie))
            return;
        const QString mesaj = MesajFirebird(stare_);
        if (tranzactie)
            isc_rollback_transaction(stare_, &tranzactie);
        throw Eroare(QStringLiteral("randul %1: %2").arg(instructiune.Rand).arg(mesaj));
    }

    void Inchide() {
        if (isc_detach_database(stare_, &baza_))
            throw Eroare(MesajFirebird(stare_));
    }

private:
    ISC_STATUS_ARRAY stare_{};
    isc_db_handle baza_ = 0;
};
} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicatie(argc, argv);
    const QStringList argumente = aplicatie.arguments();
    if (argumente.size() != 3) {
        std::fprintf(stderr, "folosire: scrie_blankfdb SCHEMA.sql IESIRE.FDB\n");
        return 2;
    }
    const QString iesire = QFileInfo(argumente[2]).absoluteFilePath();
    try {
        QFile fisier(argumente[1]);
        if (!fisier.open(QIODevice::ReadOnly | QIODevice::Text))
            throw Eroare(
                QStringLiteral("Nu pot deschide %1: %2").arg(argumente[1], fisier.errorString()));
        const std::vector<TInstructiune> instructiuni =
            Instructiuni(QString::fromUtf8(fisier.readAll()));

        PregatesteFirebird();
        QFile::remove(iesire);
        TBazaNoua baza(iesire);
        for (const TInstructiune& instructiune : instructiuni)
            baza.Executa(instructiune);
        baza.Inchide();
    } catch (const Eroare& e) {
        QFile::remove(iesire);
        std::fprintf(stderr, "%s: %s\n", qPrintable(argumente[1]), qPrintable(e.Mesaj()));
        return 1;
    }
    return 0;
}
