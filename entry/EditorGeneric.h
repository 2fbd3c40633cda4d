#pragma once

#include <QFrame>
#include <QString>
#include <vector>

class QLabel;
class QVBoxLayout;

// What a caller that did not build an editor may ask of it. The interface never owns the
// editor: the editor lives as long as the widget that owns it.
class IEditorGeneric {
public:
    virtual bool PotSalva() = 0;
    virtual void DupaAfisare() = 0;
    // The editor itself, for placing and focusing it.
    virtual QWidget* Control() = 0;
    // Stored for the caller only; the editor never reads them.
    virtual int IdInregistrareLegata() const = 0;
    virtual void SetIdInregistrareLegata(int id) = 0;
    virtual int IdElevCurent() const = 0;
    virtual void SetIdElevCurent(int id) = 0;
    virtual void Incarca(const QString& codFormular, const QString& codPagina,
                         const QString& codCamp, const QString& numeTabel, int idElev,
                         int idAltaInregistrare) = 0;
    virtual void Salveaza(int idElev, int idAltaInregistrare, const QString& numeTabel) = 0;
    virtual QString TabelAsociat() const = 0;
    virtual void SetTabelAsociat(const QString& tabel) = 0;

protected:
    ~IEditorGeneric() = default;
};

// A small frame that edits one field of one record: a caption above an input control, the
// value read from and written to the value store "DATE". Whoever creates it sets the caption,
// calls Incarca inside a transaction, asks PotSalva of every editor, then calls Salveaza inside
// the one transaction it commits itself.
class TEditorGeneric : public QFrame, public IEditorGeneric {
    Q_OBJECT
public:
    explicit TEditorGeneric(QWidget* parinte = nullptr);

    // Stores the field code and the record IDs, then fills the input control from the store.
    void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                 const QString& numeTabel, int idElev, int idAltaInregistrare) override;
    // False keeps the value from being saved; the editor has already told the user why.
    bool PotSalva() override;
    // Writes the input for record idElev (table "ELEVI") or idAltaInregistrare (any other
    // table) inside the caller's transaction; never commits.
    void Salveaza(int idElev, int idAltaInregistrare, const QString& numeTabel) override;
    // Called once the editor is visible.
    void DupaAfisare() override;
    // Completion of the typing from earlier values, where the editor has any.
    virtual void SeteazaGhiceste(bool activ);
    virtual void Goleste();

    QWidget* Control() override { return this; }
    int IdInregistrareLegata() const override { return idInregistrareLegata_; }
    void SetIdInregistrareLegata(int id) override { idInregistrareLegata_ = id; }
    int IdElevCurent() const override { return idElevCurent_; }
    void SetIdElevCurent(int id) override { idElevCurent_ = id; }
    QString TabelAsociat() const override { return tabelAsociat_; }
    void SetTabelAsociat(const QString& tabel) override { tabelAsociat_ = tabel; }

    QLabel* Eticheta; // the caption, set by whoever creates the editor
    QString CodFormular;
    QString CodPagina;
    QString CodCamp;
    QString NumeTabel;
    int IdElev = -1;
    int IdAltaInregistrare = -1;
    // The record whose value is edited: IdElev for "ELEVI", IdAltaInregistrare otherwise.
    int IdInregistrare = -1;
    // The width asked for inside a line of editors.
    int LatimeSugerata = 0;

    static constexpr int Inaltime = 36;

protected:
    // Puts the input control under the caption; the right strip is `dreaptaPx` wide.
    void SeteazaControl(QWidget* control, int dreaptaPx = 4);

private:
    QVBoxLayout* asezare_;
    int idInregistrareLegata_ = -1;
    int idElevCurent_ = -1;
    QString tabelAsociat_;
};

// Widgets of a window in the order they were made; the widgets that own them free them.
template <class T> class TListaNeposedata {
public:
    void Add(T* item) { items_.push_back(item); }
    int Count() const { return int(items_.size()); }
    T* Item(int index) const { return items_.at(size_t(index)); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<T*> items_;
};

// The editors of a window in build order.
using TListaEditorGeneric = TListaNeposedata<TEditorGeneric>;
