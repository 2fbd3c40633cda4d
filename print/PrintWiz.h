#pragma once

#include "print/Desene.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeWidget;

// The printer preparation wizard: prints test sheets and asks what came out, to learn how the
// printer handles paper. The answers are stored only when it is completed.
class TPrintWiz : public QDialog {
    Q_OBJECT
public:
    explicit TPrintWiz(QWidget* parent = nullptr);

    // Shows the wizard modally; on completion stores the answers and the chosen printer.
    int Executa();

    int PaginaCurenta() const;

    QTreeWidget* ListaImprimante;
    QLabel* FaraImprimante;
    QRadioButton *RadioSus, *RadioFrontal, *RadioInterna;
    QRadioButton *RadioNormala, *RadioRasturnata;
    QRadioButton *RadioAceeasi, *RadioOpusa;
    std::array<QRadioButton*, 4> RadioLinii{};
    QLabel* ImaginePagina6;
    QLabel* ImaginePagina8;
    QLabel* InstructiunePagina8;
    QPushButton *Inapoi, *Inainte, *Renunt;

    // The answers, valid once the wizard is completed.
    bool Finalizat = false;
    bool PartiOpuse = false;
    bool OglindaOrizontala = false;
    bool OglindaVerticala = false;
    int ModAlimentare = 0;

private:
    void InainteClick();
    void InapoiClick();
    void ArataPagina(int pagina);
    void TiparesteFoaie(const QString& titlu, DesenTest desen);

    QStackedWidget* pagini_;
    std::array<int, 14> istoric_{};
};
