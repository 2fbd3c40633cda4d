#pragma once

#include "app/HandlerFormular.h"
#include "print/Template.h"

#include <functional>

class QPrinter;
class QPushButton;
class QTabWidget;
class QScrollArea;
class TFormularDePrintat;

// "Vizualizare inaintea imprimarii": the certificate over the picture of the blank, enlarged or
// reduced at will, and printed on a blank in the printer.
class TPrintCertificatCicluInferiorForm : public TTemplate {
    Q_OBJECT
public:
    explicit TPrintCertificatCicluInferiorForm(QWidget* parent = nullptr);

    TFormularDePrintat* FormularDePrintat1;
    QPushButton* Button1; // "Tipareste"
    QPushButton* Button2; // "Mareste"
    QPushButton* Button3; // "Micsoreaza"
    QPushButton* ButonPdf;
    QTabWidget* PageControl1;
    QScrollArea* ScrollBox1;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    // Writes the page as printed, with no margins and no turn, to a PDF file the user picks.
    void SalveazaPdfClick();
};

// Where "Salveaza PDF" writes; tests answer it without a file dialog.
using FunctieFisierPdf = std::function<QString(QWidget* parinte)>;
FunctieFisierPdf InlocuiesteAlegereaFisieruluiPdf(FunctieFisierPdf functie);

// The certificate's document: its button in the student list opens the window above.
class THandlerCertificatCicluInferior : public THandlerFormularDePrintat {
public:
    THandlerCertificatCicluInferior();
    QWidget* CreeazaFereastra(QWidget* owner) override;
};
