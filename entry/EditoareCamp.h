#pragma once

#include "entry/EditorGeneric.h"

#include <QStringList>
#include <optional>

class QComboBox;
class QCompleter;
class QLineEdit;
class TQebNumEdit;

// An editor whose value is one text row of the value store: read by Incarca for the record it
// was given, written by Salveaza trimmed and cut to LungimeMaxima characters.
class TEditorCampValoare : public TEditorGeneric {
    Q_OBJECT
public:
    using TEditorGeneric::TEditorGeneric;

    void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                 const QString& numeTabel, int idElev, int idAltaInregistrare) override;
    void Salveaza(int idElev, int idAltaInregistrare, const QString& numeTabel) override;

    virtual QString TextControl() const = 0;
    virtual void SeteazaTextControl(const QString& text) = 0;
    virtual int LungimeMaxima() const { return 64; }

protected:
    // VALOARE_TEXT of the edited record's row; none when there is no row or it is NULL.
    std::optional<QString> ValoareStocata() const;
};

// Free text with the field's earlier values as suggestions; "@" escapes become Romanian letters
// before saving.
class TEditorCampText : public TEditorCampValoare {
    Q_OBJECT
public:
    explicit TEditorCampText(QWidget* parinte = nullptr);

    void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                 const QString& numeTabel, int idElev, int idAltaInregistrare) override;
    bool PotSalva() override;
    void DupaAfisare() override;
    void SeteazaGhiceste(bool activ) override;
    void Goleste() override;

    QString TextControl() const override;
    void SeteazaTextControl(const QString& text) override;
    int LungimeMaxima() const override { return 256; }

    QComboBox* Combo;

private:
    QCompleter* completare_;
};

// A one-line edit box; its own checks are added by the classes below.
class TEditorCampLinie : public TEditorCampValoare {
    Q_OBJECT
public:
    explicit TEditorCampLinie(QWidget* parinte = nullptr);

    bool PotSalva() override { return true; }
    void Goleste() override;

    QString TextControl() const override;
    void SeteazaTextControl(const QString& text) override;

    QLineEdit* Edit;
};

// The personal numeric code; a code that fails the check is saved only when the user insists.
class TEditorCampCNP : public TEditorCampLinie {
    Q_OBJECT
public:
    using TEditorCampLinie::TEditorCampLinie;
    bool PotSalva() override;
};

class TEditorCampCalificativ : public TEditorCampLinie {
    Q_OBJECT
public:
    using TEditorCampLinie::TEditorCampLinie;
};

class TEditorCampCF : public TEditorCampLinie {
    Q_OBJECT
public:
    using TEditorCampLinie::TEditorCampLinie;
};

class TEditorCampSirues : public TEditorCampLinie {
    Q_OBJECT
public:
    using TEditorCampLinie::TEditorCampLinie;
};

// A grade or a word: a text with digits that is no grade would print as a word, so the user
// is asked first.
class TEditorGenericNotaSauCalificativ : public TEditorCampLinie {
    Q_OBJECT
public:
    using TEditorCampLinie::TEditorCampLinie;
    bool PotSalva() override;
};

// A grade from 5 to 10 with two decimals in a number box; empty when there is none (or it is 0).
class TEditorCampNota : public TEditorCampValoare {
    Q_OBJECT
public:
    explicit TEditorCampNota(QWidget* parinte = nullptr);

    void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                 const QString& numeTabel, int idElev, int idAltaInregistrare) override;
    bool PotSalva() override;
    void Goleste() override;

    QString TextControl() const override;
    void SeteazaTextControl(const QString& text) override;

    TQebNumEdit* Nota;
};

// Links a student to one record of another table (TabelLegat): one link row per field of that
// table, whose IDF_ column names the chosen record (NULL for "-= fara selectie =-").
class TEditorCampLista : public TEditorGeneric {
    Q_OBJECT
public:
    explicit TEditorCampLista(QWidget* parinte = nullptr);

    // Only numeTabel (the linked table) and idElev count.
    void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                 const QString& numeTabel, int idElev, int idAltaInregistrare) override;
    bool PotSalva() override { return true; }
    // Only idElev counts; needs the caller's transaction.
    void Salveaza(int idElev, int idAltaInregistrare, const QString& numeTabel) override;
    void Goleste() override;

    // The record of the selected item, -1 for none.
    int IdSelectat() const;

    static QString FaraSelectie() { return QStringLiteral("-= fara selectie =-"); }

    QComboBox* Lista;
    QString TabelLegat;
    // Record IDs in decimal: entry i belongs to list item i + 1.
    QStringList IduriInregistrari;
};

// The editor class of a data type ("TEXT", "CNP", ...), made owned by `parinte`; nullptr for
// a type without one.
TEditorGeneric* CreeazaEditorCamp(const QString& tipDeDate, QWidget* parinte);
bool ExistaEditorCamp(const QString& tipDeDate);

// A record's display text without its trailing separators and empty parts.
QString CurataTextAfisat(QString text);
