#include "controls/ListaSimpla.h"

#include <QHeaderView>

QTreeView* CreeazaListaOColoana(QAbstractItemModel* model) {
    auto* lista = new QTreeView;
    lista->setModel(model);
    lista->setRootIsDecorated(false);
    lista->setUniformRowHeights(true);
    lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->header()->setSectionsMovable(true);
    lista->header()->setStretchLastSection(false);
    lista->header()->setSectionResizeMode(QHeaderView::Interactive);
    lista->header()->resizeSection(0, 512);
    return lista;
}

QWidget* PanouButoane(int inaltime, std::initializer_list<QPushButton*> butoane) {
    auto* panou = new QWidget;
    panou->setFixedHeight(inaltime);
    int x = 4;
    for (QPushButton* buton : butoane) {
        buton->setParent(panou);
        buton->setGeometry(x, 4, 75, inaltime - 8);
        buton->setAutoDefault(false);
        x += 80;
    }
    return panou;
}
