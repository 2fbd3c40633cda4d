// The start-up steps that bring the database up to date: schema upgrades, the table catalogue,
// the record tables and their links into the value store, the data-type names, the profile.

#include "profile/ProfilDiploma.h"
#include "profile/Registru.h"
#include "profile/Tabele.h"
#include "store/DM.h"
#include "store/Interogare.h"
#include "util/Eroare.h"

#include <QSet>

namespace {
void Executa(const QString& sql) {
    TInterogare(sql).Executa();
}

// Whether the system table has a row with this name: the check's query has the name as its
// only parameter, :NUME (Qt's placeholders cannot hold the "$" of the system column names).
bool Exista(const QString& sql, const QString& nume) {
    TInterogare interogare(sql);
    interogare.Param(QStringLiteral("NUME"), nume).Executa();
    return interogare.Urmator();
}

bool ExistaConstrangere(const QString& nume) {
    return Exista(QStringLiteral("select    RDB$CONSTRAINT_NAME from    RDB$RELATION_CONSTRAINTS "
                                 "where    RDB$CONSTRAINT_NAME = :NUME"),
                  nume);
}

// One step of the record tables' upkeep, in a transaction of its own committed before the next.
template <class F> void PasSeparat(TTranzactie& tranzactie, F&& pas) {
    TScriere scriere(tranzactie);
    pas();
    scriere.Confirma();
}
} // namespace

void TDM::ActualizeazaVersiune() {
    int versiune = 0;
    {
        TCitire citire(tranzactie_);
        TInterogare interogare(QStringLiteral("SELECT VERSIUNE FROM CONFID_DB"));
        interogare.Executa();
        bool ok = interogare.Urmator();
        if (ok)
            versiune = interogare.Valoare(0).toInt(&ok);
        if (!ok)
            throw Eroare(QStringLiteral("Nu pot citi versiunea bazei de date din CONFID_DB"));
    }
    if (versiune < 2) {
        TScriere scriere(tranzactie_);
        Executa(QStringLiteral(
            "ALTER TABLE PROFIL_DIPLOMA ADD LATIME_SUGERATA INTEGER, ADD COD_LINIE VARCHAR(32)"));
        Executa(QStringLiteral("UPDATE CONFID_DB SET VERSIUNE=2"));
        scriere.Confirma();
    }
    if (versiune < 3) {
        TScriere scriere(tranzactie_);
        Executa(QStringLiteral("ALTER TABLE PROFIL_DIPLOMA ADD ORDINE INTEGER"));
        Executa(QStringLiteral("UPDATE CONFID_DB SET VERSIUNE=3"));
        scriere.Confirma();
    }
}

void TDM::SincronizeazaTabele() {
    const TClasaTabele* clasa = ClasaTabele();
    if (!clasa)
        throw Eroare(QStringLiteral("Nu ai inclus nici o \"lista tabel\""));
    const std::unique_ptr<TListaLiniiTabel> tabele = clasa->Create();

    TScriere scriere(tranzactie_);
    TInterogare cauta(
        QStringLiteral("select    * from    TABELE where    (NUME_TABEL = :NUME_TABEL)"));
    TInterogare adauga(QStringLiteral("insert into    TABELE    (NUME_TABEL, EXP_DENUMIRE) values "
                                      "   (:NUME_TABEL, :EXP_DENUMIRE)"));
    TInterogare actualizeaza(
        QStringLiteral("update    TABELE set    NUME_TABEL = :NUME_TABEL, EXP_DENUMIRE = "
                       ":EXP_DENUMIRE where    (NUME_TABEL = :NUME_TABEL)"));
    for (int i = 0; i < tabele->Count(); ++i) {
        const TLinieTabel& linie = tabele->Linie(i);
        cauta.Param(QStringLiteral("NUME_TABEL"), linie.NUME_TABEL).Executa();
        TInterogare& scrie = cauta.Urmator() ? actualizeaza : adauga;
        scrie.Param(QStringLiteral("NUME_TABEL"), linie.NUME_TABEL)
            .Param(QStringLiteral("EXP_DENUMIRE"), linie.EXP_DENUMIRE)
            .Executa();
    }
    scriere.Confirma();
}

