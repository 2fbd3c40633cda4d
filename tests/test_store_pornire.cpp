#include "Ajutor.h"
#include "AjutorStore.h"
#include "store/Interogare.h"

#include "util/DosarProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <signal.h>
#include <unistd.h>

namespace {
const QString Elevi = QStringLiteral("ELEVI");
const QString Scoala = QStringLiteral("SCOALA");

std::vector<TLinieProfilDiploma> Profil() {
    return {
        LinieTest(QStringLiteral("NUME"), Elevi),
        LinieTest(QStringLiteral("CNP"), Elevi, {}, QStringLiteral("NU"), QStringLiteral("CNP")),
        LinieTest(QStringLiteral("A_NUME"), Elevi, QStringLiteral("F.P.NUME")),
        LinieTest(QStringLiteral("SCOALA"), Scoala),
    };
}

QStringList Text(const std::vector<std::vector<QVariant>>& randuri) {
    QStringList texte;
    for (const auto& rand : randuri) {
        QStringList valori;
        for (const QVariant& valoare : rand)
            valori << (valoare.isNull() ? QStringLiteral("NULL") : valoare.toString().trimmed());
        texte << valori.join(u'|');
    }
    return texte;
}

// Every row of every table and every object the program keeps, in a fixed order.
QStringList Instantaneu() {
    QStringList tot;
    for (const char* sql :
         {"select VERSIUNE from CONFID_DB", "select * from TABELE order by NUME_TABEL",
          "select * from TIPURI_DE_DATE order by TIP_DE_DATE",
          "select * from PROFIL_DIPLOMA order by COD_FORMULAR, COD_PAGINA, COD_CAMP",
          "select * from \"DATE\" order by COD_CAMP, VALOARE_TEXT",
          "select * from ELEVI order by ID_ELEVI", "select * from SCOALA order by ID_SCOALA",
          "select RDB$RELATION_NAME from RDB$RELATIONS where RDB$SYSTEM_FLAG = 0 order by 1",
          "select RDB$RELATION_NAME, RDB$FIELD_NAME from RDB$RELATION_FIELDS where "
          "RDB$SYSTEM_FLAG = 0 order by 1, 2",
          "select RDB$CONSTRAINT_NAME, RDB$CONSTRAINT_TYPE from RDB$RELATION_CONSTRAINTS "
          "where RDB$CONSTRAINT_TYPE in ('PRIMARY KEY', 'FOREIGN KEY') order by 1",
          "select GEN_ID(G_ID_ELEVI, 0), GEN_ID(G_ID_SCOALA, 0) from RDB$DATABASE"})
        tot << QString::fromLatin1(sql) << Text(Randuri(QString::fromLatin1(sql)));
    return tot;
}

int AdaugaElev() {
    TScriere scriere(DM().Tr());
    TInterogare generator(
        QStringLiteral("SELECT GEN_ID(G_ID_ELEVI,1) AS \"ID\" FROM RDB$DATABASE"));
    generator.Executa();
    generator.Urmator();
    const int id = generator.Valoare(0).toInt();
    TInterogare(QStringLiteral("insert into ELEVI (ID_ELEVI) values (:ID)"))
        .Param(QStringLiteral("ID"), id)
        .Executa();
    scriere.Confirma();
    return id;
}

void ScrieNume(int idElev, const QString& camp, const QString& valoare) {
    TScriere scriere(DM().Tr());
    DM().ScrieValoare(FormularTest, PaginaTest, camp, Elevi, idElev, -1, valoare, 256);
    scriere.Confirma();
}

TEST(PornireDM, PrimaPornireFaceBazaDinSablon) {
    TDosarProgramTest dosar(Profil());
    TDM dm;
    EXPECT_EQ(dm.CaleBazaDeDate(), dosar.CaleBazaDeDate());
    EXPECT_TRUE(QFileInfo::exists(dosar.CaleBazaDeDate()));
    EXPECT_FALSE(DM().Tr().Activa());
    // The engine's lock files live in a folder of this user alone.
    const QFileInfo blocari(qEnvironmentVariable("FIREBIRD_LOCK"));
    EXPECT_TRUE(blocari.isDir());
    EXPECT_EQ(blocari.ownerId(), getuid());

    EXPECT_EQ(Scalar(QStringLiteral("SELECT VERSIUNE FROM CONFID_DB")).toInt(), 3);
    EXPECT_EQ(Text(Randuri(QStringLiteral("select NUME_TABEL, EXP_DENUMIRE from TABELE order by "
                                          "NUME_TABEL"))),
              QStringList({QStringLiteral("ELEVI|"), QStringLiteral("SCOALA|{F.P.SCOALA}")}));
    QStringList tipuri;
    for (const auto& rand : Randuri(QStringLiteral("select TIP_DE_DATE from TIPURI_DE_DATE")))
        tipuri << rand[0].toString();
    EXPECT_EQ(tipuri, NumeTipuriDeDate());

    // Every line as the file has it, except ONOREZ_SIMILAR, which starts as 'DA'.
    QStringList asteptat;
    for (const TLinieProfilDiploma& l : Profil())
        asteptat << QStringList{l.COD_CAMP,
                                l.SIMILAR_CU,
                                QStringLiteral("DA"),
                                l.ETICHETA_EDITOR,
                                l.FORMULA,
                                l.VIZIBIL,
                                l.TIP_DE_DATE,
                                l.ASOCIAT_CU,
                                l.GRUP,
                                QString::number(l.LATIME_SUGERATA),
                                l.COD_LINIE,
                                QString::number(l.ORDINE)}
                        .join(u'|');
    asteptat.sort();
    EXPECT_EQ(Text(Randuri(QStringLiteral(
                  "select COD_CAMP, SIMILAR_CU, ONOREZ_SIMILAR, ETICHETA_EDITOR, FORMULA, VIZIBIL, "
                  "TIP_DE_DATE, ASOCIAT_CU, GRUP, LATIME_SUGERATA, COD_LINIE, ORDINE from "
                  "PROFIL_DIPLOMA order by COD_CAMP"))),
              asteptat);

    for (const QString& tabel : {Elevi, Scoala}) {
        EXPECT_EQ(Scalar(QStringLiteral("select count(*) from RDB$RELATIONS where "
                                        "RDB$RELATION_NAME = '%1'")
                             .arg(tabel))
                      .toInt(),
                  1);
        EXPECT_EQ(Scalar(QStringLiteral("select GEN_ID(G_ID_%1, 0) from RDB$DATABASE").arg(tabel))
                      .toInt(),
                  0);
        EXPECT_EQ(Text(Randuri(QStringLiteral(
                                   "select RDB$CONSTRAINT_TYPE from RDB$RELATION_CONSTRAINTS where "
                                   "RDB$CONSTRAINT_NAME = 'PK_%1' and RDB$RELATION_NAME = '%1'")
                                   .arg(tabel))),
                  QStringList{QStringLiteral("PRIMARY KEY")});
        for (const QString& coloana : {QStringLiteral("ID_"), QStringLiteral("IDF_")})
            EXPECT_EQ(Scalar(QStringLiteral("select count(*) from RDB$RELATION_FIELDS where "
                                            "RDB$RELATION_NAME = 'DATE' and RDB$FIELD_NAME = "
                                            "'%1%2'")
                                 .arg(coloana, tabel))
                          .toInt(),
                      1);
        // Deleting a record deletes its values and the rows that link to it.
        for (const QString& sufix : {QStringLiteral("_1"), QStringLiteral("_2")})
            EXPECT_EQ(
                Text(Randuri(QStringLiteral(
                                 "select r.RDB$DELETE_RULE from RDB$REF_CONSTRAINTS r join "
                                 "RDB$RELATION_CONSTRAINTS c on c.RDB$CONSTRAINT_NAME = "
                                 "r.RDB$CONST_NAME_UQ where r.RDB$CONSTRAINT_NAME = 'FK_%1%2' and "
                                 "c.RDB$RELATION_NAME = '%1'")
                                 .arg(tabel, sufix))),
                QStringList{QStringLiteral("CASCADE")});
    }
}

TEST(PornireDM, APornireUlterioaraSchimbaDoarColoanelePrecizateAleProfilului) {
    TDosarProgramTest dosar(Profil());
    QStringList inainte;
    {
        TDM dm;
        ScrieNume(AdaugaElev(), QStringLiteral("NUME"), QStringLiteral("POPESCU"));
        inainte = Instantaneu();
    }
    {
        TDM dm;
        EXPECT_EQ(Instantaneu(), inainte);
    }

    std::vector<TLinieProfilDiploma> schimbat = Profil();
    schimbat[0].ETICHETA_EDITOR = QStringLiteral("[Elev]Numele");
    schimbat[0].ONOREZ_SIMILAR = QStringLiteral("NU");
    schimbat[0].SIMILAR_CU = QStringLiteral("F.P.CNP");
    schimbat[0].ORDINE = 99;
    schimbat[0].LATIME_SUGERATA = 7;
    schimbat[0].COD_LINIE = QStringLiteral("L1");
    dosar.ScrieProfil(schimbat);
    TDM dm;
    EXPECT_EQ(Text(Randuri(QStringLiteral(
                  "select SIMILAR_CU, ONOREZ_SIMILAR, ETICHETA_EDITOR, ORDINE, LATIME_SUGERATA, "
                  "COD_LINIE from PROFIL_DIPLOMA where COD_CAMP = 'NUME'"))),
              QStringList{QStringLiteral("F.P.CNP|DA|[Elev]Numele|99|7|L1")});
    QStringList dupa = Instantaneu();
    EXPECT_EQ(dupa.size(), inainte.size());
    for (qsizetype i = 0; i < qMin(dupa.size(), inainte.size()); ++i)
        if (!dupa[i].startsWith(QStringLiteral("F|P|NUME|")))
            EXPECT_EQ(dupa[i], inainte[i]);
}

TEST(PornireDM, OLinieScoasaDinProfilDispareIarValorileEiRaman) {
    TDosarProgramTest dosar(Profil());
    {
        TDM dm;
        ScrieNume(AdaugaElev(), QStringLiteral("A_NUME"), QStringLiteral("ION"));
    }
    std::vector<TLinieProfilDiploma> fara = Profil();
    fara.erase(fara.begin() + 2);
    dosar.ScrieProfil(fara);
    TDM dm;
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from PROFIL_DIPLOMA where COD_CAMP = "
                                    "'A_NUME'"))
                  .toInt(),
              0);
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from PROFIL_DIPLOMA")).toInt(), 3);
    EXPECT_EQ(Scalar(QStringLiteral("select VALOARE_TEXT from \"DATE\" where COD_CAMP = "
                                    "'A_NUME'"))
                  .toString(),
              QStringLiteral("ION"));
}

