#include "Ajutor.h"
#include "ProgramTemporar.h"
#include "entry/EditorGeneric.h"
#include "entry/EditorGenericComplex.h"
#include "entry/ListaGenerica.h"
#include "store/DM.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace {
class ListaGenerica : public ::testing::Test {
protected:
    TProgramTemporar program;
};

// Answers the record editor: types `denumire` into its first field and presses the button.
void Completeaza(QDialog* parinte, const QString& denumire, bool ok) {
    QTimer::singleShot(0, parinte, [=] {
        auto* editor = parinte->findChild<TEditeaza*>();
        ASSERT_NE(editor, nullptr);
        if (!denumire.isNull())
            editor->findChildren<QComboBox*>().first()->setCurrentText(denumire);
        (ok ? editor->BtnOk : editor->BtnRenunt)->click();
    });
}

TEST_F(ListaGenerica, AdaugaModificaSterge) {
    TListaGenerica lista;
    lista.NumeTabel = QStringLiteral("SCOALA");
    lista.Reincarca();
    EXPECT_TRUE(lista.Linii().empty());
    {
        MesajeInregistrate mesaje;
        lista.BtnModifica->click();
        lista.BtnSterge->click();
        EXPECT_EQ(mesaje.Texte, QStringList(2, QStringLiteral("Va rog selectati o linie!")));
    }

    Completeaza(&lista, QStringLiteral("Liceul Teoretic"), true);
    lista.BtnAdauga->click();
    ASSERT_EQ(lista.Linii().size(), 1u);
    const int id = lista.Linii()[0].IdInregistrare;
    EXPECT_TRUE(lista.Linii()[0].Denumire.contains(QStringLiteral("Liceul Teoretic")))
        << lista.Linii()[0].Denumire;

    // Cancelled: nothing new.
    Completeaza(&lista, QStringLiteral("Alta"), false);
    lista.BtnAdauga->click();
    EXPECT_EQ(lista.Linii().size(), 1u);

    lista.VT->setCurrentIndex(lista.VT->model()->index(0, 0));
    Completeaza(&lista, QStringLiteral("Colegiul National"), true);
    lista.BtnModifica->click();
    ASSERT_EQ(lista.Linii().size(), 1u);
    EXPECT_EQ(lista.Linii()[0].IdInregistrare, id);
    EXPECT_TRUE(lista.Linii()[0].Denumire.contains(QStringLiteral("Colegiul National")));

    lista.VT->setCurrentIndex(lista.VT->model()->index(0, 0));
    {
        MesajeInregistrate nu(QMessageBox::No);
        lista.BtnSterge->click();
        EXPECT_EQ(nu.Texte, QStringList{QStringLiteral("Doriti sa stergeti linia: ")});
    }
    EXPECT_EQ(lista.Linii().size(), 1u);
    {
        MesajeInregistrate da(QMessageBox::Yes);
        lista.BtnSterge->click();
    }
    EXPECT_TRUE(lista.Linii().empty());
    EXPECT_EQ(program.Valoare(QStringLiteral("select count(*) from SCOALA")).toInt(), 0);
}
} // namespace
