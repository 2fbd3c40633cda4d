#pragma once

#include <QString>
#include <QtGlobal>

// The program's one transaction on the data module's connection. Nothing starts, commits or
// rolls it back except the two guards below, so every path that starts it also ends it.
class TTranzactie {
public:
    explicit TTranzactie(QString numeConexiune);
    ~TTranzactie();
    TTranzactie(const TTranzactie&) = delete;
    TTranzactie& operator=(const TTranzactie&) = delete;

    bool Activa() const { return activa_; }

    // Changes at every start: a statement prepared in one transaction is not used in another.
    quint64 Numar() const { return numar_; }
    // Changes at every start and after every write: what a cache read before may be stale.
    quint64 Generatie() const { return generatie_; }
    void NoteazaScriere() { ++generatie_; }

private:
    friend class TCitire;
    friend class TScriere;

    void Porneste();
    void Confirma();
    void Anuleaza() noexcept;

    QString numeConexiune_;
    bool activa_ = false;
    quint64 numar_ = 0;
    quint64 generatie_ = 0;
};

// A reader: uses the active transaction and leaves it open, or starts one and rolls it back when
// the scope ends, also on an error.
class TCitire {
public:
    explicit TCitire(TTranzactie& tranzactie);
    ~TCitire();
    TCitire(const TCitire&) = delete;
    TCitire& operator=(const TCitire&) = delete;

private:
    TTranzactie& tranzactie_;
    bool aPornit_;
};

// A writer: starts the transaction (refused while one is active), and rolls it back when the
// scope ends without Confirma, so an error undoes everything it wrote.
class TScriere {
public:
    explicit TScriere(TTranzactie& tranzactie);
    ~TScriere();
    TScriere(const TScriere&) = delete;
    TScriere& operator=(const TScriere&) = delete;

    void Confirma();

private:
    TTranzactie& tranzactie_;
    bool confirmata_ = false;
};
