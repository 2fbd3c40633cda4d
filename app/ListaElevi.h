#pragma once

#include "controls/ListaSimpla.h"

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

using TModelElevi = TModelLinii<TLinieElev, &TLinieElev::TextAfisat>;

// Every student's key, in the order the database gives them (the list's order).
std::vector<int> IdElevi();

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
