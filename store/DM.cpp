#include "store/DM.h"

#include "profile/ProfilDiploma.h"
#include "profile/Registru.h"
#include "store/Firebird.h"
#include "store/Interogare.h"
#include "util/Cale.h"
#include "util/DosarProgram.h"
#include "util/Eroare.h"
#include "util/Mesaje.h"

#include <QDir>
#include <QFile>
#include <QSqlError>

namespace {
const QString NumeConexiune = QStringLiteral("DM");

TDM*& Publicat() {
    static TDM* dm = nullptr;
    return dm;
}

QString InDosar(const QString& dosar, const QString& nume) {
    return NormalizeazaCale(dosar + QDir::separator() + nume);
}
} // namespace

TDM::TConexiune::TConexiune()
    : Nume(NumeConexiune) {
    if (QSqlDatabase::contains(Nume))
        throw Eroare(QStringLiteral("Modulul de date exista deja"));
    // The engine reads its lock folder when it is loaded with the driver.
    PregatesteFirebird();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE")))
        throw Eroare(QStringLiteral("Lipseste driverul QIBASE al bazei de date Firebird"));
    QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), Nume);
}

TDM::TConexiune::~TConexiune() {
    QSqlDatabase::database(Nume, false).close();
    QSqlDatabase::removeDatabase(Nume);
}

TDM::TDM()
    : tranzactie_(conexiune_.Nume) {
    const TClasaProfilDiploma* profil = ClasaProfil();
    if (!profil)
        throw Eroare(QStringLiteral("NU ai definit profilul diplomei"));

    const QString dosarDB = InDosar(DosarProgram(), QStringLiteral("DB"));
    QDir().mkpath(dosarDB);
    caleBazaDeDate_ = InDosar(dosarDB, profil->NumeProfil() + QStringLiteral(".FDB"));

    if (!QFile::exists(caleBazaDeDate_)) {
        const QString caleBlank = InDosar(DosarProgram(), QStringLiteral("BLANK.FDB"));
        if (!QFile::exists(caleBlank)) {
            ArataMesaj(nullptr, QMessageBox::Warning,
                       QStringLiteral("Nu exista baza de date curenta si nu gasesc baza de date "
                                      "\"BLANK\" pentru initializare.\r\nDB Curent:") +
                           caleBazaDeDate_ + QStringLiteral("\r\nDB Blank:") + caleBlank);
            throw TIesireProgram(1);
        }
        // QFile::copy never overwrites; a failed copy shows as the connection's error.
        QFile::copy(caleBlank, caleBazaDeDate_);
    }

    QSqlDatabase conexiune = Conexiune();
    conexiune.setDatabaseName(caleBazaDeDate_);
    conexiune.setUserName(QStringLiteral("sysdba"));
    conexiune.setPassword(QStringLiteral("gildpanes"));
    conexiune.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
    if (!conexiune.open())
        throw Eroare(MesajSql(conexiune.lastError()));
    InchideAplicatiaLaSemnal();

    Publicat() = this;
    try {
        ActualizeazaVersiune();
        SincronizeazaTabele();
        VerificaTabele();
        SincronizeazaTipuri();
        SincronizeazaProfil();
    } catch (...) {
        Publicat() = nullptr;
        throw;
    }
}

TDM::~TDM() {
    if (Publicat() == this)
        Publicat() = nullptr;
}

QSqlDatabase TDM::Conexiune() const {
    return QSqlDatabase::database(conexiune_.Nume, false);
}

TDM& DM() {
    if (!Publicat())
        throw Eroare(QStringLiteral("Modulul de date nu a fost creat"));
    return *Publicat();
}

QString CheieCod(const TCodCamp& cod) {
    return cod.Formular + QChar(0) + cod.Pagina + QChar(0) + cod.Camp;
}

bool ExistaDM() {
    return Publicat() != nullptr;
}

QString ListaCampuriTabel(const QString& tabel) {
    TCitire citire(DM().Tr());
    TInterogare interogare(
        QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP FROM PROFIL_DIPLOMA WHERE "
                       "(ASOCIAT_CU=:ASOCIAT_CU) AND (ONOREZ_SIMILAR='DA')"));
    interogare.Param(QStringLiteral("ASOCIAT_CU"), tabel).Executa();
    QStringList coduri;
    while (interogare.Urmator())
        coduri << QStringLiteral("{%1.%2.%3}")
                      .arg(interogare.Valoare(0).toString(), interogare.Valoare(1).toString(),
                           interogare.Valoare(2).toString());
    return coduri.join(QStringLiteral("; "));
}