void TDM::VerificaTabele() {
    QStringList tabele;
    {
        TScriere scriere(tranzactie_);
        TInterogare interogare(QStringLiteral("select NUME_TABEL from TABELE"));
        interogare.Executa();
        while (interogare.Urmator())
            tabele << interogare.Valoare(0).toString();
        scriere.Confirma();
    }
    // A key must be committed before a constraint can refer to it: one transaction per step.
    for (const QString& tabel : tabele) {
        PasSeparat(tranzactie_, [&] { CreeazaTabela(tabel); });
        PasSeparat(tranzactie_, [&] { CreeazaCheiePrimara(tabel); });
        PasSeparat(tranzactie_, [&] { CreeazaGenerator(tabel); });
        PasSeparat(tranzactie_, [&] { AdaugaColoaneDate(tabel); });
        PasSeparat(tranzactie_, [&] { CreeazaLegaturiDate(tabel); });
    }
}

void TDM::CreeazaTabela(const QString& tabel) {
    if (!Exista(QStringLiteral("select    RDB$RELATION_NAME from    RDB$RELATIONS where    "
                               "RDB$RELATION_NAME = :NUME"),
                tabel))
        Executa(QStringLiteral("create table ") + tabel + QStringLiteral("(") +
                QStringLiteral("    ID_") + tabel + QStringLiteral(" INTEGER NOT NULL ") +
                QStringLiteral(")"));
}

