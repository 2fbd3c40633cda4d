#include "Ajutor.h"
#include "app/cil/PluginuriCIL.h"
#include "app/cil/ProfilCIL.h"
#include "app/cil/TabeleCIL.h"
#include "profile/Registru.h"
#include "util/DosarProgram.h"

#include <QSet>
#include <QTemporaryDir>

namespace {
const QString Formular = QStringLiteral("CertificatAbsolvireCicluInfLiceu");

// The field names the certificate's layout prints.
const QStringList CampuriMachetei = {
    "C_NUME_L1",      "C_NUME_L2",    "C_UNITATEA_L1",    "C_UNITATEA_L2", "C_LOCALITATEA",
    "C_JUDETUL",      "C_CNP",        "A_LOCALITATEA_L2", "C_DIRECTOR",    "A_SPECIALIZAREA",
    "A_UNITATEA_L2",  "A_CNP",        "A_AN_ABSOLVIRE",   "A_DIRECTOR",    "A_NUME",
    "C_COD_SIRUES",   "A_COD_SIRUES", "C_ABREVIERE",      "A_ABREVIERE",   "C_FILIERA",
    "C_AN_ABSOLVIRE", "C_PROFILUL",   "C_SPECIALIZAREA",  "C_SECRETAR",    "A_JUDETUL",
    "A_FILIERA",      "A_PROFILUL",   "A_SECRETAR",       "A_UNITATEA_L1", "C_REG_NR",
    "C_REG_AN",       "C_REG_LUNA",   "C_REG_ZIUA",       "A_REG_NR",      "A_REG_AN",
    "A_REG_LUNA",     "A_REG_ZIUA",   "A_LOCALITATEA_L1"};

// The student's fields by the layout's source descriptions; every other one is the school's.
const QSet<QString> CampuriElev = {"C_NUME_L1", "C_NUME_L2",   "A_NUME",     "C_CNP",
                                   "A_CNP",     "C_ABREVIERE", "A_ABREVIERE"};

class DosarProgramTest {
public:
    explicit DosarProgramTest(const QString& dosar) { SeteazaDosarProgram(dosar); }
    ~DosarProgramTest() { SeteazaDosarProgram(QString()); }
};

TEST(ProfilCIL, ProfilulLivratAcoperaMacheta) {
    DosarProgramTest dosar(QStringLiteral(CERTALIV_DIR_PROGRAM));
    TListaLiniiProfilCIL profil;
    ASSERT_EQ(profil.Count(), CampuriMachetei.size());

    QMap<QString, const TLinieProfilDiploma*> dupaCod;
    int cnp = 0;
    for (int i = 0; i < profil.Count(); ++i) {
        const TLinieProfilDiploma& l = profil.Linie(i);
        EXPECT_EQ(l.COD_FORMULAR, Formular);
        EXPECT_EQ(l.COD_PAGINA, QStringLiteral("FATA"));
        EXPECT_FALSE(dupaCod.contains(l.COD_CAMP)) << "de doua ori: " << l.COD_CAMP.toStdString();
        dupaCod.insert(l.COD_CAMP, &l);
        EXPECT_TRUE(NumeTipuriDeDate().contains(l.TIP_DE_DATE)) << l.COD_CAMP.toStdString();
        EXPECT_EQ(l.ASOCIAT_CU, CampuriElev.contains(l.COD_CAMP) ? QStringLiteral("ELEVI")
                                                                 : QStringLiteral("SCOALA"))
            << l.COD_CAMP.toStdString();
        EXPECT_FALSE(ImparteEticheta(l.ETICHETA_EDITOR).Eticheta.isEmpty());
        cnp += l.TIP_DE_DATE == TipDate::CNP;
    }
    EXPECT_GE(cnp, 1);
    for (const QString& camp : CampuriMachetei)
        EXPECT_TRUE(dupaCod.contains(camp)) << "lipseste " << camp.toStdString();

    // A right-part field that repeats a left-part value takes it from there, within its table.
    for (const TLinieProfilDiploma* l : dupaCod) {
        if (l->SIMILAR_CU.isEmpty())
            continue;
        const TCodCamp tinta = ImparteCodCamp(l->SIMILAR_CU);
        ASSERT_TRUE(dupaCod.contains(tinta.Camp)) << l->SIMILAR_CU.toStdString();
        EXPECT_EQ(tinta.Formular, Formular);
        EXPECT_TRUE(dupaCod[tinta.Camp]->SIMILAR_CU.isEmpty()) << "legatura in lant";
        EXPECT_EQ(dupaCod[tinta.Camp]->ASOCIAT_CU, l->ASOCIAT_CU);
    }
    for (const char* a : {"A_CNP", "A_DIRECTOR", "A_SECRETAR", "A_UNITATEA_L1", "A_UNITATEA_L2",
                          "A_COD_SIRUES", "A_JUDETUL", "A_AN_ABSOLVIRE", "A_REG_NR"}) {
        const QString c = QStringLiteral("C_") + QString::fromUtf8(a).mid(2);
        EXPECT_EQ(dupaCod[QString::fromUtf8(a)]->SIMILAR_CU,
                  Formular + QStringLiteral(".FATA.") + c);
    }
}

TEST(ProfilCIL, ClaseleCertificatului) {
    // Registering reads no file: a missing profile is noticed only when the profile is made.
    QTemporaryDir gol;
    DosarProgramTest dosar(gol.path() + QStringLiteral("/"));
    InregistreazaPluginuriCIL();
    ASSERT_EQ(ClasaProfil(), &ClasaProfilCIL());
    ASSERT_EQ(ClasaTabele(), &ClasaTabeleCIL());
    EXPECT_EQ(ClasaProfil()->NumeProfil(), QStringLiteral("CIL2009"));
    EXPECT_TRUE(ClasaProfil()->ListaCampuriElev().startsWith(
        QStringLiteral("{CertificatAbsolvireCicluInfLiceu.FATA.C_NUME_L1} "
                       "{CertificatAbsolvireCicluInfLiceu.FATA.C_NUME_L2} / ")));

    // The folder's trailing separator does not double in the path.
    const QString mesaj = MesajulErorii([] { ClasaProfil()->Create(); });
    EXPECT_TRUE(
        mesaj.startsWith(QStringLiteral("Cannot open file \"%1/CIL2009.binprof\"").arg(gol.path())))
        << mesaj.toStdString();

    const auto tabele = ClasaTabele()->Create();
    ASSERT_EQ(tabele->Count(), 2);
    EXPECT_EQ(tabele->Linie(0).NUME_TABEL, QStringLiteral("ELEVI"));
    EXPECT_EQ(tabele->Linie(1).NUME_TABEL, QStringLiteral("SCOALA"));
    EXPECT_EQ(tabele->Linie(0).EXP_DENUMIRE, QString());

    EXPECT_NE(MesajulErorii([] { InregistreazaPluginuriCIL(); }), QString());
}
} // namespace
