#include "entry/AdaugaElev.h"

#include "entry/EditorGenericComplex.h"
#include "entry/ListaGenerica.h"
#include "store/DM.h"
#include "store/Interogare.h"
#include "util/Eroare.h"
#include "util/Ferestre.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
const QString Elevi = QStringLiteral("ELEVI");
}

TAdaugaElev::TAdaugaElev(QWidget* parinte)
    : QDialog(parinte) {
    setWindowTitle(QStringLiteral("Adauga elev"));
    auto* asezare = new QHBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);

    Editor = new TEditorGenericComplex(this);
    asezare->addWidget(Editor, 1);

    PanelButoane = new QWidget(this);
    PanelButoane->setFixedWidth(81);
    asezare->addWidget(PanelButoane);
    BtnOk = new QPushButton(QStringLiteral("Ok"), PanelButoane);
    BtnOk->setGeometry(4, 8, 73, 25);
    BtnRenunt = new QPushButton(QStringLiteral("Renunt"), PanelButoane);
    BtnRenunt->setGeometry(4, 40, 73, 25);
    // Enter belongs to the field being typed in; only a click saves.
    BtnOk->setAutoDefault(false);
    BtnRenunt->setAutoDefault(false);
    const QString sfat =
        QStringLiteral("Aceasta optiune va ajuta sa scrieti foarte rapid textul atunci cand "
                       "textul se repeta (ex: cand trebuie ales intre Istorie, Matematica si "
                       "Geografie).\n\nDezactivati aceasta optiune atunci cand, din cauza "
                       "selectiei automate, nu puteti corecta un text scris gresit.");
    Ghiceste = new QCheckBox(QStringLiteral("Ghiceste"), PanelButoane);
    Ghiceste->setGeometry(4, 80, 75, 18);
    Ghiceste->setChecked(true);
    Ghiceste->setToolTip(sfat);
    EtichetaText = new QLabel(QStringLiteral("text"), PanelButoane);
    EtichetaText->setGeometry(24, 98, 53, 16);
    EtichetaText->setToolTip(sfat);

    Timer = new QTimer(this);
    Timer->setInterval(200);

    connect(BtnOk, &QPushButton::clicked, this, &TAdaugaElev::BtnOkClick);
    connect(BtnRenunt, &QPushButton::clicked, this, &QDialog::reject);
    connect(Ghiceste, &QCheckBox::clicked, this, &TAdaugaElev::GhicesteClick);
    connect(Timer, &QTimer::timeout, this, &TAdaugaElev::TimerTimer);

    resize(800, 600);
    UmpleEcranul(this);
}

void TAdaugaElev::ElevNou() {
    Editor->Construieste(-1, -1, Elevi);
}

void TAdaugaElev::EditeazaElev(int id) {
    IdElev = id;
    Editor->Construieste(id, -1, Elevi);
}

void TAdaugaElev::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (aratata_)
        return;
    aratata_ = true;
    Timer->start();
}

void TAdaugaElev::TimerTimer() {
    Timer->stop();
    for (TEditorGeneric* editor : Editor->Editoare)
        editor->DupaAfisare();
}

void TAdaugaElev::GhicesteClick(bool activ) {
    for (TEditorGeneric* editor : Editor->Editoare)
        editor->SeteazaGhiceste(activ);
}

void TAdaugaElev::BtnOkClick() {
    if (!Editor->PotSalvaTot())
        return;
    int id = IdElev;
    {
        TScriere scriere(DM().Tr());
        if (id == -1)
            id = InregistrareNoua(Elevi);
        Editor->SalveazaTot(id, -1, Elevi);
        scriere.Confirma();
    }
    IdElev = id;
    accept();
}
