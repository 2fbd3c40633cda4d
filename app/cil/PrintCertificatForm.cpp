#include "app/cil/PrintCertificatForm.h"

#include "layout/FormularDePrintat.h"
#include "layout/Macheta.h"
#include "layout/MasuriDispozitiv.h"
#include "print/Imprimanta.h"
#include "print/InsertPaper.h"
#include "print/SetariImprimanta.h"
#include "print/TiparirePagina.h"
#include "util/Eroare.h"
#include "util/Mesaje.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
FunctieFisierPdf& AlegereFisier() {
    static FunctieFisierPdf functie;
    return functie;
}

QWidget* Bara(QHBoxLayout*& asezare) {
    auto* bara = new QWidget;
    bara->setFixedHeight(28);
    asezare = new QHBoxLayout(bara);
    asezare->setContentsMargins(2, 1, 2, 1);
    return bara;
}
} // namespace

FunctieFisierPdf InlocuiesteAlegereaFisieruluiPdf(FunctieFisierPdf functie) {
    return std::exchange(AlegereFisier(), std::move(functie));
}

TPrintCertificatCicluInferiorForm::TPrintCertificatCicluInferiorForm(QWidget* parent)
    : TTemplate(parent) {
    setWindowTitle(QStringLiteral("Vizualizare inaintea imprimarii"));
    setWindowState(Qt::WindowMaximized);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);

    QHBoxLayout* sus = nullptr;
    asezare->addWidget(Bara(sus));
    Button1 = new QPushButton(QStringLiteral("Tipareste"));
    Button2 = new QPushButton(QStringLiteral("Mareste"));
    Button3 = new QPushButton(QStringLiteral("Micsoreaza"));
    ButonPdf = new QPushButton(QStringLiteral("Salveaza PDF"));
    for (QPushButton* buton : {Button1, Button2, Button3, ButonPdf}) {
        buton->setAutoDefault(false);
        sus->addWidget(buton);
    }
    sus->addStretch();
    connect(Button1, &QPushButton::clicked, this, &TPrintCertificatCicluInferiorForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPrintCertificatCicluInferiorForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TPrintCertificatCicluInferiorForm::Button3Click);
    connect(ButonPdf, &QPushButton::clicked, this,
            &TPrintCertificatCicluInferiorForm::SalveazaPdfClick);

    PageControl1 = new QTabWidget;
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    PageControl1->addTab(ScrollBox1, QStringLiteral("Fata"));
    asezare->addWidget(PageControl1, 1);
    FormularDePrintat1 = ConstruiesteMacheta(CitesteFisierMacheta(MachetaCertificatCIL), this);
    ScrollBox1->setWidget(FormularDePrintat1);

    QHBoxLayout* jos = nullptr;
    asezare->addWidget(Bara(jos));
    jos->addStretch();
    auto* iesire = new QPushButton(QStringLiteral("Iesire"));
    iesire->setAutoDefault(false);
    jos->addWidget(iesire);
    connect(iesire, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrintCertificatCicluInferiorForm::Button2Click() {
    if (PageControl1->currentIndex() == 0)
        FormularDePrintat1->SeteazaZoom(FormularDePrintat1->Zoom() * 1.1);
}

void TPrintCertificatCicluInferiorForm::Button3Click() {
    if (PageControl1->currentIndex() == 0)
        FormularDePrintat1->SeteazaZoom(FormularDePrintat1->Zoom() * 0.9090909090909091);
}

void TPrintCertificatCicluInferiorForm::Button1Click() {
    {
        const TAllStuffReg verificare;
        if (!verificare.Configurat) {
            ArataMesaj(this, QMessageBox::Information, QStringLiteral("Configureaza imprimanta"));
            return;
        }
    }
    // Written back when the job ends, printed, cancelled or failed.
    TAllStuffReg setari;
    const int pagina = PageControl1->currentIndex();
    double stangaMm = pagina == 0 ? setari.StangaFata : setari.StangaVerso;
    double susMm = pagina == 0 ? setari.SusFata : setari.SusVerso;
    bool roteste = false;
    if (InsertPaperForm(this).Afiseaza(pagina, stangaMm, susMm, roteste) != QDialog::Accepted)
        return;
    if (pagina == 0) {
        setari.StangaFata = stangaMm;
        setari.SusFata = susMm;
    } else {
        setari.StangaVerso = stangaMm;
        setari.SusVerso = susMm;
    }
    PregatesteImprimanta(false);
    QPrinter& imprimanta = ImprimantaCurenta();
    imprimanta.setDocName(QStringLiteral("Diploma de examen national - fata"));
    TiparestePagina(*FormularDePrintat1, imprimanta, roteste, stangaMm, susMm);
}

void TPrintCertificatCicluInferiorForm::SalveazaPdfClick() {
    const QString fisier =
        AlegereFisier()
            ? AlegereFisier()(this)
            : QFileDialog::getSaveFileName(this, QStringLiteral("Salveaza PDF"), QString(),
                                           QStringLiteral("Documente PDF (*.pdf)"));
    if (fisier.isEmpty())
        return;
    ScriePdfIntreg(fisier, [this](QPrinter& pdf) {
        pdf.setDocName(QStringLiteral("Diploma de examen national - fata"));
        TiparestePagina(*FormularDePrintat1, pdf, false, 0.0, 0.0);
    });
}

THandlerCertificatCicluInferior::THandlerCertificatCicluInferior() {
    Denumire = QStringLiteral("Certificat de absolvire a ciclului inferior al liceului");
}

QWidget* THandlerCertificatCicluInferior::CreeazaFereastra(QWidget* owner) {
    return new TPrintCertificatCicluInferiorForm(owner);
}