void TDM::CreeazaCheiePrimara(const QString& tabel) {
    if (!ExistaConstrangere(QStringLiteral("PK_") + tabel))
        Executa(
            QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT PK_%1 PRIMARY KEY (ID_%1)").arg(tabel));
}

void TDM::CreeazaGenerator(const QString& tabel) {
    if (!Exista(QStringLiteral("select    RDB$GENERATOR_NAME from    RDB$GENERATORS where    "
                               "RDB$GENERATOR_NAME = :NUME"),
                QStringLiteral("G_ID_") + tabel)) {
        Executa(QStringLiteral("CREATE GENERATOR G_ID_") + tabel);
        Executa(QStringLiteral("SET GENERATOR G_ID_") + tabel + QStringLiteral(" TO 0"));
    }
}

void TDM::AdaugaColoaneDate(const QString& tabel) {
    for (const QString& coloana : {QStringLiteral("ID_") + tabel, QStringLiteral("IDF_") + tabel}) {
        TInterogare cauta(QStringLiteral("SELECT * FROM RDB$RELATION_FIELDS WHERE "
                                         "(RDB$RELATION_NAME=:TAB) AND (RDB$FIELD_NAME=:FLD)"));
        cauta.Param(QStringLiteral("TAB"), QStringLiteral("DATE"))
            .Param(QStringLiteral("FLD"), coloana)
            .Executa();
        if (!cauta.Urmator())
            Executa(QStringLiteral("ALTER TABLE \"DATE\" ADD ") + coloana +
                    QStringLiteral(" INTEGER"));
    }
}

void TDM::CreeazaLegaturiDate(const QString& tabel) {
    if (!ExistaConstrangere(QStringLiteral("FK_%1_1").arg(tabel)))
        Executa(QStringLiteral("alter table \"DATE\" add constraint FK_%1_1 foreign key (ID_%1) "
                               "references %1(ID_%1) on delete CASCADE")
                    .arg(tabel));
    if (!ExistaConstrangere(QStringLiteral("FK_%1_2").arg(tabel)))
        Executa(QStringLiteral("alter table \"DATE\" add constraint FK_%1_2 foreign key (IDF_%1) "
                               "references %1(ID_%1) on delete CASCADE")
                    .arg(tabel));
}

void TDM::SincronizeazaTipuri() {
    TScriere scriere(tranzactie_);
    TInterogare cauta(
        QStringLiteral("select * from TIPURI_DE_DATE where TIP_DE_DATE = :TIP_DE_DATE"));
    TInterogare adauga(
        QStringLiteral("insert into TIPURI_DE_DATE (TIP_DE_DATE) values (:TIP_DE_DATE)"));
    for (const QString& tip : NumeTipuriDeDate()) {
        cauta.Param(QStringLiteral("TIP_DE_DATE"), tip).Executa();
        if (!cauta.Urmator())
            adauga.Param(QStringLiteral("TIP_DE_DATE"), tip).Executa();
    }
    scriere.Confirma();
}

void TDM::SincronizeazaProfil() {
    const TClasaProfilDiploma* clasa = ClasaProfil();
    if (!clasa)
        throw Eroare(QStringLiteral("Nu ai inclus nici o \"lista profil\""));
    // Reads the whole profile file before anything is written.
    const std::unique_ptr<TListaLiniiProfilDiploma> profil = clasa->Create();

    TScriere scriere(tranzactie_);
    TInterogare cauta(QStringLiteral(
        "select * from PROFIL_DIPLOMA where (COD_FORMULAR = :COD_FORMULAR) and (COD_PAGINA = "
        ":COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
    TInterogare adauga(QStringLiteral(
        "insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, SIMILAR_CU, "
        "ONOREZ_SIMILAR, ETICHETA_EDITOR, FORMULA, VIZIBIL, TIP_DE_DATE, ASOCIAT_CU, GRUP, "
        "LATIME_SUGERATA, COD_LINIE, ORDINE) values (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, "
        ":SIMILAR_CU, 'DA', :ETICHETA_EDITOR, :FORMULA, :VIZIBIL, :TIP_DE_DATE, :ASOCIAT_CU, "
        ":GRUP, :LATIME_SUGERATA, :COD_LINIE, :ORDINE)"));
    TInterogare actualizeaza(QStringLiteral(
        "update PROFIL_DIPLOMA set SIMILAR_CU = :SIMILAR_CU, ETICHETA_EDITOR = :ETICHETA_EDITOR, "
        "FORMULA = :FORMULA, VIZIBIL = :VIZIBIL, TIP_DE_DATE = :TIP_DE_DATE, ASOCIAT_CU = "
        ":ASOCIAT_CU, GRUP = :GRUP, LATIME_SUGERATA = :LATIME_SUGERATA, COD_LINIE = :COD_LINIE, "
        "ORDINE = :ORDINE where (COD_FORMULAR = :COD_FORMULAR) and (COD_PAGINA = :COD_PAGINA) "
        "and (COD_CAMP = :COD_CAMP)"));

    QSet<QString> coduriProfil;
    for (int i = 0; i < profil->Count(); ++i) {
        const TLinieProfilDiploma& linie = profil->Linie(i);
        coduriProfil.insert(CheieCod(linie.Cod()));
        cauta.Param(QStringLiteral("COD_FORMULAR"), linie.COD_FORMULAR)
            .Param(QStringLiteral("COD_PAGINA"), linie.COD_PAGINA)
            .Param(QStringLiteral("COD_CAMP"), linie.COD_CAMP)
            .Executa();
        TInterogare& scrie = cauta.Urmator() ? actualizeaza : adauga;
        scrie.Param(QStringLiteral("COD_FORMULAR"), linie.COD_FORMULAR)
            .Param(QStringLiteral("COD_PAGINA"), linie.COD_PAGINA)
            .Param(QStringLiteral("COD_CAMP"), linie.COD_CAMP)
            .Param(QStringLiteral("SIMILAR_CU"), linie.SIMILAR_CU)
            .Param(QStringLiteral("ETICHETA_EDITOR"), linie.ETICHETA_EDITOR)
            .Param(QStringLiteral("FORMULA"), linie.FORMULA)
            .Param(QStringLiteral("VIZIBIL"), linie.VIZIBIL)
            .Param(QStringLiteral("TIP_DE_DATE"), linie.TIP_DE_DATE)
            .Param(QStringLiteral("ASOCIAT_CU"), linie.ASOCIAT_CU)
            .Param(QStringLiteral("GRUP"), linie.GRUP)
            .Param(QStringLiteral("LATIME_SUGERATA"), linie.LATIME_SUGERATA)
            .Param(QStringLiteral("COD_LINIE"), linie.COD_LINIE)
            .Param(QStringLiteral("ORDINE"), linie.ORDINE)
            .Executa();
    }

    std::vector<TCodCamp> deSters;
    {
        TInterogare toate(
            QStringLiteral("select COD_FORMULAR, COD_PAGINA, COD_CAMP from PROFIL_DIPLOMA"));
        toate.Executa();
        while (toate.Urmator()) {
            const TCodCamp cod{toate.Valoare(0).toString(), toate.Valoare(1).toString(),
                               toate.Valoare(2).toString()};
            if (!coduriProfil.contains(CheieCod(cod)))
                deSters.push_back(cod);
        }
    }
    TInterogare sterge(QStringLiteral(
        "delete from PROFIL_DIPLOMA where (COD_FORMULAR = :COD_FORMULAR) and (COD_PAGINA = "
        ":COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
    for (const TCodCamp& cod : deSters)
        sterge.Param(QStringLiteral("COD_FORMULAR"), cod.Formular)
            .Param(QStringLiteral("COD_PAGINA"), cod.Pagina)
            .Param(QStringLiteral("COD_CAMP"), cod.Camp)
            .Executa();
    scriere.Confirma();
}
