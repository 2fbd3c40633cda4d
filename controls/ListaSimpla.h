#pragma once

#include <QAbstractListModel>
#include <QPushButton>
#include <QTreeView>
#include <initializer_list>
#include <vector>

// The lines a one-column list shows, asked for their text only when painted. `Linie` is any
// record with a text member.
template <class Linie, QString Linie::*Text> class TModelLinii : public QAbstractListModel {
public:
    TModelLinii(QString titlu, QObject* parinte)
        : QAbstractListModel(parinte)
        , titlu_(std::move(titlu)) {}

    void Seteaza(std::vector<const Linie*> linii) {
        beginResetModel();
        linii_ = std::move(linii);
        endResetModel();
    }
    const Linie* Linie_(const QModelIndex& index) const {
        return index.isValid() && index.row() < int(linii_.size()) ? linii_[size_t(index.row())]
                                                                   : nullptr;
    }
    int rowCount(const QModelIndex& parinte = {}) const override {
        return parinte.isValid() ? 0 : int(linii_.size());
    }
    QVariant data(const QModelIndex& index, int rol) const override {
        const Linie* linie = Linie_(index);
        return linie && rol == Qt::DisplayRole ? QVariant(linie->*Text) : QVariant();
    }
    QVariant headerData(int sectiune, Qt::Orientation orientare, int rol) const override {
        return sectiune == 0 && orientare == Qt::Horizontal && rol == Qt::DisplayRole
                   ? QVariant(titlu_)
                   : QVariant();
    }

private:
    QString titlu_;
    std::vector<const Linie*> linii_;
};

// A list of one resizable column, 512 pixels wide, whole rows selected one at a time.
QTreeView* CreeazaListaOColoana(QAbstractItemModel* model);

// The model line of the selected row, or none.
template <class Model> auto LiniaSelectata(const QTreeView& lista, const Model& model) {
    const QModelIndexList selectate = lista.selectionModel()->selectedRows();
    return selectate.isEmpty() ? nullptr : model.Linie_(selectate.first());
}

// A bottom panel holding buttons side by side from the left, 80 pixels apart.
QWidget* PanouButoane(int inaltime, std::initializer_list<QPushButton*> butoane);
