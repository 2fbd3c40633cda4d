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

std::vector<int> IdElevi() {
    TCitire citire(DM().Tr());
    TInterogare elevi(QStringLiteral("select    ID_ELEVI  from    ELEVI"));
    elevi.Executa();
    std::vector<int> chei;
    while (elevi.Urmator())
        chei.push_back(elevi.Valoare(0).toInt());
    return chei;
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

    model_ = new TModelElevi(QStringLiteral("Nume si prenume"), this);
    VT = CreeazaListaOColoana(model_);
    asezare->addWidget(VT, 1);
    RzBitBtn1 = new QPushButton(QStringLiteral("Adauga"));
    RzBitBtn2 = new QPushButton(QStringLiteral("Modifica"));
    RzBitBtn3 = new QPushButton(QStringLiteral("Sterge"));
    asezare->addWidget(PanouButoane(30, {RzBitBtn1, RzBitBtn2, RzBitBtn3}));

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
        for (int id : IdElevi())
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
    return LiniaSelectata(*VT, *model_);
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
