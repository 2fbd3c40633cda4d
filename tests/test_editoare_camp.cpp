#include "Ajutor.h"
#include "ProgramTemporar.h"
#include "controls/QebEditors.h"
#include "entry/EditoareCamp.h"
#include "store/DM.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
const QString F = QStringLiteral("CertificatAbsolvireCicluInfLiceu");
const QString P = QStringLiteral("FATA");
const QString Elevi = QStringLiteral("ELEVI");
const QString Scoala = QStringLiteral("SCOALA");
// A grade field the editors do not look up in the profile.
const QString Media = QStringLiteral("MEDIA");

TEST(EditoareCamp, NotaAcceptaDoarIntre5si10) {
    const struct {
        const char* text;
        bool poate;
        const char* mesaj;
    } cazuri[] = {{"", true, nullptr},
                  {"5", true, nullptr},
                  {"5,00", true, nullptr},
                  {"10", true, nullptr},
                  {"9,50", true, nullptr},
                  {"4,99", false, "Nota este prea mica"},
                  {"0,5", false, "Nota este prea mica"},
                  {"10,01", false, "Nota este prea mare"}};
    for (const auto& caz : cazuri) {
        TEditorCampNota editor;
        editor.Nota->SetText(QString::fromUtf8(caz.text));
        ASSERT_EQ(editor.Nota->Text(), QString::fromUtf8(caz.text));
        MesajeInregistrate mesaje;
        EXPECT_EQ(editor.PotSalva(), caz.poate) << caz.text;
        const QStringList asteptate =
            caz.mesaj ? QStringList{QString::fromUtf8(caz.mesaj)} : QStringList{};
        EXPECT_EQ(mesaje.Texte, asteptate) << caz.text;
    }
}

TEST(EditoareCamp, NotaSauCalificativIntreabaDoarCandCifreleNuFacONota) {
    const QString intrebare =
        QStringLiteral("Textul introdus ar putea fi o nota (include cifre) dar va fi tiparit ca "
                       "un calfiicativ!\r\nContinuati?");
    const struct {
        const char* text;
        bool intreaba;
    } cazuri[] = {{"foarte bine", false}, {"9,50", false}, {"9+", false}, {"", false}, {"4", true},
                  {"11", true},           {"9,505", true}};
    for (const auto& caz : cazuri) {
        for (const auto raspuns : {QMessageBox::Yes, QMessageBox::No}) {
            TEditorGenericNotaSauCalificativ editor;
            editor.Edit->setText(QString::fromUtf8(caz.text));
            MesajeInregistrate mesaje(raspuns);
            EXPECT_EQ(editor.PotSalva(), !caz.intreaba || raspuns == QMessageBox::Yes) << caz.text;
            EXPECT_EQ(mesaje.Texte, caz.intreaba ? QStringList{intrebare} : QStringList{})
                << caz.text;
        }
    }
}

TEST(EditoareCamp, CNPGresitSauGolSeSalveazaDoarLaDa) {
    const QString intrebare =
        QStringLiteral("Codul numeric personal este eronat! Sigur doriti sa continuati?");
    const struct {
        const char* text;
        bool valid;
    } cazuri[] = {
        {"1800101221144", true}, {"1800101221145", false}, {"", false}, {" 1800101221144", false}};
    for (const auto& caz : cazuri) {
        for (const auto raspuns : {QMessageBox::Yes, QMessageBox::No}) {
            TEditorCampCNP editor;
            editor.Edit->setText(QString::fromUtf8(caz.text));
            MesajeInregistrate mesaje(raspuns);
            EXPECT_EQ(editor.PotSalva(), caz.valid || raspuns == QMessageBox::Yes) << caz.text;
            EXPECT_EQ(mesaje.Texte, caz.valid ? QStringList{} : QStringList{intrebare}) << caz.text;
        }
    }
}

TEST(EditoareCamp, EditorulDeBazaRefuzaSalvarea) {
    TEditorGeneric editor;
    MesajeInregistrate mesaje;
    EXPECT_FALSE(editor.PotSalva());
    EXPECT_EQ(mesaje.Texte,
              QStringList{QStringLiteral(
                  "Functioa \"PotSalva\" nu este implementata pentru TEditorGeneric")});
}

