#include "Ajutor.h"
#include "AjutorStore.h"
#include "store/Interogare.h"

#include <QSet>

namespace {
const QString Elevi = QStringLiteral("ELEVI");
const QString Scoala = QStringLiteral("SCOALA");

// Every kind of link: ELEVI and SCOALA fields, followed with DA, ignored with NU or an empty
// value, own value first with OPTIONAL, SELECTIV, a cycle, a line without a table.
std::vector<TLinieProfilDiploma> Profil() {
    const QString nume = QStringLiteral("F.P.NUME");
    const QString denumire = QStringLiteral("F.P.S_DEN");
    return {
        LinieTest(QStringLiteral("NUME"), Elevi),
        LinieTest(QStringLiteral("PRENUME"), Elevi),
        LinieTest(QStringLiteral("CNP"), Elevi, {}, QStringLiteral("DA"), QStringLiteral("CNP")),
        LinieTest(QStringLiteral("E_DA"), Elevi, nume),
        LinieTest(QStringLiteral("E_NU"), Elevi, nume),
        LinieTest(QStringLiteral("E_NU_MIC"), Elevi, nume),
        LinieTest(QStringLiteral("E_GOL"), Elevi, nume),
        LinieTest(QStringLiteral("E_OPT"), Elevi, nume),
        LinieTest(QStringLiteral("E_SEL"), Elevi, nume),
        LinieTest(QStringLiteral("E_SPRE_NIMIC"), Elevi, QStringLiteral("F.P.NU_EXISTA")),
        LinieTest(QStringLiteral("CICLU_1"), Elevi, QStringLiteral("F.P.CICLU_2")),
        LinieTest(QStringLiteral("CICLU_2"), Elevi, QStringLiteral("F.P.CICLU_1")),
        LinieTest(QStringLiteral("FARA_TABEL"), QString()),
        LinieTest(QStringLiteral("S_DEN"), Scoala),
        LinieTest(QStringLiteral("S_DA"), Scoala, denumire),
        LinieTest(QStringLiteral("S_OPT"), Scoala, denumire),
        LinieTest(QStringLiteral("S_SEL"), Scoala, denumire),
    };
}

struct Cheile {
    int e1 = 0, e2 = 0, e3 = 0, e4 = 0, s1 = 0, s2 = 0;
};

int Inregistrare(const QString& tabel) {
    TInterogare generator(
        QStringLiteral("SELECT GEN_ID(G_ID_%1,1) AS \"ID\" FROM RDB$DATABASE").arg(tabel));
    generator.Executa();
    generator.Urmator();
    const int id = generator.Valoare(0).toInt();
    TInterogare(QStringLiteral("insert into %1 (ID_%1) values (:ID)").arg(tabel))
        .Param(QStringLiteral("ID"), id)
        .Executa();
    return id;
}

void Valoare(const QString& camp, const QString& tabel, int id, const QString& text) {
    DM().ScrieValoare(FormularTest, PaginaTest, camp, tabel, tabel == Elevi ? id : -1,
                      tabel == Elevi ? -1 : id, text, 256);
}

// The row that ties a student to a record of SCOALA for one field; a null record for none.
void Legatura(const QString& camp, int idElev, const QVariant& idScoala) {
    TInterogare(QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, "
                               "ID_ELEVI, IDF_SCOALA, VALOARE_NUM) values ('F', 'P', :CAMP, "
                               ":ELEV, :SCOALA, 0)"))
        .Param(QStringLiteral("CAMP"), camp)
        .Param(QStringLiteral("ELEV"), idElev)
        .Param(QStringLiteral("SCOALA"), idScoala)
        .Executa();
}

