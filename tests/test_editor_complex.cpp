#include "Ajutor.h"
#include "ProgramTemporar.h"
#include "app/ListaElevi.h"
#include "controls/QebEditors.h"
#include "entry/AdaugaElev.h"
#include "entry/EditoareCamp.h"
#include "entry/EditorGenericComplex.h"
#include "store/DM.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <functional>

namespace {
const QString Elevi = QStringLiteral("ELEVI");

TEST(EditorComplex, TitlulTabuluiPeLinii) {
    const struct {
        const char* formular;
        const char* titlu;
        const char* peLinii;
    } cazuri[] = {
        {"CertificatAbsolvireCicluInfLiceu", " Certificat Absolvire Ciclu Inf Liceu",
         " Certificat\nAbsolvire\nCiclu\nInf\nLiceu"},
        {"FormularUnu", " Formular Unu", " Formular Unu"},
        {"Alte elemente de configurare", " Alte elemente de configurare",
         " Alte elemente\nde\nconfigurare"},
        {"note", "note", "note"},
    };
    for (const auto& caz : cazuri) {
        const QString titlu = TitluTab(QString::fromUtf8(caz.formular));
        EXPECT_EQ(titlu, QString::fromUtf8(caz.titlu));
        EXPECT_EQ(TitluPeLinii(titlu), QString::fromUtf8(caz.peLinii));
    }
}

TEST(EditorComplex, LiniaImparteLatimeaDupaLatimileSugerate) {
    const struct {
        std::vector<int> sugerate;
        int latimeLinie;
        std::vector<int> latimi;
    } cazuri[] = {
        {{100, 100, 200}, 400, {100, 100, 200}},
        {{100, 100, 200}, 40, {16, 16, 20}},
        {{300, 150}, 600, {400, 200}},
        {{0, 0, 0}, 300, {100, 100, 100}}, // no width asked for: equal shares
        {{0, 0}, 20, {16, 16}},
    };
    for (const auto& caz : cazuri) {
        TLinieGrupare linie;
        linie.show();
        for (const int sugerata : caz.sugerate) {
            auto* editor = new TEditorCampCF;
            editor->LatimeSugerata = sugerata;
            linie.AdaugaEditor(editor);
        }
        linie.resize(caz.latimeLinie, linie.height());
        int x = 0;
        for (int i = 0; i < linie.Editoare.Count(); ++i) {
            const QRect loc = linie.Editoare.Item(i)->geometry();
            EXPECT_EQ(loc.width(), caz.latimi[size_t(i)]) << caz.latimeLinie << " #" << i;
            EXPECT_EQ(loc.x(), x);
            x += loc.width();
        }
    }
}

// The editor whose caption is `eticheta`, of class T.
template <class T> T* Editorul(const TEditorGenericComplex& complex, const QString& eticheta) {
    for (TEditorGeneric* editor : complex.Editoare)
        if (editor->Eticheta->text() == eticheta)
            return qobject_cast<T*>(editor);
    return nullptr;
}

template <class T> T* Parinte(QWidget* w) {
    for (QWidget* p = w ? w->parentWidget() : nullptr; p; p = p->parentWidget())
        if (auto* gasit = qobject_cast<T*>(p))
            return gasit;
    return nullptr;
}

QString TitluTabului(const TEditorGenericComplex& complex, QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget())
        if (const int index = complex.PC->indexOf(p); index >= 0)
            return complex.PC->tabText(index);
    return {};
}

class EditorComplexInBaza : public ::testing::Test {
protected:
    struct TRand {
        const char* formular;
        const char* camp;
        const char* tip;
        const char* asociat;
        const char* eticheta;
        int latime = -1; // -1: NULL
        const char* linie = nullptr;
        const char* grup = nullptr;
        const char* similar = nullptr;
        const char* onorez = "DA";
    };

    static QString Sql(const char* text) {
        if (!text)
            return QStringLiteral("NULL");
        return u'\'' + QString::fromUtf8(text).replace(u'\'', QStringLiteral("''")) + u'\'';
    }

