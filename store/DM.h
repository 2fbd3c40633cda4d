#pragma once

#include "profile/CodCamp.h"
#include "store/Tranzactie.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <memory>
#include <optional>
#include <unordered_map>

class TInterogare;

// Ends the program with an exit code after the user was told why; main returns the code.
class TIesireProgram {
public:
    explicit TIesireProgram(int cod)
        : cod_(cod) {}
    int Cod() const { return cod_; }

private:
    int cod_;
};

// The data module: the connection to the program's database, its one transaction and the
// operations on field values. Created first at start-up and kept for the whole run; while it
// lives it is published as DM().
class TDM {
public:
    // Finds or creates the database DB/<profile name>.FDB beside the program from BLANK.FDB,
    // connects, and brings the schema, the table catalogue, the data-type names and the profile
    // up to date. With neither file there it tells the user and throws TIesireProgram(1).
    TDM();
    ~TDM();
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    TTranzactie& Tr() { return tranzactie_; }
    const QString& CaleBazaDeDate() const { return caleBazaDeDate_; }

    // The start-up steps, in the order the constructor runs them; each ends its transactions.
    void ActualizeazaVersiune();
    void SincronizeazaTabele();
    void VerificaTabele();
    void SincronizeazaTipuri();
    void SincronizeazaProfil();

    // The text of a field for a student (IdElev) or for a record of the field's own table
    // (IdElev -1, IdInregistrare the record), following the links between fields. Uses the
    // active transaction or one of its own.
    QString ValoareCamp(const QString& formular, const QString& pagina, const QString& camp,
                        int idElev, int idInregistrare);
    // Stores a field's value for its owning record inside the caller's transaction.
    void ScrieValoare(const QString& formular, const QString& pagina, const QString& camp,
                      const QString& tabel, int idElev, int idInregistrare, const QString& text,
                      int lungime);
    // Expands the braced field codes of a template for one record; needs an active transaction.
    QString ParseExp(const QString& sablon, int idElev, int idInregistrare);

private:
    // Every statement goes through TInterogare, so the caches below see every write.
    friend class TInterogare;
    QSqlDatabase Conexiune() const;

    struct TConexiune {
        TConexiune();
        ~TConexiune();
        QString Nume;
    };
    // What the look-up needs of a profile line.
    struct TLiniePentruValoare {
        QString OnorezSimilar;
        QString SimilarCu;
        QString AsociatCu;
    };

    void CreeazaTabela(const QString& tabel);
    void CreeazaCheiePrimara(const QString& tabel);
    void CreeazaGenerator(const QString& tabel);
    void AdaugaColoaneDate(const QString& tabel);
    void CreeazaLegaturiDate(const QString& tabel);

    QString Rezolva(const TCodCamp& cod, int idElev, int idInregistrare, QSet<QString>& vizitate);
    std::optional<TLiniePentruValoare> LiniaProfilului(const TCodCamp& cod);
    // The statement with this text, prepared once per transaction.
    TInterogare& Pregatita(const QString& sql);
    // VALOARE_TEXT of the field's row owned by record `id` of `tabel`; empty when there is none.
    QString ValoareRand(const TCodCamp& cod, const QString& tabel, int id);
    // IDF_<tabel> of the student's row of the field; none when the row or the link is missing.
    std::optional<int> LegaturaElev(const TCodCamp& cod, const QString& tabel, int idElev);

    TConexiune conexiune_;
    TTranzactie tranzactie_;
    QString caleBazaDeDate_;
    // Per-transaction caches: the prepared statements live as long as their transaction; the
    // profile lines read and the values found, until the transaction ends or writes.
    void VerificaGeneratia();
    quint64 numarInterogari_ = 0;
    std::unordered_map<QString, std::unique_ptr<TInterogare>> interogari_;
    quint64 generatie_ = 0;
    QHash<QString, std::optional<TLiniePentruValoare>> linii_;
    QHash<QString, QString> valori_;
};

// A key that tells field codes apart exactly, which the written form cannot when a code holds
// a full stop.
QString CheieCod(const TCodCamp& cod);

// The data module while it lives; an error when none was created.
TDM& DM();
bool ExistaDM();

// The display template of a record of table `tabel`: the braced codes of the table's fields whose
// ONOREZ_SIMILAR is 'DA', separated by "; ". Uses the active transaction or one of its own.
QString ListaCampuriTabel(const QString& tabel);