class Valori : public ::testing::Test {
protected:
    Valori()
        : dosar_(Profil())
        , dm_(std::make_unique<TDM>()) {
        TScriere scriere(DM().Tr());
        for (const auto& [camp, onorez] : {std::pair{"E_NU", "NU"},
                                           {"E_NU_MIC", "nu"},
                                           {"E_GOL", ""},
                                           {"E_OPT", "OPTIONAL"},
                                           {"E_SEL", "SELECTIV"},
                                           {"S_OPT", "OPTIONAL"},
                                           {"S_SEL", "SELECTIV"}})
            TInterogare(QStringLiteral("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = :O where "
                                       "COD_CAMP = :C"))
                .Param(QStringLiteral("O"), QString::fromLatin1(onorez))
                .Param(QStringLiteral("C"), QString::fromLatin1(camp))
                .Executa();

        k.e1 = Inregistrare(Elevi);
        k.e2 = Inregistrare(Elevi);
        k.e3 = Inregistrare(Elevi);
        k.e4 = Inregistrare(Elevi);
        k.s1 = Inregistrare(Scoala);
        k.s2 = Inregistrare(Scoala);

        Valoare(QStringLiteral("NUME"), Elevi, k.e1, QStringLiteral("POPESCU"));
        Valoare(QStringLiteral("NUME"), Elevi, k.e2, QStringLiteral("IONESCU"));
        Valoare(QStringLiteral("CNP"), Elevi, k.e1, QStringLiteral("1234567890123"));
        for (const char* camp : {"E_DA", "E_NU", "E_NU_MIC", "E_GOL", "E_OPT", "E_SEL"})
            Valoare(QString::fromLatin1(camp), Elevi, k.e1,
                    QStringLiteral("PROPRIU_") + QString::fromLatin1(camp));
        // A value row whose value is NULL.
        TInterogare(QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, "
                                   "ID_ELEVI, VALOARE_NUM) values ('F', 'P', 'PRENUME', :E, 0)"))
            .Param(QStringLiteral("E"), k.e1)
            .Executa();

        Valoare(QStringLiteral("S_DEN"), Scoala, k.s1, QStringLiteral("LICEUL 1"));
        Valoare(QStringLiteral("S_DEN"), Scoala, k.s2, QStringLiteral("LICEUL 2"));
        Valoare(QStringLiteral("S_OPT"), Scoala, k.s2, QStringLiteral("OPTIONAL 2"));
        // Students 1 and 2 go to school 1; 3 has no link rows; 4 has one without a school.
        for (const char* camp : {"S_DEN", "S_DA", "S_SEL"}) {
            Legatura(QString::fromLatin1(camp), k.e1, k.s1);
            Legatura(QString::fromLatin1(camp), k.e2, k.s1);
            Legatura(QString::fromLatin1(camp), k.e4, QVariant(QMetaType(QMetaType::Int)));
        }
        Legatura(QStringLiteral("S_OPT"), k.e1, k.s1);
        Legatura(QStringLiteral("S_OPT"), k.e2, k.s2);
        scriere.Confirma();
    }

    QString Camp(const QString& camp, int idElev, int idInregistrare) {
        return DM().ValoareCamp(FormularTest, PaginaTest, camp, idElev, idInregistrare);
    }

    TDosarProgramTest dosar_;
    std::unique_ptr<TDM> dm_;
    Cheile k;
};

TEST_F(Valori, CautareaUrmeazaLegaturileProfilului) {
    struct Caz {
        const char* camp;
        int idElev;
        int idInregistrare;
        const char* asteptat;
    };
    const Caz cazuri[] = {
        // Fields of the student.
        {"NUME", k.e1, -1, "POPESCU"},
        {"NUME", k.e3, -1, ""},
        {"PRENUME", k.e1, -1, ""},
        {"NUME", -1, k.e1, ""},
        // Fields of the school: through the student's link row, or for a known record.
        {"S_DEN", k.e1, -1, "LICEUL 1"},
        {"S_DEN", k.e2, -1, "LICEUL 1"},
        {"S_DEN", k.e3, -1, ""},
        {"S_DEN", k.e4, -1, ""},
        {"S_DEN", -1, k.s2, "LICEUL 2"},
        // DA follows the link even over an own value; NU, "nu" and empty ignore it.
        {"E_DA", k.e1, -1, "POPESCU"},
        {"E_DA", k.e2, -1, "IONESCU"},
        {"E_NU", k.e1, -1, "PROPRIU_E_NU"},
        {"E_NU", k.e2, -1, ""},
        {"E_NU_MIC", k.e1, -1, "PROPRIU_E_NU_MIC"},
        {"E_GOL", k.e1, -1, "PROPRIU_E_GOL"},
        {"S_DA", k.e1, -1, "LICEUL 1"},
        {"S_DA", -1, k.s2, "LICEUL 2"},
        {"S_DA", k.e1, -2, "LICEUL 1"},
        // OPTIONAL: the own value if there is one, else the linked one.
        {"E_OPT", k.e1, -1, "PROPRIU_E_OPT"},
        {"E_OPT", k.e2, -1, "IONESCU"},
        {"S_OPT", k.e2, -1, "OPTIONAL 2"},
        {"S_OPT", k.e1, -1, "LICEUL 1"},
        {"S_OPT", k.e3, -1, ""},
        {"S_OPT", -1, k.s2, ""},
        // SELECTIV follows the link, except for a record not found (-2).
        {"E_SEL", k.e1, -1, "POPESCU"},
        {"S_SEL", k.e1, -1, "LICEUL 1"},
        {"S_SEL", k.e1, -2, ""},
        // What cannot be resolved is empty.
        {"CICLU_1", k.e1, -1, ""},
        {"FARA_TABEL", k.e1, -1, ""},
        {"E_SPRE_NIMIC", k.e1, -1, ""},
        {"NU_EXISTA", k.e1, -1, ""},
    };
    for (const Caz& caz : cazuri) {
        EXPECT_EQ(Camp(QString::fromLatin1(caz.camp), caz.idElev, caz.idInregistrare),
                  QString::fromLatin1(caz.asteptat))
            << caz.camp << " elev " << caz.idElev << " inregistrare " << caz.idInregistrare;
        EXPECT_FALSE(DM().Tr().Activa());
    }
    // The same answers inside a caller's transaction, which stays open.
    TCitire citire(DM().Tr());
    for (const Caz& caz : cazuri)
        EXPECT_EQ(Camp(QString::fromLatin1(caz.camp), caz.idElev, caz.idInregistrare),
                  QString::fromLatin1(caz.asteptat))
            << caz.camp;
    EXPECT_TRUE(DM().Tr().Activa());
}