    // Replaces the profile rows in the database.
    void ScrieProfil(const std::vector<TRand>& randuri) {
        QStringList sql{QStringLiteral("delete from PROFIL_DIPLOMA")};
        for (const TRand& r : randuri)
            sql << QStringLiteral("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, "
                                  "COD_CAMP, SIMILAR_CU, ONOREZ_SIMILAR, ETICHETA_EDITOR, "
                                  "TIP_DE_DATE, ASOCIAT_CU, GRUP, LATIME_SUGERATA, COD_LINIE) "
                                  "values (%1, 'P', %2, %3, %4, %5, %6, %7, %8, %9, %10)")
                       .arg(Sql(r.formular), Sql(r.camp), Sql(r.similar), Sql(r.onorez),
                            Sql(r.eticheta), Sql(r.tip), Sql(r.asociat), Sql(r.grup),
                            r.latime < 0 ? QStringLiteral("NULL") : QString::number(r.latime),
                            Sql(r.linie));
        ExecutaToate(sql);
    }

    // Two forms, a group spread over both, a line of three editors, a copied field and a
    // school whose fields lie on both forms.
    void ProfilDeTest() {
        ScrieProfil({
            {"FormularUnu", "NUME", "TEXT", "ELEVI", "[Elev]Nume"},
            {"FormularUnu", "CNP", "CNP", "ELEVI", "[Elev]CNP"},
            {"FormularUnu", "MATE", "NOTA", "ELEVI", "[Note]Matematica", 100, "L"},
            {"FormularUnu", "ROMANA", "NOTA", "ELEVI", "[Note]Romana", 100, "L"},
            {"FormularUnu", "PURTARE", "NOTA sau CALIFICATIV", "ELEVI", "[Note]Purtare", 200, "l"},
            {"FormularDoi", "ISTORIE", "NOTA", "ELEVI", "[Note]Istorie"},
            {"FormularDoi", "OBS", "CALIFICATIV", "ELEVI", "Observatii"},
            {"FormularDoi", "COPIE", "TEXT", "ELEVI", "Copie", -1, nullptr, nullptr,
             "FormularUnu.P.NUME", "DA"},
            {"FormularDoi", "COPIE_NU", "TEXT", "ELEVI", "Copie proprie", -1, nullptr, nullptr,
             "FormularUnu.P.NUME", "NU"},
            {"FormularUnu", "DEN", "TEXT", "SCOALA", "[Unitate]Denumire", -1, nullptr, "Scoala"},
            {"FormularDoi", "LOC", "TEXT", "SCOALA", "[Unitate]Localitate", -1, nullptr, "Scoala"},
        });
    }

    int Numar(const QString& tabel) {
        return Scalar(QStringLiteral("select count(*) from ") + tabel).toInt();
    }

    TProgramTemporar program;
};

