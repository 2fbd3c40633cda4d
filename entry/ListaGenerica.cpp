#include "entry/ListaGenerica.h"

#include "entry/EditorGenericComplex.h"
#include "store/DM.h"
#include "store/Interogare.h"
#include "util/Eroare.h"
#include "util/Ferestre.h"
#include "util/Mesaje.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

int InregistrareNoua(const QString& tabel) {
    TInterogare generator(
        QStringLiteral("SELECT GEN_ID(G_ID_%1,1) AS \"ID\" FROM RDB$DATABASE").arg(tabel));
    generator.Executa();
    if (!generator.Urmator())
        throw Eroare(QStringLiteral("Generatorul G_ID_%1 nu a dat nici o valoare").arg(tabel));
    const int id = generator.Valoare(0).toInt();
    TInterogare(QStringLiteral("insert into %1 (ID_%1) values (:id)").arg(tabel))
        .Param(QStringLiteral("id"), id)
        .Executa();
    return id;
}

TListaGenerica::TListaGenerica(QWidget* parinte)
    : QDialog(parinte) {
    setWindowTitle(QStringLiteral("Lista generica"));
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);
    model_ = new TModelLinii<TLinieGenerica, &TLinieGenerica::Denumire>(QStringLiteral("Denumire"),
                                                                        this);
    VT = CreeazaListaOColoana(model_);
    asezare->addWidget(VT, 1);
    BtnAdauga = new QPushButton(QStringLiteral("Adauga"));
    BtnModifica = new QPushButton(QStringLiteral("Modifica"));
    BtnSterge = new QPushButton(QStringLiteral("Sterge"));
    asezare->addWidget(PanouButoane(33, {BtnAdauga, BtnModifica, BtnSterge}));
    connect(BtnAdauga, &QPushButton::clicked, this, &TListaGenerica::AdaugaClick);
    connect(BtnModifica, &QPushButton::clicked, this, &TListaGenerica::ModificaClick);
    connect(BtnSterge, &QPushButton::clicked, this, &TListaGenerica::StergeClick);
    resize(600, 400);
    CentreazaFereastra(this, false);
}

void TListaGenerica::Reincarca() {
    model_->Seteaza({});
    linii_.clear();
    {
        TCitire citire(DM().Tr());
        const QString sablon = ListaCampuriTabel(NumeTabel);
        TInterogare inregistrari(QStringLiteral("select id_%1 as \"ID\" from %1 ").arg(NumeTabel));
        inregistrari.Executa();
        std::vector<int> chei;
        while (inregistrari.Urmator())
            chei.push_back(inregistrari.Valoare(0).toInt());
        for (int id : chei)
            linii_.push_back({id, DM().ParseExp(sablon, -1, id)});
    }
    std::vector<const TLinieGenerica*> aratate;
    for (const TLinieGenerica& linie : linii_)
        aratate.push_back(&linie);
    model_->Seteaza(std::move(aratate));
}

const TLinieGenerica* TListaGenerica::LiniaSelectata() const {
    return ::LiniaSelectata(*VT, *model_);
}

void TListaGenerica::AdaugaClick() {
    TEditeaza editor(this);
    editor.NumeTabel = NumeTabel;
    editor.InregistrareNoua();
    if (editor.exec() == QDialog::Accepted)
        Reincarca();
}

void TListaGenerica::ModificaClick() {
    const TLinieGenerica* linie = LiniaSelectata();
    if (!linie) {
        ArataMesaj(this, QMessageBox::Information, QStringLiteral("Va rog selectati o linie!"));
        return;
    }
    TEditeaza editor(this);
    editor.NumeTabel = NumeTabel;
    editor.EditeazaInregistrare(linie->IdInregistrare);
    if (editor.exec() == QDialog::Accepted)
        Reincarca();
}

void TListaGenerica::StergeClick() {
    const TLinieGenerica* linie = LiniaSelectata();
    if (!linie) {
        ArataMesaj(this, QMessageBox::Information, QStringLiteral("Va rog selectati o linie!"));
        return;
    }
    if (!IntreabaDaNu(this, QStringLiteral("Doriti sa stergeti linia: ")))
        return;
    {
        TScriere scriere(DM().Tr());
        TInterogare(QStringLiteral("delete from %1 where ID_%1 = :ID").arg(NumeTabel))
            .Param(QStringLiteral("ID"), linie->IdInregistrare)
            .Executa();
        scriere.Confirma();
    }
    Reincarca();
}

TEditeaza::TEditeaza(QWidget* parinte)
    : QDialog(parinte) {
    setWindowTitle(QStringLiteral("Editeaza"));
    auto* asezare = new QHBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);
    Editor = new TEditorGenericComplex(this);
    asezare->addWidget(Editor, 1);
    auto* butoane = new QWidget;
    butoane->setFixedWidth(79);
    BtnOk = new QPushButton(QStringLiteral("Ok"), butoane);
    BtnOk->setGeometry(3, 8, 73, 25);
    BtnRenunt = new QPushButton(QStringLiteral("Renunt"), butoane);
    BtnRenunt->setGeometry(3, 40, 73, 25);
    // Enter belongs to the field being typed in; only a click saves.
    BtnOk->setAutoDefault(false);
    BtnRenunt->setAutoDefault(false);
    asezare->addWidget(butoane);
    connect(BtnOk, &QPushButton::clicked, this, &TEditeaza::OkClick);
    connect(BtnRenunt, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 560);
    CentreazaFereastra(this, false);
}

void TEditeaza::InregistrareNoua() {
    Editor->Construieste(-1, -1, NumeTabel);
}

void TEditeaza::EditeazaInregistrare(int id) {
    IdInregistrare = id;
    Editor->Construieste(-1, id, NumeTabel);
}

void TEditeaza::OkClick() {
    if (!Editor->PotSalvaTot())
        return;
    int id = IdInregistrare;
    {
        TScriere scriere(DM().Tr());
        if (id == -1)
            id = ::InregistrareNoua(NumeTabel);
        Editor->SalveazaTot(-1, id, NumeTabel);
        scriere.Confirma();
    }
    IdInregistrare = id;
    accept();
}