TEST(EditoareCamp, UnEditorPentruFiecareTipDeDate) {
    const struct {
        const char* tip;
        const char* clasa;
    } cazuri[] = {{"TEXT", "TEditorCampText"},
                  {"CNP", "TEditorCampCNP"},
                  {"NOTA", "TEditorCampNota"},
                  {"CALIFICATIV", "TEditorCampCalificativ"},
                  {"CF", "TEditorCampCF"},
                  {"SIRUES", "TEditorCampSirues"},
                  {"NOTA sau CALIFICATIV", "TEditorGenericNotaSauCalificativ"},
                  {"nota", nullptr},
                  {"DATA", nullptr}};
    QWidget parinte;
    for (const auto& caz : cazuri) {
        TEditorGeneric* editor = CreeazaEditorCamp(QString::fromUtf8(caz.tip), &parinte);
        EXPECT_EQ(ExistaEditorCamp(QString::fromUtf8(caz.tip)), caz.clasa != nullptr);
        if (!caz.clasa) {
            EXPECT_EQ(editor, nullptr) << caz.tip;
            continue;
        }
        ASSERT_NE(editor, nullptr) << caz.tip;
        EXPECT_STREQ(editor->metaObject()->className(), caz.clasa);
        EXPECT_EQ(editor->parentWidget(), &parinte);
        EXPECT_EQ(editor->height(), 36);
    }
}

TEST(EditoareCamp, TextulAfisatAlInregistrarii) {
    const struct {
        const char* brut;
        const char* curat;
    } cazuri[] = {{"Liceul X; ; ; ", "Liceul X"},
                  {"Liceul X; ; ; ; Iasi", "Liceul X; Iasi"},
                  {"A; B", "A; B"},
                  {"; ; ;", ""},
                  {"A;;", "A"}};
    for (const auto& caz : cazuri)
        EXPECT_EQ(CurataTextAfisat(QString::fromUtf8(caz.brut)), QString::fromUtf8(caz.curat))
            << caz.brut;
}

// A real database in a temporary program folder, with one student (1) and one school (1).
class EditoareInBaza : public ::testing::Test {
protected:
    void SetUp() override {
        ExecutaToate({QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)"),
                      QStringLiteral("insert into SCOALA (ID_SCOALA) values (1)")});
    }

    void ScrieScoala(int id, const QString& camp, const QString& text) {
        TScriere scriere(DM().Tr());
        DM().ScrieValoare(F, P, camp, Scoala, -1, id, text, 256);
        scriere.Confirma();
    }

    template <class T> void Salveaza(T& editor, int idElev) {
        TScriere scriere(DM().Tr());
        editor.Salveaza(idElev, -1, Elevi);
        scriere.Confirma();
    }

    // VALOARE_TEXT, VALOARE_NUM, ID_ELEVI, ID_SCOALA, IDF_SCOALA of a field's rows.
    std::vector<std::vector<QVariant>> RanduriCamp(const QString& camp) {
        return Randuri(
            QStringLiteral("select VALOARE_TEXT, VALOARE_NUM, ID_ELEVI, ID_SCOALA, IDF_SCOALA "
                           "from \"DATE\" where COD_CAMP = '%1'")
                .arg(camp));
    }

    TProgramTemporar program;
};

TEST_F(EditoareInBaza, TextulSeInsereazaApoiSeActualizeazaPentruElevDoar) {
    {
        TEditorCampText editor;
        editor.Incarca(F, P, QStringLiteral("C_NUME_L1"), Elevi, 1, -1);
        EXPECT_EQ(editor.IdInregistrare, 1);
        EXPECT_EQ(editor.TextControl(), QString());
        editor.Combo->setEditText(QStringLiteral("  @Stiin@tele "));
        ASSERT_TRUE(editor.PotSalva());
        EXPECT_EQ(editor.TextControl(), QStringLiteral("  Ştiinţele "));
        Salveaza(editor, 1);
    }
    std::vector<std::vector<QVariant>> randuri = RanduriCamp(QStringLiteral("C_NUME_L1"));
    ASSERT_EQ(randuri.size(), 1u);
    EXPECT_EQ(randuri[0][0].toString(), QStringLiteral("Ştiinţele"));
    EXPECT_EQ(randuri[0][1].toInt(), 0);
    EXPECT_EQ(randuri[0][2].toInt(), 1);
    EXPECT_TRUE(randuri[0][3].isNull());

    // A row that also names the school still belongs to the student alone after the update.
    ExecutaToate({QStringLiteral(
        "update \"DATE\" set ID_SCOALA = 1 where COD_CAMP = 'C_NUME_L1' and ID_ELEVI = 1")});
    {
        TEditorCampText editor;
        editor.Incarca(F, P, QStringLiteral("C_NUME_L1"), Elevi, 1, -1);
        EXPECT_EQ(editor.TextControl(), QStringLiteral("Ştiinţele"));
        editor.Combo->setEditText(QStringLiteral("a@xb"));
        ASSERT_TRUE(editor.PotSalva());
        Salveaza(editor, 1);
    }
    randuri = RanduriCamp(QStringLiteral("C_NUME_L1"));
    ASSERT_EQ(randuri.size(), 1u);
    EXPECT_EQ(randuri[0][0].toString(), QStringLiteral("ab"));
    EXPECT_EQ(randuri[0][2].toInt(), 1);
    EXPECT_TRUE(randuri[0][3].isNull());
}