TEST_F(EditorComplexInBaza, TaburiGrupuriSiLiniiDinProfil) {
    ProfilDeTest();
    TEditorGenericComplex complex;
    complex.Construieste(-1, -1, Elevi);
    EXPECT_FALSE(DM().Tr().Activa());

    // Eight fields (the "DA" copy has none) and the school's list.
    ASSERT_EQ(complex.Editoare.Count(), 9);
    EXPECT_EQ(Editorul<TEditorGeneric>(complex, QStringLiteral("Copie")), nullptr);
    EXPECT_NE(Editorul<TEditorCampText>(complex, QStringLiteral("Copie proprie")), nullptr);
    EXPECT_NE(Editorul<TEditorCampCNP>(complex, QStringLiteral("CNP")), nullptr);
    EXPECT_NE(Editorul<TEditorCampCalificativ>(complex, QStringLiteral("Observatii")), nullptr);

    QStringList taburi;
    for (int i = 0; i < complex.PC->count(); ++i)
        taburi << complex.PC->tabText(i);
    taburi.sort();
    EXPECT_EQ(taburi,
              (QStringList{QStringLiteral(" Alte elemente\nde\nconfigurare"),
                           QStringLiteral(" Formular Doi"), QStringLiteral(" Formular Unu")}));
    EXPECT_FALSE(complex.PC->tabBar()->isHidden());
    EXPECT_EQ(complex.PC->currentIndex(), 0);
    if (const QString cale = qEnvironmentVariable("CERTALIV_CAPTURA_TABURI"); !cale.isEmpty()) {
        complex.resize(700, 400);
        complex.show();
        complex.grab().save(cale);
    }

    // The line of grades, its code compared without regard to case.
    auto* mate = Editorul<TEditorCampNota>(complex, QStringLiteral("Matematica"));
    ASSERT_NE(mate, nullptr);
    auto* linie = qobject_cast<TLinieGrupare*>(mate->parentWidget());
    ASSERT_NE(linie, nullptr);
    EXPECT_EQ(linie->Editoare.Count(), 3);
    EXPECT_EQ(Editorul<TEditorCampNota>(complex, QStringLiteral("Romana"))->parentWidget(), linie);
    EXPECT_EQ(Editorul<TEditorGenericNotaSauCalificativ>(complex, QStringLiteral("Purtare"))
                  ->parentWidget(),
              linie);
    linie->resize(400, linie->height());
    linie->RecalculeazaLatimi(); // hidden: no resize event yet
    for (TEditorGeneric* editor : linie->Editoare)
        EXPECT_EQ(editor->width(), editor->LatimeSugerata);

    // History lies on the second form but joins the group made first.
    auto* grupNote = Parinte<TFrmGrup>(mate);
    ASSERT_NE(grupNote, nullptr);
    EXPECT_EQ(grupNote->NumeGrup, QStringLiteral("Note"));
    EXPECT_EQ(grupNote->EtichetaGrup->text(), QStringLiteral("Note"));
    EXPECT_EQ(Parinte<TFrmGrup>(Editorul<TEditorGeneric>(complex, QStringLiteral("Istorie"))),
              grupNote);
    EXPECT_EQ(grupNote->height(), 2 * 36 + grupNote->EtichetaGrup->height() + 16);
    EXPECT_EQ(Parinte<TFrmGrup>(Editorul<TEditorGeneric>(complex, QStringLiteral("Observatii"))),
              nullptr);
    EXPECT_EQ(
        TitluTabului(complex, Editorul<TEditorGeneric>(complex, QStringLiteral("Observatii"))),
        QStringLiteral(" Formular Doi"));

    // The school's fields lie on two forms: its list goes to a tab of its own.
    auto* lista = Editorul<TEditorCampLista>(
        complex,
        QStringLiteral("SCOALA - ") + Scalar(QStringLiteral("select EXP_DENUMIRE from TABELE "
                                                            "where NUME_TABEL = 'SCOALA'"))
                                          .toString());
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->TabelLegat, QStringLiteral("SCOALA"));
    EXPECT_EQ(TitluTabului(complex, lista), QStringLiteral(" Alte elemente\nde\nconfigurare"));
    ASSERT_NE(Parinte<TFrmGrup>(lista), nullptr);
    EXPECT_EQ(Parinte<TFrmGrup>(lista)->NumeGrup, QStringLiteral("Scoala"));
}

TEST_F(EditorComplexInBaza, AltTabelNuPrimesteListeDeLegatura) {
    ProfilDeTest();
    ExecutaToate({QStringLiteral("insert into SCOALA (ID_SCOALA) values (1)")});
    TEditorGenericComplex complex;
    complex.Construieste(-1, 1, QStringLiteral("SCOALA"));
    ASSERT_EQ(complex.Editoare.Count(), 2);
    for (TEditorGeneric* editor : complex.Editoare) {
        EXPECT_EQ(qobject_cast<TEditorCampLista*>(editor), nullptr);
        EXPECT_EQ(editor->IdInregistrare, 1);
    }
    // The second form's field joins the group made on the first form, so no second tab.
    EXPECT_EQ(complex.PC->count(), 1);
    EXPECT_TRUE(complex.PC->tabBar()->isHidden());
}

TEST_F(EditorComplexInBaza, TipNecunoscutOpresteConstructia) {
    ScrieProfil({{"FormularUnu", "NUME", "TEXT", "ELEVI", "Nume"},
                 {"FormularUnu", "NASTERE", "DATA", "ELEVI", "Data nasterii"}});
    TEditorGenericComplex complex;
    EXPECT_EQ(MesajulErorii([&] { complex.Construieste(-1, -1, Elevi); }),
              QStringLiteral("Nu stiu afisa tipul de date DATA"));
    EXPECT_FALSE(DM().Tr().Activa());
}