TEST_F(Valori, OSchimbareInTranzactieSeVedeLaUrmatoareaCautare) {
    TScriere scriere(DM().Tr());
    EXPECT_EQ(Camp(QStringLiteral("E_NU"), k.e1, -1), QStringLiteral("PROPRIU_E_NU"));
    TInterogare(QStringLiteral("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = 'DA' where COD_CAMP "
                               "= 'E_NU'"))
        .Executa();
    EXPECT_EQ(Camp(QStringLiteral("E_NU"), k.e1, -1), QStringLiteral("POPESCU"));
    Valoare(QStringLiteral("NUME"), Elevi, k.e1, QStringLiteral("POPA"));
    EXPECT_EQ(Camp(QStringLiteral("E_NU"), k.e1, -1), QStringLiteral("POPA"));
}

TEST_F(Valori, ScrieValoareTaieSiPastreazaUnSingurRand) {
    const auto randuri = [](const QString& camp) {
        return Randuri(QStringLiteral("select ID_ELEVI, ID_SCOALA, VALOARE_TEXT, VALOARE_NUM "
                                      "from \"DATE\" where COD_CAMP = '%1' and IDF_SCOALA is "
                                      "null")
                           .arg(camp));
    };
    EXPECT_EQ(MesajulErorii([&] { Valoare(QStringLiteral("NUME"), Elevi, k.e3, "X"); }),
              QStringLiteral("Tranzactia trebuie sa fie activa in momentul apelarii procedurii "
                             "ScrieValoare"));

    TScriere scriere(DM().Tr());
    const QString lung = QString(300, u'Ș');
    Valoare(QStringLiteral("NUME"), Elevi, k.e3, QStringLiteral("  ") + lung + u'\t');
    DM().ScrieValoare(FormularTest, PaginaTest, QStringLiteral("CNP"), Elevi, k.e3, -1,
                      QStringLiteral(" 1234567890123 "), 6);
    // A row that two tables own; the update leaves it to the one written for.
    TInterogare(QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, "
                               "ID_ELEVI, ID_SCOALA, VALOARE_TEXT, VALOARE_NUM) values ('F', "
                               "'P', 'S_SEL', :E, :S, 'VECHI', 5)"))
        .Param(QStringLiteral("E"), k.e3)
        .Param(QStringLiteral("S"), k.s2)
        .Executa();
    Valoare(QStringLiteral("S_SEL"), Scoala, k.s2, QStringLiteral("NOU"));
    Valoare(QStringLiteral("NUME"), Elevi, k.e1, QStringLiteral("POPA"));
    scriere.Confirma();

    const auto nume = randuri(QStringLiteral("NUME"));
    ASSERT_EQ(nume.size(), 3u);
    QMap<int, QString> dupaElev;
    for (const auto& rand : nume)
        dupaElev.insert(rand[0].toInt(), rand[2].toString());
    EXPECT_EQ(dupaElev.value(k.e3), QString(256, u'Ș'));
    EXPECT_EQ(dupaElev.value(k.e1), QStringLiteral("POPA"));
    EXPECT_EQ(randuri(QStringLiteral("CNP")).size(), 2u);
    EXPECT_EQ(Camp(QStringLiteral("CNP"), k.e3, -1), QStringLiteral("123456"));

    const auto scoala = Randuri(
        QStringLiteral("select ID_ELEVI, ID_SCOALA, VALOARE_TEXT, VALOARE_NUM from \"DATE\" where "
                       "COD_CAMP = 'S_SEL' and (ID_SCOALA = %1 or ID_ELEVI = %2)")
            .arg(k.s2)
            .arg(k.e3));
    ASSERT_EQ(scoala.size(), 1u);
    EXPECT_TRUE(scoala[0][0].isNull());
    EXPECT_EQ(scoala[0][1].toInt(), k.s2);
    EXPECT_EQ(scoala[0][2].toString(), QStringLiteral("NOU"));
    EXPECT_EQ(scoala[0][3].toDouble(), 0.0);
}