TEST(PornireDM, AlegereaUtilizatoruluiPentruLegaturaRamaneLaRepornire) {
    TDosarProgramTest dosar(Profil());
    {
        TDM dm;
        ExecutaSiConfirma(QStringLiteral(
            "update PROFIL_DIPLOMA set ONOREZ_SIMILAR = 'NU' where COD_CAMP = 'A_NUME'"));
    }
    TDM dm;
    EXPECT_EQ(Scalar(QStringLiteral("select ONOREZ_SIMILAR from PROFIL_DIPLOMA where COD_CAMP = "
                                    "'A_NUME'"))
                  .toString(),
              QStringLiteral("NU"));
}

TEST(PornireDM, OBazaExistentaNuEsteSuprascrisaDeSablon) {
    TDosarProgramTest dosar(Profil());
    int id = 0;
    {
        TDM dm;
        id = AdaugaElev();
        ScrieNume(id, QStringLiteral("NUME"), QStringLiteral("ȘTEFĂNESCU Ţuţu"));
    }
    TDM dm;
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from ELEVI")).toInt(), 1);
    EXPECT_EQ(DM().ValoareCamp(FormularTest, PaginaTest, QStringLiteral("NUME"), id, -1),
              QStringLiteral("ȘTEFĂNESCU Ţuţu"));
}