TEST_F(EditorComplexInBaza, SalvareaCereTranzactiaDeschisa) {
    ProfilDeTest();
    TEditorGenericComplex complex;
    complex.Construieste(-1, -1, Elevi);
    EXPECT_EQ(MesajulErorii([&] { complex.SalveazaTot(1, -1, Elevi); }),
              QStringLiteral("Tranzactia trebuie sa fie DESCHISA in momentul in care salvez"));
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\"")), 0);
}

TEST_F(EditorComplexInBaza, ElevulDinProfilulCertificatului) {
    ExecutaToate({QStringLiteral("insert into SCOALA (ID_SCOALA) values (1)")});
    {
        TScriere scriere(DM().Tr());
        for (const auto& [camp, text] :
             {std::pair{"C_UNITATEA_L1", "Liceul Teoretic Mihai Eminescu"},
              {"C_LOCALITATEA", "Iasi"},
              {"C_JUDETUL", "Iasi"}})
            DM().ScrieValoare(QStringLiteral("CertificatAbsolvireCicluInfLiceu"),
                              QStringLiteral("FATA"), QString::fromUtf8(camp),
                              QStringLiteral("SCOALA"), -1, 1, QString::fromUtf8(text), 256);
        scriere.Confirma();
    }
    TAdaugaElev fereastra;
    fereastra.ElevNou();
    TEditorGenericComplex& complex = *fereastra.Editor;
    EXPECT_EQ(fereastra.windowTitle(), QStringLiteral("Adauga elev"));
    EXPECT_EQ(fereastra.IdElev, -1);
    EXPECT_EQ(complex.PC->count(), 1);
    EXPECT_TRUE(complex.PC->tabBar()->isHidden());
    // Five student fields (the right part's copies have none) and the school.
    EXPECT_EQ(complex.Editoare.Count(), 6);
    auto* scoala = qobject_cast<TEditorCampLista*>(complex.Editoare.Item(5));
    ASSERT_NE(scoala, nullptr);
    EXPECT_EQ(scoala->Eticheta->text(), QStringLiteral("SCOALA - "));
    EXPECT_TRUE(
        scoala->Lista->currentText().startsWith(QStringLiteral("Liceul Teoretic Mihai Eminescu;")))
        << scoala->Lista->currentText();

    // A look at the window, when asked for.
    if (const QString cale = qEnvironmentVariable("CERTALIV_CAPTURA"); !cale.isEmpty()) {
        fereastra.resize(900, 500);
        fereastra.show();
        fereastra.grab().save(cale);
    }

    auto* nume = Editorul<TEditorCampText>(complex, QStringLiteral("Numele elevului (linia 1)"));
    auto* cnp = Editorul<TEditorCampCNP>(complex, QStringLiteral("Codul numeric personal"));
    ASSERT_TRUE(nume && cnp);
    nume->Combo->setEditText(QStringLiteral("Popescu"));
    cnp->Edit->setText(QStringLiteral("1800101221144"));
    {
        MesajeInregistrate mesaje;
        fereastra.BtnOkClick();
        EXPECT_EQ(mesaje.Texte, QStringList{});
    }
    EXPECT_EQ(fereastra.result(), QDialog::Accepted);
    const int id = fereastra.IdElev;
    ASSERT_GT(id, 0);
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 1);
    const QString f = QStringLiteral("CertificatAbsolvireCicluInfLiceu");
    const QString p = QStringLiteral("FATA");
    EXPECT_EQ(DM().ValoareCamp(f, p, QStringLiteral("A_CNP"), id, -1),
              QStringLiteral("1800101221144"));
    // The only school was preselected and linked.
    EXPECT_EQ(
        Scalar(QStringLiteral("select count(*) from \"DATE\" where ID_ELEVI = %1 and "
                              "IDF_SCOALA = 1")
                   .arg(id))
            .toInt(),
        Scalar(QStringLiteral("select count(*) from PROFIL_DIPLOMA where ASOCIAT_CU = 'SCOALA'"))
            .toInt());
    const int randuri = Numar(QStringLiteral("\"DATE\""));

    // Changing the student updates its rows and adds no student.
    TAdaugaElev modifica;
    modifica.EditeazaElev(id);
    auto* numeIncarcat =
        Editorul<TEditorCampText>(*modifica.Editor, QStringLiteral("Numele elevului (linia 1)"));
    ASSERT_NE(numeIncarcat, nullptr);
    EXPECT_EQ(numeIncarcat->TextControl(), QStringLiteral("Popescu"));
    EXPECT_EQ(Editorul<TEditorCampLista>(*modifica.Editor,
                                         QStringLiteral("SCOALA - ") +
                                             Scalar(QStringLiteral("select EXP_DENUMIRE "
                                                                   "from TABELE where "
                                                                   "NUME_TABEL = 'SCOALA'"))
                                                 .toString())
                  ->IdSelectat(),
              1);
    numeIncarcat->Combo->setEditText(QStringLiteral("Ionescu"));
    modifica.BtnOkClick();
    EXPECT_EQ(modifica.result(), QDialog::Accepted);
    EXPECT_EQ(modifica.IdElev, id);
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 1);
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\"")), randuri);
    EXPECT_EQ(DM().ValoareCamp(f, p, QStringLiteral("C_NUME_L1"), id, -1),
              QStringLiteral("Ionescu"));
}

