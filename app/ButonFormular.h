#pragma once

#include <QObject>
#include <QPushButton>

class TListaElevi;
class THandlerFormularDePrintat;

// Placed in a print window: the student whose document the window shows.
class TVariabileFormular : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    int IdElev = -1;
};

// The button of one printable document in the student list. Its print window is made at the
// first click, kept, and refilled for the selected student at every click.
class TButonFormular : public QPushButton {
    Q_OBJECT
public:
    TButonFormular(THandlerFormularDePrintat* handler, TListaElevi* lista, QWidget* parent);

    THandlerFormularDePrintat* HandlerDocument;
    TListaElevi* Arbore;
    QWidget* Fereastra = nullptr;

    void Click();
};

// Fills every printable page of a print window for one student from the database; reads only.
void CompleteazaDocument(QWidget* fereastra, int idElev);