TEST_F(Valori, ParseExpInlocuiesteCoduriledinAcolade) {
    EXPECT_EQ(MesajulErorii([&] { DM().ParseExp(QStringLiteral("{F.P.NUME}"), k.e1, -1); }),
              QStringLiteral("Tranzactia trebuie sa fie activa in momentul apelarii procedurii "
                             "ParseExp"));
    const QString sablonElev =
        QStringLiteral("{F.P.NUME} {F.P.PRENUME} / {F.P.NUME} {F.P.PRENUME} ({F.P.CNP})");
    struct Caz {
        QString sablon;
        int idElev;
        int idInregistrare;
        QString asteptat;
    };
    const Caz cazuri[] = {
        {QStringLiteral("fara acolade"), k.e1, -1, QStringLiteral("fara acolade")},
        {QStringLiteral("a{}b"), k.e1, -1, QStringLiteral("ab")},
        {QStringLiteral("a}b{F.P.NUME}"), k.e1, -1, QStringLiteral("a}bPOPESCU")},
        {QStringLiteral("{F.P{.NUME}!"), k.e1, -1, QStringLiteral("!")},
        {QStringLiteral("x{F.P.NUME"), k.e1, -1, QStringLiteral("x")},
        {QStringLiteral("{F.P.NUME.ALTCEVA}"), k.e1, -1, QStringLiteral("POPESCU")},
        {sablonElev, k.e1, -1, QStringLiteral("POPESCU  / POPESCU  (1234567890123)")},
        {sablonElev, k.e3, -1, QStringLiteral("  /   ()")},
        {QStringLiteral("[{F.P.S_DEN}]"), -1, k.s2, QStringLiteral("[LICEUL 2]")},
        {QStringLiteral("[{F.P.S_DEN}]"), k.e2, -1, QStringLiteral("[LICEUL 1]")},
    };
    TCitire citire(DM().Tr());
    for (const Caz& caz : cazuri)
        EXPECT_EQ(DM().ParseExp(caz.sablon, caz.idElev, caz.idInregistrare), caz.asteptat)
            << caz.sablon;
}

TEST_F(Valori, ListaCampuriTabelCuprindeCampurileCuDA) {
    EXPECT_FALSE(DM().Tr().Activa());
    const QStringList scoala = ListaCampuriTabel(Scoala).split(QStringLiteral("; "));
    EXPECT_EQ(QSet<QString>(scoala.begin(), scoala.end()),
              QSet<QString>({QStringLiteral("{F.P.S_DEN}"), QStringLiteral("{F.P.S_DA}")}));
    EXPECT_FALSE(DM().Tr().Activa());
    TCitire citire(DM().Tr());
    EXPECT_EQ(ListaCampuriTabel(QStringLiteral("NIMIC")), QString());
    EXPECT_TRUE(DM().Tr().Activa());
}

TEST_F(Valori, TranzactiaSeIncheieLaIesireaDinBloc) {
    const auto elevi = [] {
        return Scalar(QStringLiteral("select count(*) from ELEVI")).toInt();
    };
    try {
        TScriere scriere(DM().Tr());
        Inregistrare(Elevi);
        throw Eroare(QStringLiteral("oprit"));
    } catch (const Eroare&) {
    }
    EXPECT_FALSE(DM().Tr().Activa());
    EXPECT_EQ(elevi(), 4);
    {
        TScriere scriere(DM().Tr());
        Inregistrare(Elevi);
        EXPECT_EQ(MesajulErorii([] { TScriere alta(DM().Tr()); }),
                  QStringLiteral("Tranzactia este deja activa"));
        EXPECT_TRUE(DM().Tr().Activa());
        scriere.Confirma();
    }
    EXPECT_EQ(elevi(), 5);
    EXPECT_FALSE(MesajulErorii([] {
                     TInterogare q(QStringLiteral("select 1 from RDB$DATABASE"));
                 }).isEmpty());
}
} // namespace