TEST_F(EditorComplexInBaza, NotaGresitaNuSalveazaNimic) {
    ProfilDeTest();
    const QVariant generator =
        Scalar(QStringLiteral("select GEN_ID(G_ID_ELEVI, 0) from RDB$DATABASE"));
    TAdaugaElev fereastra;
    fereastra.ElevNou();
    auto* mate = Editorul<TEditorCampNota>(*fereastra.Editor, QStringLiteral("Matematica"));
    ASSERT_NE(mate, nullptr);
    mate->Nota->SetText(QStringLiteral("4,50"));
    Editorul<TEditorCampCNP>(*fereastra.Editor, QStringLiteral("CNP"))
        ->Edit->setText(QStringLiteral("1800101221144"));
    {
        MesajeInregistrate mesaje;
        fereastra.BtnOkClick();
        EXPECT_EQ(mesaje.Texte, QStringList{QStringLiteral("Nota este prea mica")});
    }
    EXPECT_NE(fereastra.result(), QDialog::Accepted);
    EXPECT_EQ(fereastra.IdElev, -1);
    EXPECT_EQ(mate->Nota->Text(), QStringLiteral("4,50"));
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 0);
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\"")), 0);
    EXPECT_EQ(Scalar(QStringLiteral("select GEN_ID(G_ID_ELEVI, 0) from RDB$DATABASE")), generator);
}

TEST_F(EditorComplexInBaza, EroareaBazeiInTimpulSalvariiAnuleazaTot) {
    ProfilDeTest();
    // The database itself refuses one value, after the student and maybe other values were
    // written in the same transaction.
    ExecutaToate({QStringLiteral("alter table \"DATE\" add constraint CK_REFUZAT check "
                                 "(VALOARE_TEXT is distinct from 'refuzat')")});
    TAdaugaElev fereastra;
    fereastra.ElevNou();
    TEditorGenericComplex& complex = *fereastra.Editor;
    Editorul<TEditorCampText>(complex, QStringLiteral("Nume"))
        ->Combo->setEditText(QStringLiteral("Ion"));
    Editorul<TEditorCampCNP>(complex, QStringLiteral("CNP"))
        ->Edit->setText(QStringLiteral("1800101221144"));
    auto* observatii = Editorul<TEditorCampCalificativ>(complex, QStringLiteral("Observatii"));
    observatii->Edit->setText(QStringLiteral("refuzat"));

    const QString eroare = MesajulErorii([&] { fereastra.BtnOkClick(); });
    EXPECT_TRUE(eroare.contains(QStringLiteral("CK_REFUZAT"))) << eroare;
    EXPECT_FALSE(DM().Tr().Activa());
    EXPECT_NE(fereastra.result(), QDialog::Accepted);
    EXPECT_EQ(fereastra.IdElev, -1);
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 0);
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\"")), 0);

    // The input is still there; corrected, it saves.
    observatii->Edit->setText(QStringLiteral("bine"));
    fereastra.BtnOkClick();
    EXPECT_EQ(fereastra.result(), QDialog::Accepted);
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 1);
    EXPECT_EQ(DM().ValoareCamp(QStringLiteral("FormularUnu"), QStringLiteral("P"),
                               QStringLiteral("NUME"), fereastra.IdElev, -1),
              QStringLiteral("Ion"));
}

