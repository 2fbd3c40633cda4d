#pragma once

#include <QString>
#include <memory>
#include <vector>

// A record table: rows keyed by ID_<NUME_TABEL>, keys from the generator G_ID_<NUME_TABEL>.
struct TLinieTabel {
    QString NUME_TABEL;
    QString EXP_DENUMIRE;
};

// The catalogue of record tables, in the order they were added.
class TListaLiniiTabel {
public:
    TListaLiniiTabel() = default;
    virtual ~TListaLiniiTabel() = default;
    TListaLiniiTabel(const TListaLiniiTabel&) = delete;
    TListaLiniiTabel& operator=(const TListaLiniiTabel&) = delete;

    void AdaugaTabel(const QString& nume, const QString& expDenumire);
    int Count() const { return int(linii_.size()); }
    const TLinieTabel& Linie(int index) const { return linii_.at(size_t(index)); }

private:
    std::vector<TLinieTabel> linii_;
};

// Stands for a class reference to a table-catalogue class.
class TClasaTabele {
public:
    virtual ~TClasaTabele() = default;
    virtual QString NumeClasa() const { return QStringLiteral("TListaLiniiTabel"); }
    virtual std::unique_ptr<TListaLiniiTabel> Create() const;
};