TEST(PornireDM, FaraBazaSiFaraSablonUtilizatorulAflaSiProgramulSeOpreste) {
    TDosarProgramTest dosar(Profil(), /*cuBlank=*/false);
    MesajeInregistrate mesaje;
    int cod = 0;
    try {
        TDM dm;
    } catch (const TIesireProgram& iesire) {
        cod = iesire.Cod();
    }
    EXPECT_EQ(cod, 1);
    const QString baza = QDir::toNativeSeparators(dosar.CaleBazaDeDate());
    const QString blank = QDir::toNativeSeparators(dosar.Cale(QStringLiteral("BLANK.FDB")));
    EXPECT_EQ(mesaje.Texte,
              QStringList{QStringLiteral("Nu exista baza de date curenta si nu gasesc baza de date "
                                         "\"BLANK\" pentru initializare.\r\nDB Curent:") +
                          baza + QStringLiteral("\r\nDB Blank:") + blank});
    EXPECT_TRUE(QFileInfo(dosar.Cale(QStringLiteral("DB"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(dosar.CaleBazaDeDate()));
    EXPECT_FALSE(ExistaDM());
}

// SIGTERM from outside ends the event loop, and the database then closes; the engine's own
// handler would have shut the engine down under the program, which then hangs when it detaches.
TEST(PornireDM, SemnalulDeOprireInchideAplicatiaSiBaza) {
    TDosarProgramTest dosar(Profil());
    auto dm = std::make_unique<TDM>();
    bool expirat = false;
    QTimer::singleShot(0, [] { ::kill(::getpid(), SIGTERM); });
    QTimer::singleShot(20000, [&] {
        expirat = true;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    EXPECT_FALSE(expirat);
    dm.reset();
    EXPECT_FALSE(ExistaDM());
}

// Run by the test below in a second process, on the folder it names.
TEST(PornireDM, AlDoileaProgramPeAceeasiBaza) {
    const QString dosar = qEnvironmentVariable("CERTALIV_DOSAR_AL_DOILEA");
    if (dosar.isEmpty())
        GTEST_SKIP() << "only as the second program of AlDoileaProgramEsteRefuzat";
    InregistreazaClaseleDeTest();
    SeteazaDosarProgram(dosar);
    const QString mesaj = MesajulErorii([] { TDM dm; });
    std::printf("eroare: %s\n", qPrintable(mesaj));
    EXPECT_TRUE(mesaj.contains(QStringLiteral("Database already opened"))) << mesaj;
}

TEST(PornireDM, AlDoileaProgramEsteRefuzat) {
    TDosarProgramTest dosar(Profil());
    TDM dm;
    const QFileInfo inainte(dosar.CaleBazaDeDate());

    QProcess alDoilea;
    QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
    mediu.insert(QStringLiteral("CERTALIV_DOSAR_AL_DOILEA"), dosar.Cale(QString()));
    alDoilea.setProcessEnvironment(mediu);
    alDoilea.setProcessChannelMode(QProcess::MergedChannels);
    alDoilea.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_filter=PornireDM.AlDoileaProgramPeAceeasiBaza")});
    ASSERT_TRUE(alDoilea.waitForFinished(60000));
    const QString iesire = QString::fromUtf8(alDoilea.readAll());
    EXPECT_EQ(alDoilea.exitCode(), 0) << iesire;
    EXPECT_TRUE(iesire.contains(QStringLiteral("[  PASSED  ] 1 test"))) << iesire;

    const QFileInfo dupa(dosar.CaleBazaDeDate());
    EXPECT_EQ(dupa.size(), inainte.size());
    EXPECT_EQ(dupa.lastModified(), inainte.lastModified());
    EXPECT_EQ(Scalar(QStringLiteral("SELECT VERSIUNE FROM CONFID_DB")).toInt(), 3);
}
} // namespace