TEST_F(EditorComplexInBaza, GhicesteSiCursorulDupaAfisare) {
    ProfilDeTest();
    TAdaugaElev fereastra;
    fereastra.ElevNou();
    EXPECT_TRUE(fereastra.Ghiceste->isChecked());
    EXPECT_FALSE(fereastra.Timer->isActive());
    fereastra.show();
    EXPECT_TRUE(fereastra.Timer->isActive());
    EXPECT_EQ(fereastra.Timer->interval(), 200);

    auto* nume = Editorul<TEditorCampText>(*fereastra.Editor, QStringLiteral("Nume"));
    nume->Combo->setEditText(QStringLiteral("Popescu"));
    fereastra.TimerTimer();
    EXPECT_FALSE(fereastra.Timer->isActive());
    EXPECT_EQ(nume->Combo->lineEdit()->cursorPosition(), 0);

    fereastra.Ghiceste->click();
    EXPECT_FALSE(fereastra.Ghiceste->isChecked());
    EXPECT_EQ(nume->Combo->completer(), nullptr);
    fereastra.Ghiceste->click();
    EXPECT_NE(nume->Combo->completer(), nullptr);
}

// Answers the student window that the list opens modally, once its loop runs.
void LaFereastraModala(std::function<void(TAdaugaElev&)> raspuns) {
    QTimer::singleShot(0, [raspuns] {
        auto* fereastra = qobject_cast<TAdaugaElev*>(QApplication::activeModalWidget());
        ASSERT_NE(fereastra, nullptr);
        raspuns(*fereastra);
        if (fereastra->isVisible())
            fereastra->reject();
    });
}

TEST_F(EditorComplexInBaza, ListaElevilorAdaugaSiModificaPrinEditor) {
    TListaElevi lista;
    lista.IncarcaElevi();
    ASSERT_TRUE(lista.Elevi().empty());
    {
        MesajeInregistrate mesaje;
        lista.RzBitBtn2->click();
        EXPECT_EQ(mesaje.Texte, QStringList{QStringLiteral("Va rog selectati un elev!")});
    }

    LaFereastraModala([](TAdaugaElev& fereastra) {
        EXPECT_EQ(fereastra.IdElev, -1);
        Editorul<TEditorCampText>(*fereastra.Editor, QStringLiteral("Numele elevului (linia 1)"))
            ->Combo->setEditText(QStringLiteral("Popescu"));
        Editorul<TEditorCampCNP>(*fereastra.Editor, QStringLiteral("Codul numeric personal"))
            ->Edit->setText(QStringLiteral("1800101221144"));
        fereastra.BtnOk->click();
    });
    lista.RzBitBtn1->click();
    ASSERT_EQ(lista.Elevi().size(), 1u);
    EXPECT_TRUE(lista.Elevi()[0].TextAfisat.contains(QStringLiteral("Popescu")))
        << lista.Elevi()[0].TextAfisat;

    // "Renunt" changes nothing; the list is not reloaded.
    const int id = lista.Elevi()[0].IdElev;
    lista.VT->setCurrentIndex(lista.VT->model()->index(0, 0));
    LaFereastraModala([id](TAdaugaElev& fereastra) {
        EXPECT_EQ(fereastra.IdElev, id);
        Editorul<TEditorCampText>(*fereastra.Editor, QStringLiteral("Numele elevului (linia 1)"))
            ->Combo->setEditText(QStringLiteral("Ionescu"));
        fereastra.BtnRenunt->click();
    });
    lista.RzBitBtn2->click();
    EXPECT_TRUE(lista.Elevi()[0].TextAfisat.contains(QStringLiteral("Popescu")));

    LaFereastraModala([](TAdaugaElev& fereastra) {
        Editorul<TEditorCampText>(*fereastra.Editor, QStringLiteral("Numele elevului (linia 1)"))
            ->Combo->setEditText(QStringLiteral("Ionescu"));
        fereastra.BtnOk->click();
    });
    lista.RzBitBtn2->click();
    ASSERT_EQ(lista.Elevi().size(), 1u);
    EXPECT_EQ(lista.Elevi()[0].IdElev, id);
    EXPECT_TRUE(lista.Elevi()[0].TextAfisat.contains(QStringLiteral("Ionescu")))
        << lista.Elevi()[0].TextAfisat;
}
} // namespace
