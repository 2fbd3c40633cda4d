#pragma once

#include <QString>
#include <memory>
#include <vector>

class QWidget;

// A printable document: its name is the caption of its button in the student list.
class THandlerFormularDePrintat {
public:
    virtual ~THandlerFormularDePrintat() = default;

    // Creates the document's print window, owned by `owner`.
    virtual QWidget* CreeazaFereastra(QWidget* owner) = 0;

    QString Denumire;
};

// Owns its handlers, in registration order (the order of the buttons).
class TListaHandlerFormularDePrintat {
public:
    void Adauga(std::unique_ptr<THandlerFormularDePrintat> handler);
    int Count() const { return int(handlere_.size()); }
    THandlerFormularDePrintat& Handler(int index) const;

private:
    std::vector<std::unique_ptr<THandlerFormularDePrintat>> handlere_;
};

// The process-wide list, made empty on the first call.
TListaHandlerFormularDePrintat& ListaHandlere();
void AdaugaHandler(TListaHandlerFormularDePrintat& lista,
                   std::unique_ptr<THandlerFormularDePrintat> handler);
THandlerFormularDePrintat& Handler(const TListaHandlerFormularDePrintat& lista, int index);
