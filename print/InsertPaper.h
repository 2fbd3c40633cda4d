#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

// The prompt before each print: how to insert the blank, whether to print it turned, and the
// two margins. One instance serves the whole run.
class TInsertPaperForm : public QDialog {
    Q_OBJECT
public:
    explicit TInsertPaperForm(QWidget* parent = nullptr);
    ~TInsertPaperForm() override;

    // Shows the prompt for page `pagina` (0 front, 1 back) with the given margins; returns the
    // modal result. Whatever the result, the rotation choice is stored in SetariCurente() and
    // the margins and `roteste` are given back from the fields.
    int Afiseaza(int pagina, double& stangaMm, double& susMm, bool& roteste);

    // The blank picture shown (1 to 4), 0 when none.
    int ImagineVizibila() const;
    bool SageataInJos() const;

    QCheckBox* CheckOglinda;
    QLineEdit* EditStanga;
    QLineEdit* EditSus;

private:
    void ArataImaginea();
    void OkClick();

    std::array<QLabel*, 4> imagini_{};
    QLabel* sageataSus_;
    QLabel* sageataJos_;
    int imagineNormala_ = -1;
    int imagineOglinda_ = -1;
};

// The run's prompt: the one made at start, or one made now under `parinte` when there is none.
TInsertPaperForm& InsertPaperForm(QWidget* parinte = nullptr);
