#include "app/ListaElevi.h"

#include "app/ButonFormular.h"
#include "app/HandlerFormular.h"
#include "entry/AdaugaElev.h"
#include "profile/ProfilDiploma.h"
#include "profile/Registru.h"
#include "store/DM.h"
#include "store/Interogare.h"
#include "util/Eroare.h"
#include "util/Mesaje.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
QString SablonElevi() {
    const TClasaProfilDiploma* clasa = ClasaProfil();
    if (!clasa)
        throw Eroare(QStringLiteral("NU ai definit profilul diplomei"));
    return clasa->ListaCampuriElev();
}
} // namespace

QString MesajSelectatiElev() {
    return QStringLiteral("Va rog selectati un elev!");
}

void TModelElevi::Seteaza(const std::vector<const TLinieElev*>& linii) {
    beginResetModel();
    linii_ = linii;
    endResetModel();
}

const TLinieElev* TModelElevi::Linie(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= int(linii_.size()))
        return nullptr;
    return linii_[size_t(index.row())];
}

int TModelElevi::rowCount(const QModelIndex& parinte) const {
    return parinte.isValid() ? 0 : int(linii_.size());
}

QVariant TModelElevi::data(const QModelIndex& index, int rol) const {
    const TLinieElev* linie = Linie(index);
    if (!linie || rol != Qt::DisplayRole)
        return {};
    return linie->TextAfisat;
}

QVariant TModelElevi::headerData(int sectiune, Qt::Orientation orientare, int rol) const {
    if (sectiune == 0 && orientare == Qt::Horizontal && rol == Qt::DisplayRole)
        return QStringLiteral("Nume si prenume");
    return {};
}

TListaElevi::TListaElevi(QWidget* parent)
    : QWidget(parent) {
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);

    // Top: the document buttons on the left, the search box filling the rest.
    auto* sus = new QWidget;
    sus->setFixedHeight(49);
    auto* asezareSus = new QHBoxLayout(sus);
    asezareSus->setContentsMargins(0, 0, 0, 0);
    asezareSus->setSpacing(0);
    Panel2 = new QWidget;
    asezareSus->addWidget(Panel2);
    auto* panel1 = new QWidget;
    asezareSus->addWidget(panel1, 1);
    auto* cauta = new QLabel(QStringLiteral("Cauta:"), panel1);
    cauta->move(3, 1);
    RzEdit1 = new QLineEdit(panel1);
    RzEdit1->setGeometry(3, 14, 257, 24);
    asezare->addWidget(sus);

    int stanga = 4;
    const TListaHandlerFormularDePrintat& handlere = ListaHandlere();
    for (int i = 0; i < handlere.Count(); ++i) {
        auto* buton = new TButonFormular(&Handler(handlere, i), this, Panel2);
        buton->setGeometry(stanga, 4, 128, 40);
        ButoaneDocumente.push_back(buton);
        stanga += buton->width() + 4;
    }
    Panel2->setFixedWidth(stanga + 4);

    model_ = new TModelElevi(this);
    VT = new QTreeView;
    VT->setModel(model_);
    VT->setRootIsDecorated(false);
    VT->setUniformRowHeights(true);
    VT->setSelectionBehavior(QAbstractItemView::SelectRows);
    VT->setSelectionMode(QAbstractItemView::SingleSelection);
    VT->header()->setSectionsMovable(true);
    VT->header()->setStretchLastSection(false);
    VT->header()->setSectionResizeMode(QHeaderView::Interactive);
    VT->header()->resizeSection(0, 512);
    asezare->addWidget(VT, 1);

    auto* jos = new QWidget;
    jos->setFixedHeight(30);
    RzBitBtn1 = new QPushButton(QStringLiteral("Adauga"), jos);
    RzBitBtn2 = new QPushButton(QStringLiteral("Modifica"), jos);
    RzBitBtn3 = new QPushButton(QStringLiteral("Sterge"), jos);
    int x = 4;
    for (QPushButton* buton : {RzBitBtn1, RzBitBtn2, RzBitBtn3}) {
        buton->setGeometry(x, 4, 75, 24);
        x += 80;
    }
    asezare->addWidget(jos);

    connect(RzEdit1, &QLineEdit::textChanged, this, &TListaElevi::AfiseazaElevi);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TListaElevi::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TListaElevi::RzBitBtn2Click);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TListaElevi::RzBitBtn3Click);
}

void TListaElevi::IncarcaElevi() {
    elevi_.clear();
    {
        const QString sablon = SablonElevi();
        TCitire citire(DM().Tr());
        TInterogare elevi(QStringLiteral("select    ID_ELEVI  from    ELEVI"));
        elevi.Executa();
        std::vector<int> chei;
        while (elevi.Urmator())
            chei.push_back(elevi.Valoare(0).toInt());
        for (int id : chei)
            elevi_.push_back({id, DM().ParseExp(sablon, id, -1)});
    }
    AfiseazaElevi();
}

void TListaElevi::AfiseazaElevi() {
    const QString cautat = RzEdit1->text();
    const bool toti = cautat.trimmed().isEmpty();
    std::vector<const TLinieElev*> aratati;
    for (const TLinieElev& elev : elevi_)
        if (toti || elev.TextAfisat.contains(cautat, Qt::CaseSensitive))
            aratati.push_back(&elev);
    model_->Seteaza(aratati);
}

const TLinieElev* TListaElevi::ElevSelectat() const {
    const QModelIndexList selectate = VT->selectionModel()->selectedRows();
    return selectate.isEmpty() ? nullptr : model_->Linie(selectate.first());
}

void TListaElevi::RzBitBtn1Click() {
    TAdaugaElev fereastra(this);
    fereastra.ElevNou();
    if (fereastra.exec() == QDialog::Accepted)
        IncarcaElevi();
}

void TListaElevi::RzBitBtn2Click() {
    const TLinieElev* elev = ElevSelectat();
    if (!elev) {
        ArataMesaj(this, QMessageBox::Information, MesajSelectatiElev());
        return;
    }
    TAdaugaElev fereastra(this);
    fereastra.EditeazaElev(elev->IdElev);
    if (fereastra.exec() == QDialog::Accepted)
        IncarcaElevi();
}

void TListaElevi::RzBitBtn3Click() {
    const TLinieElev* elev = ElevSelectat();
    if (!elev) {
        ArataMesaj(this, QMessageBox::Information, MesajSelectatiElev());
        return;
    }
    if (!IntreabaDaNu(this, QStringLiteral("Doriti sa stergeti elevul: ") + elev->TextAfisat))
        return;
    {
        // The value store's constraints take the student's values and links with it.
        TScriere scriere(DM().Tr());
        TInterogare(QStringLiteral("delete from ELEVI where ID_ELEVI = :ID_ELEVI"))
            .Param(QStringLiteral("ID_ELEVI"), elev->IdElev)
            .Executa();
        scriere.Confirma();
    }
    IncarcaElevi();
}
