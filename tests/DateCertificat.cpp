#include "DateCertificat.h"

#include "entry/ListaGenerica.h"
#include "store/DM.h"
#include "store/Interogare.h"

namespace {
const QString Formular = QStringLiteral("CertificatAbsolvireCicluInfLiceu");
const QString Pagina = QStringLiteral("FATA");

void ScrieValori(const TValori& valori, const QString& tabel, int idElev, int idInregistrare) {
    for (auto it = valori.begin(); it != valori.end(); ++it)
        DM().ScrieValoare(Formular, Pagina, it.key(), tabel, idElev, idInregistrare, it.value(),
                          256);
}
} // namespace

int AdaugaScoala(const TValori& valori) {
    TScriere scriere(DM().Tr());
    const int id = InregistrareNoua(QStringLiteral("SCOALA"));
    ScrieValori(valori, QStringLiteral("SCOALA"), -1, id);
    scriere.Confirma();
    return id;
}

int AdaugaElev(const TValori& valori, int idScoala) {
    TScriere scriere(DM().Tr());
    const int id = InregistrareNoua(QStringLiteral("ELEVI"));
    ScrieValori(valori, QStringLiteral("ELEVI"), id, -1);
    if (idScoala >= 0) {
        // The student's link rows: one per field of the school, as the link list writes them.
        TInterogare campuri(QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP FROM "
                                           "PROFIL_DIPLOMA WHERE ASOCIAT_CU = 'SCOALA'"));
        campuri.Executa();
        QList<QStringList> coduri;
        while (campuri.Urmator())
            coduri << QStringList{campuri.Text(QStringLiteral("COD_FORMULAR")),
                                  campuri.Text(QStringLiteral("COD_PAGINA")),
                                  campuri.Text(QStringLiteral("COD_CAMP"))};
        TInterogare legatura(QStringLiteral(
            "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_SCOALA, "
            "VALOARE_NUM) VALUES (:F, :P, :C, :E, :S, 0)"));
        for (const QStringList& cod : coduri)
            legatura.Param(QStringLiteral("F"), cod[0])
                .Param(QStringLiteral("P"), cod[1])
                .Param(QStringLiteral("C"), cod[2])
                .Param(QStringLiteral("E"), id)
                .Param(QStringLiteral("S"), idScoala)
                .Executa();
    }
    scriere.Confirma();
    return id;
}

void AdaugaValori(const TValori& valori, int idElev) {
    TScriere scriere(DM().Tr());
    ScrieValori(valori, QStringLiteral("ELEVI"), idElev, -1);
    scriere.Confirma();
}

TValori ScoalaCompleta() {
    return {{QStringLiteral("C_UNITATEA_L1"), QStringLiteral("Liceul Teoretic")},
            {QStringLiteral("C_UNITATEA_L2"), QStringLiteral("Ştefan cel Mare")},
            {QStringLiteral("C_LOCALITATEA"), QStringLiteral("Târgu-Jiu")},
            {QStringLiteral("A_LOCALITATEA_L2"), QStringLiteral("municipiul")},
            {QStringLiteral("C_JUDETUL"), QStringLiteral("Gorj")},
            {QStringLiteral("C_COD_SIRUES"), QStringLiteral("123456789")},
            {QStringLiteral("C_FILIERA"), QStringLiteral("teoretica")},
            {QStringLiteral("C_PROFILUL"), QStringLiteral("real")},
            {QStringLiteral("C_SPECIALIZAREA"), QStringLiteral("ştiinţe ale naturii")},
            {QStringLiteral("C_AN_ABSOLVIRE"), QStringLiteral("2009")},
            {QStringLiteral("C_DIRECTOR"), QStringLiteral("Ionescu Maria")},
            {QStringLiteral("C_SECRETAR"), QStringLiteral("Popa Ana")},
            {QStringLiteral("C_REG_NR"), QStringLiteral("1234")},
            {QStringLiteral("C_REG_ZIUA"), QStringLiteral("15")},
            {QStringLiteral("C_REG_LUNA"), QStringLiteral("iulie")},
            {QStringLiteral("C_REG_AN"), QStringLiteral("2009")}};
}

TValori ElevComplet(const QString& cnp, const QString& nume) {
    return {{QStringLiteral("C_NUME_L1"), nume},
            {QStringLiteral("C_NUME_L2"), QStringLiteral("Ţuţu")},
            {QStringLiteral("A_NUME"), nume + QStringLiteral(" Ţuţu")},
            {QStringLiteral("C_CNP"), cnp},
            {QStringLiteral("C_ABREVIERE"), QStringLiteral("dl.")}};
}
