#include "Ajutor.h"
#include "DateCertificat.h"
#include "ProgramTemporar.h"
#include "app/ButonFormular.h"
#include "app/ListaElevi.h"
#include "store/DM.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

namespace {
QStringList Aratati(const TListaElevi& lista) {
    QStringList texte;
    const QAbstractItemModel* model = lista.VT->model();
    for (int i = 0; i < model->rowCount(); ++i)
        texte << model->index(i, 0).data().toString();
    return texte;
}

void Selecteaza(TListaElevi& lista, int rand) {
    lista.VT->setCurrentIndex(lista.VT->model()->index(rand, 0));
}

class ListaElevi : public ::testing::Test {
protected:
    TProgramTemporar program;
};

TEST_F(ListaElevi, FaraEleviFiecareActiuneCereSelectie) {
    TListaElevi lista;
    lista.IncarcaElevi();
    EXPECT_TRUE(Aratati(lista).isEmpty());
    // One document registered: 4 + 128 + 4 + 4.
    ASSERT_EQ(lista.ButoaneDocumente.size(), 1u);
    EXPECT_EQ(lista.Panel2->width(), 140);
    EXPECT_EQ(lista.ButoaneDocumente[0]->toolTip(),
              QStringLiteral("Certificat de absolvire a ciclului inferior al liceului"));
    MesajeInregistrate mesaje;
    lista.RzBitBtn2->click();
    lista.RzBitBtn3->click();
    lista.ButoaneDocumente[0]->click();
    EXPECT_EQ(mesaje.Texte, QStringList(3, QStringLiteral("Va rog selectati un elev!")));
}

TEST_F(ListaElevi, TexteleSiCautarea) {
    const int scoala = AdaugaScoala(ScoalaCompleta());
    AdaugaElev(ElevComplet(QStringLiteral("1940512123456"), QStringLiteral("POPESCU")), scoala);
    AdaugaElev(ElevComplet(QStringLiteral("2950101123457"), QStringLiteral("Ionescu")), scoala);
    TListaElevi lista;
    lista.IncarcaElevi();
    EXPECT_EQ(Aratati(lista),
              (QStringList{QStringLiteral("POPESCU Ţuţu / POPESCU Ţuţu (1940512123456)"),
                           QStringLiteral("Ionescu Ţuţu / Ionescu Ţuţu (2950101123457)")}));
    const struct {
        const char* cautat;
        int gasiti;
    } cazuri[] = {{"POP", 1}, {"pop", 0}, {"   ", 2}, {"Ţuţu", 2}, {"29501", 1}, {"", 2}};
    for (const auto& caz : cazuri) {
        lista.RzEdit1->setText(QString::fromUtf8(caz.cautat));
        EXPECT_EQ(Aratati(lista).size(), caz.gasiti) << caz.cautat;
    }
}

TEST_F(ListaElevi, StergereaCuConfirmare) {
    const int scoala = AdaugaScoala(ScoalaCompleta());
    const int pastrat =
        AdaugaElev(ElevComplet(QStringLiteral("1940512123456"), QStringLiteral("A")), scoala);
    const int sters =
        AdaugaElev(ElevComplet(QStringLiteral("2950101123457"), QStringLiteral("B")), scoala);
    TListaElevi lista;
    lista.IncarcaElevi();
    Selecteaza(lista, 1);
    {
        MesajeInregistrate nu(QMessageBox::No);
        lista.RzBitBtn3->click();
        ASSERT_EQ(nu.Texte.size(), 1);
        EXPECT_TRUE(nu.Texte[0].startsWith(QStringLiteral("Doriti sa stergeti elevul: ")));
    }
    EXPECT_EQ(Aratati(lista).size(), 2);
    {
        MesajeInregistrate da(QMessageBox::Yes);
        lista.RzBitBtn3->click();
    }
    EXPECT_EQ(Aratati(lista).size(), 1);
    // The student's values and links went with it; the other student and the school stayed.
    EXPECT_EQ(
        program
            .Valoare(QStringLiteral("select count(*) from \"DATE\" where ID_ELEVI = %1").arg(sters))
            .toInt(),
        0);
    EXPECT_GT(
        program
            .Valoare(
                QStringLiteral("select count(*) from \"DATE\" where ID_ELEVI = %1").arg(pastrat))
            .toInt(),
        0);
    EXPECT_EQ(DM().ValoareCamp(QStringLiteral("CertificatAbsolvireCicluInfLiceu"),
                               QStringLiteral("FATA"), QStringLiteral("C_JUDETUL"), -1, scoala),
              QStringLiteral("Gorj"));
}
} // namespace
