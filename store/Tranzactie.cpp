#include "store/Tranzactie.h"

#include "store/Interogare.h"
#include "util/Eroare.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QtDebug>

TTranzactie::TTranzactie(QString numeConexiune)
    : numeConexiune_(std::move(numeConexiune)) {
}

TTranzactie::~TTranzactie() {
    if (activa_)
        Anuleaza();
}

void TTranzactie::Porneste() {
    if (activa_)
        throw Eroare(QStringLiteral("Tranzactia este deja activa"));
    QSqlDatabase conexiune = QSqlDatabase::database(numeConexiune_, false);
    if (!conexiune.transaction())
        throw Eroare(MesajSql(conexiune.lastError()));
    activa_ = true;
    ++numar_;
    ++generatie_;
}

void TTranzactie::Confirma() {
    QSqlDatabase conexiune = QSqlDatabase::database(numeConexiune_, false);
    // A commit that fails leaves the transaction active; the guard then rolls it back.
    if (!conexiune.commit())
        throw Eroare(MesajSql(conexiune.lastError()));
    activa_ = false;
}

void TTranzactie::Anuleaza() noexcept {
    QSqlDatabase conexiune = QSqlDatabase::database(numeConexiune_, false);
    if (!conexiune.rollback())
        qWarning() << "rollback:" << MesajSql(conexiune.lastError());
    activa_ = false;
}

TCitire::TCitire(TTranzactie& tranzactie)
    : tranzactie_(tranzactie)
    , aPornit_(!tranzactie.Activa()) {
    if (aPornit_)
        tranzactie_.Porneste();
}

TCitire::~TCitire() {
    if (aPornit_ && tranzactie_.Activa())
        tranzactie_.Anuleaza();
}

TScriere::TScriere(TTranzactie& tranzactie)
    : tranzactie_(tranzactie) {
    tranzactie_.Porneste();
}

TScriere::~TScriere() {
    if (!confirmata_ && tranzactie_.Activa())
        tranzactie_.Anuleaza();
}

void TScriere::Confirma() {
    tranzactie_.Confirma();
    confirmata_ = true;
}
