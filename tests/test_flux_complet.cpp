#include "Ajutor.h"
#include "DateCertificat.h"
#include "ImprimantePdf.h"
#include "MasuraPdf.h"
#include "ProgramTemporar.h"
#include "app/ButonFormular.h"
#include "app/CertalivMain.h"
#include "app/ListaElevi.h"
#include "app/cil/PrintCertificatForm.h"
#include "entry/AdaugaElev.h"
#include "entry/EditoareCamp.h"
#include "entry/EditorGenericComplex.h"
#include "entry/ListaGenerica.h"
#include "print/InsertPaper.h"
#include "print/SetariImprimanta.h"
#include "settings/RegistruUtilizator.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace {
// Acts on the next modal window of type T once it is shown.
template <class T> void LaFereastra(std::function<void(T&)> actiune) {
    auto* ceas = new QTimer(qApp);
    ceas->setInterval(10);
    QObject::connect(ceas, &QTimer::timeout, [ceas, actiune] {
        if (auto* fereastra = qobject_cast<T*>(QApplication::activeModalWidget())) {
            ceas->stop();
            ceas->deleteLater();
            actiune(*fereastra);
        }
    });
    ceas->start();
}

// Types each value into the editor of its field, as the secretary would.
void Completeaza(TEditorGenericComplex& editor, const TValori& valori) {
    for (TEditorGeneric* camp : editor.Editoare) {
        if (!valori.contains(camp->CodCamp))
            continue;
        if (auto* text = dynamic_cast<TEditorCampText*>(camp))
            text->Combo->setCurrentText(valori[camp->CodCamp]);
        else if (auto* linie = dynamic_cast<TEditorCampLinie*>(camp))
            linie->Edit->setText(valori[camp->CodCamp]);
    }
}

class FluxComplet : public ::testing::Test {
protected:
    void SetUp() override {
        SeteazaFisierRegistru(program.Dosar() + QStringLiteral("/registru.reg"));
        auto sistem =
            std::make_unique<ImprimantePdf>(program.Dosar(), QStringList{QStringLiteral("Birou")});
        pdf = sistem.get();
        InlocuiesteSistemImprimante(std::move(sistem));
    }
    void TearDown() override {
        InlocuiesteSistemImprimante(std::make_unique<TSistemImprimante>());
        SeteazaFisierRegistru(QString());
    }
    TProgramTemporar program;
    ImprimantePdf* pdf = nullptr;
};

// From an empty database: the school and two students entered through the windows, the
// certificate previewed and printed through the print job.
TEST_F(FluxComplet, DeLaBazaGoalaLaCertificatTiparit) {
    // Nothing should ask anything; a question would be answered no and recorded.
    MesajeInregistrate mesaje(QMessageBox::No);
    TCertalivMain principala;
    InsertPaperForm(&principala);

    LaFereastra<TListaGenerica>([](TListaGenerica& lista) {
        EXPECT_EQ(lista.windowTitle(), QStringLiteral("Configurare scoala"));
        LaFereastra<TEditeaza>([](TEditeaza& editor) {
            Completeaza(*editor.Editor, ScoalaCompleta());
            editor.BtnOk->click();
        });
        lista.BtnAdauga->click();
        EXPECT_EQ(lista.Linii().size(), 1u);
        lista.accept();
    });
    principala.Configurarescoala1->trigger();

    for (const char* nume : {"POPESCU", "IONESCU"}) {
        LaFereastra<TAdaugaElev>([nume](TAdaugaElev& fereastra) {
            Completeaza(*fereastra.Editor,
                        ElevComplet(nume[0] == 'P' ? QStringLiteral("1940512123452")
                                                   : QStringLiteral("2950101123451"),
                                    QString::fromLatin1(nume)));
            fereastra.BtnOkClick();
        });
        principala.ListaElevi->RzBitBtn1->click();
    }
    EXPECT_TRUE(mesaje.Texte.isEmpty()) << mesaje.Texte.join(u'|');
    ASSERT_EQ(principala.ListaElevi->Elevi().size(), 2u);
    EXPECT_EQ(principala.ListaElevi->Elevi()[0].TextAfisat,
              QStringLiteral("POPESCU Ţuţu / POPESCU Ţuţu (1940512123452)"));

    {
        TAllStuffReg setari;
        setari.Configurat = true;
    }
    principala.ListaElevi->VT->setCurrentIndex(principala.ListaElevi->VT->model()->index(0, 0));
    LaFereastra<TPrintCertificatCicluInferiorForm>([](TPrintCertificatCicluInferiorForm& f) {
        LaFereastra<TInsertPaperForm>([](TInsertPaperForm& prompt) {
            prompt.EditStanga->setText(QStringLiteral("0"));
            prompt.EditSus->setText(QStringLiteral("0"));
            prompt.accept();
        });
        f.Button1Click();
        f.reject();
    });
    principala.ListaElevi->ButoaneDocumente[0]->click();

    // What the school typed once is on both parts of the sheet; the student's name where the
    // layout puts it.
    const std::vector<TCuvantPdf> cuvinte = CuvintePdf(pdf->Fisier(QStringLiteral("Birou")));
    const auto numara = [&](const QString& text) {
        return std::count_if(cuvinte.begin(), cuvinte.end(),
                             [&](const TCuvantPdf& c) { return c.Text == text; });
    };
    EXPECT_EQ(numara(QStringLiteral("Gorj")), 2);
    EXPECT_EQ(numara(QStringLiteral("Maria")), 2);
    EXPECT_EQ(numara(QStringLiteral("POPESCU")), 2);
    EXPECT_EQ(numara(QStringLiteral("IONESCU")), 0);
    const auto nume = std::find_if(cuvinte.begin(), cuvinte.end(), [](const TCuvantPdf& c) {
        return c.Text == u"POPESCU" && c.StangaMm > 140;
    });
    ASSERT_NE(nume, cuvinte.end());
    EXPECT_NEAR(nume->JosMm, 74.99099645169443 + 6.794486255690435, 0.05);
}
} // namespace
