#pragma once

#include <QAbstractListModel>
#include <QWidget>
#include <vector>

class QLineEdit;
class QPushButton;
class QTreeView;
class TButonFormular;

// One student of the list: its key and the text it is listed by, built when the list loads.
struct TLinieElev {
    int IdElev = 0;
    QString TextAfisat;
};

// The shown students; the view asks for their texts only when it paints them.
class TModelElevi : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void Seteaza(const std::vector<const TLinieElev*>& linii);
    const TLinieElev* Linie(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parinte = {}) const override;
    QVariant data(const QModelIndex& index, int rol) const override;
    QVariant headerData(int sectiune, Qt::Orientation orientare, int rol) const override;

private:
    std::vector<const TLinieElev*> linii_;
};

// Every student by its display text, with the search box, the add, modify and delete buttons
// and one button per printable document.
class TListaElevi : public QWidget {
    Q_OBJECT
public:
    explicit TListaElevi(QWidget* parent = nullptr);

    // Reloads all students from the database and shows them.
    void IncarcaElevi();
    // Shows the loaded students whose text holds the search text (case-sensitive).
    void AfiseazaElevi();
    // The selected student's key, or none.
    const TLinieElev* ElevSelectat() const;
    const std::vector<TLinieElev>& Elevi() const { return elevi_; }

    QTreeView* VT;
    QLineEdit* RzEdit1;
    QWidget* Panel2;
    QPushButton* RzBitBtn1; // "Adauga"
    QPushButton* RzBitBtn2; // "Modifica"
    QPushButton* RzBitBtn3; // "Sterge"
    std::vector<TButonFormular*> ButoaneDocumente;

    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void RzBitBtn3Click();

private:
    std::vector<TLinieElev> elevi_;
    TModelElevi* model_;
};

// The message of every action that needs a selected student.
QString MesajSelectatiElev();