TEST_F(EditoareInBaza, TextulArePropuneriDinValorileCampului) {
    ExecutaToate({QStringLiteral("insert into ELEVI (ID_ELEVI) values (2)"),
                  QStringLiteral("insert into ELEVI (ID_ELEVI) values (3)")});
    for (const auto& [id, text] : {std::pair{1, "Istorie"}, {2, "Istorie"}, {3, "Geografie"}}) {
        TEditorCampText editor;
        editor.Incarca(F, P, QStringLiteral("C_NUME_L2"), Elevi, id, -1);
        editor.Combo->setEditText(QString::fromUtf8(text));
        Salveaza(editor, id);
    }
    TEditorCampText editor;
    editor.Incarca(F, P, QStringLiteral("C_NUME_L2"), Elevi, 3, -1);
    QStringList propuneri;
    for (int i = 0; i < editor.Combo->count(); ++i)
        propuneri << editor.Combo->itemText(i);
    propuneri.sort();
    EXPECT_EQ(propuneri, (QStringList{QStringLiteral("Geografie"), QStringLiteral("Istorie")}));
    EXPECT_EQ(editor.TextControl(), QStringLiteral("Geografie"));

    ASSERT_NE(editor.Combo->completer(), nullptr);
    editor.SeteazaGhiceste(false);
    EXPECT_EQ(editor.Combo->completer(), nullptr);
}

TEST_F(EditoareInBaza, ValoareaSalvataEsteTaiataSiFaraSpatii) {
    const QString lung(300, u'x');
    const struct {
        const char* camp;
        bool text;
        QString intrare;
        QString salvat;
    } cazuri[] = {
        {"C_NUME_L1", true, lung, lung.left(256)},
        {"C_ABREVIERE", false, lung, lung.left(64)},
        {"C_NUME_L2", true, QStringLiteral("  Ion Popescu \t"), QStringLiteral("Ion Popescu")},
        {"C_CNP", false, QStringLiteral(" 1800101221144 "), QStringLiteral("1800101221144")},
    };
    for (const auto& caz : cazuri) {
        const QString camp = QString::fromUtf8(caz.camp);
        if (caz.text) {
            TEditorCampText editor;
            editor.Incarca(F, P, camp, Elevi, 1, -1);
            editor.SeteazaTextControl(caz.intrare);
            Salveaza(editor, 1);
        } else {
            TEditorCampCalificativ editor;
            editor.Incarca(F, P, camp, Elevi, 1, -1);
            editor.SeteazaTextControl(caz.intrare);
            Salveaza(editor, 1);
        }
        EXPECT_EQ(Scalar(QStringLiteral("select VALOARE_TEXT from \"DATE\" where "
                                        "COD_CAMP = '%1' and ID_ELEVI = 1")
                             .arg(camp))
                      .toString(),
                  caz.salvat)
            << caz.camp;
    }
}

TEST_F(EditoareInBaza, NotaStocataSeAfiseazaCuDouaZecimaleSauGol) {
    const struct {
        const char* stocat; // nullptr: no row
        const char* afisat;
    } cazuri[] = {{"9.5", "9,50"}, {"7,456", "7,45"}, {"10", "10,00"}, {"0", ""},
                  {"abc", ""},     {"", ""},          {nullptr, ""}};
    int id = 10;
    for (const auto& caz : cazuri) {
        ExecutaToate({QStringLiteral("insert into ELEVI (ID_ELEVI) values (%1)").arg(id)});
        if (caz.stocat) {
            TScriere scriere(DM().Tr());
            DM().ScrieValoare(F, P, Media, Elevi, id, -1, QString::fromUtf8(caz.stocat), 64);
            scriere.Confirma();
        }
        TEditorCampNota editor;
        editor.Incarca(F, P, Media, Elevi, id, -1);
        EXPECT_EQ(editor.Nota->Text(), QString::fromUtf8(caz.afisat)) << caz.stocat;
        ++id;
    }

    // A loaded grade is saved as it is shown.
    TEditorCampNota editor;
    editor.Incarca(F, P, Media, Elevi, 10, -1);
    ASSERT_TRUE(editor.PotSalva());
    Salveaza(editor, 10);
    EXPECT_EQ(Scalar(QStringLiteral("select VALOARE_TEXT from \"DATE\" where COD_CAMP "
                                    "= 'MEDIA' and ID_ELEVI = 10")),
              QVariant(QStringLiteral("9,50")));
}

