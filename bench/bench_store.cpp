// Builds the display texts of the student list (the student template expanded by ParseExp for
// every student) for 1,000 and 10,000 students with every student field filled and the school
// linked, and the same texts from one query that joins "DATE" for all students: the floor.
// Prints both times (best of three, each in a fresh transaction) and their ratio.

#include "app/cil/PluginuriCIL.h"
#include "profile/ProfilDiploma.h"
#include "profile/Registru.h"
#include "store/DM.h"
#include "store/Interogare.h"
#include "util/DosarProgram.h"
#include "util/Eroare.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {
const QString Formular = QStringLiteral("CertificatAbsolvireCicluInfLiceu");
const QString Pagina = QStringLiteral("FATA");

struct TCampuri {
    QStringList elevi;  // fields of the student with their own values
    QStringList scoala; // fields of the school, linked from every student
};

TCampuri CampurileProfilului() {
    TCampuri campuri;
    TCitire citire(DM().Tr());
    TInterogare linii(QStringLiteral("select COD_CAMP, ASOCIAT_CU, SIMILAR_CU from "
                                     "PROFIL_DIPLOMA order by ORDINE"));
    linii.Executa();
    while (linii.Urmator()) {
        if (linii.Valoare(1).toString() == QStringLiteral("ELEVI")) {
            if (linii.Valoare(2).toString().isEmpty())
                campuri.elevi << linii.Valoare(0).toString();
        } else {
            campuri.scoala << linii.Valoare(0).toString();
        }
    }
    return campuri;
}

int Scoala(const TCampuri& campuri) {
    TScriere scriere(DM().Tr());
    TInterogare generator(QStringLiteral("SELECT GEN_ID(G_ID_SCOALA,1) FROM RDB$DATABASE"));
    generator.Executa();
    generator.Urmator();
    const int id = generator.Valoare(0).toInt();
    TInterogare(QStringLiteral("insert into SCOALA (ID_SCOALA) values (:ID)"))
        .Param(QStringLiteral("ID"), id)
        .Executa();
    for (const QString& camp : campuri.scoala)
        DM().ScrieValoare(Formular, Pagina, camp, QStringLiteral("SCOALA"), -1, id,
                          QStringLiteral("Valoare ") + camp, 256);
    scriere.Confirma();
    return id;
}

void AdaugaElevi(const TCampuri& campuri, int idScoala, int deLa, int panaLa) {
    TScriere scriere(DM().Tr());
    TInterogare generator(
        QStringLiteral("SELECT GEN_ID(G_ID_ELEVI,1) AS \"ID\" FROM RDB$DATABASE"));
    TInterogare elev(QStringLiteral("insert into ELEVI (ID_ELEVI) values (:ID)"));
    TInterogare legatura(QStringLiteral(
        "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_SCOALA, "
        "VALOARE_NUM) values (:F, :P, :C, :E, :S, 0)"));
    for (int i = deLa; i < panaLa; ++i) {
        generator.Executa();
        generator.Urmator();
        const int id = generator.Valoare(0).toInt();
        elev.Param(QStringLiteral("ID"), id).Executa();
        for (const QString& camp : campuri.elevi) {
            QString valoare = QStringLiteral("%1 %2").arg(camp).arg(i);
            if (camp == QStringLiteral("C_NUME_L1"))
                valoare = QStringLiteral("ȘTEFĂNESCU %1").arg(i);
            else if (camp == QStringLiteral("C_CNP"))
                valoare = QString::number(5000000000000LL + i);
            DM().ScrieValoare(Formular, Pagina, camp, QStringLiteral("ELEVI"), id, -1, valoare,
                              256);
        }
        for (const QString& camp : campuri.scoala)
            legatura.Param(QStringLiteral("F"), Formular)
                .Param(QStringLiteral("P"), Pagina)
                .Param(QStringLiteral("C"), camp)
                .Param(QStringLiteral("E"), id)
                .Param(QStringLiteral("S"), idScoala)
                .Executa();
    }
    scriere.Confirma();
}

