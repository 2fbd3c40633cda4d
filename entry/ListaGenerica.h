#pragma once

#include "controls/ListaSimpla.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTreeView;
class TEditorGenericComplex;

// Makes a record of table `tabel` with the next key of its generator, inside the caller's
// transaction; returns the key.
int InregistrareNoua(const QString& tabel);

// One listed record.
struct TLinieGenerica {
    int IdInregistrare = 0;
    QString Denumire;
};

// The records of a table other than the students, by their display text, with add, change and
// delete. Knows nothing of the table but its name.
class TListaGenerica : public QDialog {
    Q_OBJECT
public:
    explicit TListaGenerica(QWidget* parinte = nullptr);

    // Rereads every record of NumeTabel.
    void Reincarca();
    const TLinieGenerica* LiniaSelectata() const;
    const std::vector<TLinieGenerica>& Linii() const { return linii_; }

    QString NumeTabel;
    QTreeView* VT;
    QPushButton* BtnAdauga;
    QPushButton* BtnModifica;
    QPushButton* BtnSterge;

    void AdaugaClick();
    void ModificaClick();
    void StergeClick();

private:
    std::vector<TLinieGenerica> linii_;
    TModelLinii<TLinieGenerica, &TLinieGenerica::Denumire>* model_;
};

// One record of such a table in the editor built from the profile.
class TEditeaza : public QDialog {
    Q_OBJECT
public:
    explicit TEditeaza(QWidget* parinte = nullptr);

    void InregistrareNoua();
    void EditeazaInregistrare(int id);
    // Saves the record when every editor agrees; an error rolls everything back and the window
    // stays open with its input.
    void OkClick();

    QString NumeTabel;
    int IdInregistrare = -1;
    TEditorGenericComplex* Editor;
    QPushButton* BtnOk;
    QPushButton* BtnRenunt;
};
