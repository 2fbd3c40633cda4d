#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class TEditorGenericComplex;

// The student editor: every field of one student built from the profile, saved in one
// transaction by "Ok". Its creator calls ElevNou or EditeazaElev, shows it modally and frees it.
class TAdaugaElev : public QDialog {
    Q_OBJECT
public:
    explicit TAdaugaElev(QWidget* parinte = nullptr);

    void ElevNou();
    void EditeazaElev(int id);

    // Saves the student when every editor agrees; an error rolls everything back and the window
    // stays open with its input.
    void BtnOkClick();
    void GhicesteClick(bool activ);
    void TimerTimer();

    QWidget* PanelButoane;
    QPushButton* BtnOk;
    QPushButton* BtnRenunt;
    QCheckBox* Ghiceste;
    QLabel* EtichetaText;
    QTimer* Timer;
    TEditorGenericComplex* Editor;
    // The student being edited; -1 until a new student is saved.
    int IdElev = -1;

protected:
    void showEvent(QShowEvent* e) override;

private:
    bool aratata_ = false;
};
