#include "app/HandlerFormular.h"

#include "util/Eroare.h"

void TListaHandlerFormularDePrintat::Adauga(std::unique_ptr<THandlerFormularDePrintat> handler) {
    handlere_.push_back(std::move(handler));
}

THandlerFormularDePrintat& TListaHandlerFormularDePrintat::Handler(int index) const {
    if (index < 0 || index >= Count())
        throw Eroare(QStringLiteral("List index out of bounds (%1)").arg(index));
    return *handlere_[size_t(index)];
}

TListaHandlerFormularDePrintat& ListaHandlere() {
    static TListaHandlerFormularDePrintat lista;
    return lista;
}

void AdaugaHandler(TListaHandlerFormularDePrintat& lista,
                   std::unique_ptr<THandlerFormularDePrintat> handler) {
    lista.Adauga(std::move(handler));
}

THandlerFormularDePrintat& Handler(const TListaHandlerFormularDePrintat& lista, int index) {
    return lista.Handler(index);
}