QStringList PrinParseExp() {
    const QString sablon = ClasaProfil()->ListaCampuriElev();
    TCitire citire(DM().Tr());
    TInterogare elevi(QStringLiteral("select    ID_ELEVI  from    ELEVI"));
    elevi.Executa();
    std::vector<int> id;
    while (elevi.Urmator())
        id.push_back(elevi.Valoare(0).toInt());
    QStringList texte;
    texte.reserve(qsizetype(id.size()));
    for (const int idElev : id)
        texte << DM().ParseExp(sablon, idElev, -1);
    return texte;
}

QStringList PrinJonctiune() {
    TCitire citire(DM().Tr());
    const QString alaturare =
        QStringLiteral(" left join \"DATE\" %1 on %1.ID_ELEVI = e.ID_ELEVI and %1.COD_FORMULAR = "
                       ":F and %1.COD_PAGINA = :P and %1.COD_CAMP = '%2'");
    TInterogare toate(QStringLiteral("select n1.VALOARE_TEXT, n2.VALOARE_TEXT, c.VALOARE_TEXT "
                                     "from ELEVI e") +
                      alaturare.arg(QStringLiteral("n1"), QStringLiteral("C_NUME_L1")) +
                      alaturare.arg(QStringLiteral("n2"), QStringLiteral("C_NUME_L2")) +
                      alaturare.arg(QStringLiteral("c"), QStringLiteral("C_CNP")));
    toate.Param(QStringLiteral("F"), Formular).Param(QStringLiteral("P"), Pagina).Executa();
    QStringList texte;
    while (toate.Urmator()) {
        const QString n1 = toate.Valoare(0).toString();
        const QString n2 = toate.Valoare(1).toString();
        texte << n1 + u' ' + n2 + QStringLiteral(" / ") + n1 + u' ' + n2 + QStringLiteral(" (") +
                     toate.Valoare(2).toString() + u')';
    }
    return texte;
}

double CelMaiBunTimp(const std::function<QStringList()>& lucru, QStringList& texte) {
    double celMaiBun = 1e300;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer ceas;
        ceas.start();
        texte = lucru();
        celMaiBun = std::min(celMaiBun, ceas.nsecsElapsed() / 1e6);
    }
    return celMaiBun;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicatie(argc, argv);
    QTemporaryDir dosar;
    for (const char* fisier : {"BLANK.FDB", "CIL2009.binprof"})
        QFile::copy(QStringLiteral(CERTALIV_DIR_PROGRAM "/") + fisier,
                    dosar.filePath(QString::fromLatin1(fisier)));
    SeteazaDosarProgram(dosar.path());
    try {
        InregistreazaPluginuriCIL();
        TDM dm;
        const TCampuri campuri = CampurileProfilului();
        const int idScoala = Scoala(campuri);
        std::printf("%d student fields with values, %d school fields linked per student\n",
                    int(campuri.elevi.size()), int(campuri.scoala.size()));
        std::printf("%8s %14s %14s %8s\n", "students", "ParseExp ms", "one query ms", "ratio");
        int elevi = 0;
        for (const int numar : {1000, 10000}) {
            AdaugaElevi(campuri, idScoala, elevi, numar);
            elevi = numar;
            QStringList parseExp, jonctiune;
            const double timpParseExp = CelMaiBunTimp(PrinParseExp, parseExp);
            const double timpJonctiune = CelMaiBunTimp(PrinJonctiune, jonctiune);
            parseExp.sort();
            jonctiune.sort();
            if (parseExp != jonctiune || parseExp.size() != numar) {
                std::fprintf(stderr, "the two ways give different texts\n");
                return 1;
            }
            std::printf("%8d %14.1f %14.1f %8.2f\n", numar, timpParseExp, timpJonctiune,
                        timpParseExp / timpJonctiune);
        }
    } catch (const Eroare& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Mesaj()));
        return 1;
    }
    return 0;
}
