#pragma once

#include <QComboBox>
#include <QDialog>
#include <array>

class QLabel;
class QRadioButton;
class QTabWidget;

// A drop-down of the four grade formats, each item drawn as the sample 9,63 looks in it.
class TCasetaFormatNota : public QComboBox {
    Q_OBJECT
public:
    explicit TCasetaFormatNota(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* eveniment) override;
};

// Draws the sample of format `index` into `dreptunghi` (one or two lines, centred).
void DeseneazaMostraFormat(QPainter& pictor, const QRect& dreptunghi, int index, bool selectat,
                           const QPalette& paleta);

// "Editor informatii globale": how grades are worded and the forms of address. Creating it
// stores the default formats; "Ok" stores what is shown.
class TEditorConfigGlobal : public QDialog {
    Q_OBJECT
public:
    explicit TEditorConfigGlobal(QWidget* parent = nullptr);

    QTabWidget* Pagini;
    QComboBox* SufixFete;
    QComboBox* SufixBaieti;
    TCasetaFormatNota* NotaDiploma;
    TCasetaFormatNota* MedieDiploma;
    TCasetaFormatNota* NotaCotor;
    TCasetaFormatNota* MedieCotor;
    QRadioButton* LitereMari;
    QRadioButton* LitereMici;
    QLabel* EtichetaNota;

private:
    void OkClick();

    // The formats as loaded, kept for a box left without selection.
    std::array<QString, 4> formateIncarcate_;
};