TEST_F(EditoareInBaza, ListaPreselecteazaSinguraScoalaPentruUnElevNou) {
    ScrieScoala(1, QStringLiteral("C_UNITATEA_L1"), QStringLiteral("Liceul Teoretic"));
    TEditorCampLista lista;
    lista.Incarca(QString(), QString(), QString(), Scoala, -1, -1);
    EXPECT_EQ(lista.TabelLegat, Scoala);
    ASSERT_EQ(lista.Lista->count(), 2);
    EXPECT_EQ(lista.Lista->itemText(0), QStringLiteral("-= fara selectie =-"));
    EXPECT_EQ(lista.Lista->currentIndex(), 1);
    EXPECT_EQ(lista.IdSelectat(), 1);
    const QString afisat = lista.Lista->itemText(1);
    EXPECT_TRUE(afisat.startsWith(QStringLiteral("Liceul Teoretic"))) << afisat;
    EXPECT_FALSE(afisat.endsWith(u';') || afisat.contains(QStringLiteral("; ;"))) << afisat;

    // A saved student without a link chooses nothing, even with one school.
    TEditorCampLista aElevului;
    aElevului.Incarca(QString(), QString(), QString(), Scoala, 1, -1);
    EXPECT_EQ(aElevului.Lista->currentIndex(), 0);
}

TEST_F(EditoareInBaza, LegaturaNulaApoiAleasaPeAceleasiRanduri) {
    ExecutaToate({QStringLiteral("insert into SCOALA (ID_SCOALA) values (2)")});
    ScrieScoala(2, QStringLiteral("C_UNITATEA_L1"), QStringLiteral("Colegiul National"));
    const int campuriScoala = Scalar(QStringLiteral("select count(*) from PROFIL_DIPLOMA "
                                                    "where ASOCIAT_CU = 'SCOALA'"))
                                  .toInt();
    ASSERT_GT(campuriScoala, 0);
    auto randuriLegatura = [&] {
        return Randuri(QStringLiteral("select IDF_SCOALA, VALOARE_NUM from \"DATE\" "
                                      "where ID_ELEVI = 1"));
    };

    {
        TEditorCampLista lista;
        lista.Incarca(QString(), QString(), QString(), Scoala, -1, -1);
        ASSERT_EQ(lista.Lista->count(), 3);
        EXPECT_EQ(lista.Lista->currentIndex(), 0);
        EXPECT_EQ(MesajulErorii([&] { lista.Salveaza(1, -1, Elevi); }),
                  QStringLiteral("Nu am tranzactia deschisa!"));
        Salveaza(lista, 1);
    }
    std::vector<std::vector<QVariant>> randuri = randuriLegatura();
    ASSERT_EQ(int(randuri.size()), campuriScoala);
    for (const std::vector<QVariant>& rand : randuri) {
        EXPECT_TRUE(rand[0].isNull());
        EXPECT_EQ(rand[1].toInt(), 0);
    }

    {
        TEditorCampLista lista;
        lista.Incarca(QString(), QString(), QString(), Scoala, 1, -1);
        EXPECT_EQ(lista.Lista->currentIndex(), 0);
        const int index = int(lista.IduriInregistrari.indexOf(QStringLiteral("2"))) + 1;
        ASSERT_GT(index, 0);
        lista.Lista->setCurrentIndex(index);
        Salveaza(lista, 1);
    }
    randuri = randuriLegatura();
    ASSERT_EQ(int(randuri.size()), campuriScoala);
    for (const std::vector<QVariant>& rand : randuri)
        EXPECT_EQ(rand[0].toInt(), 2);
    EXPECT_EQ(DM().ValoareCamp(F, P, QStringLiteral("C_UNITATEA_L1"), 1, -1),
              QStringLiteral("Colegiul National"));

    TEditorCampLista lista;
    lista.Incarca(QString(), QString(), QString(), Scoala, 1, -1);
    EXPECT_EQ(lista.IdSelectat(), 2);
}
} // namespace
