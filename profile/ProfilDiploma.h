#pragma once

#include "profile/CodCamp.h"

#include <QString>
#include <memory>
#include <vector>

class TCititorValori;

// One data field of a certificate, fields in the order the profile file stores them.
struct TLinieProfilDiploma {
    QString COD_FORMULAR;
    QString COD_PAGINA;
    QString COD_CAMP;
    QString SIMILAR_CU;
    QString ONOREZ_SIMILAR;
    QString ETICHETA_EDITOR;
    QString FORMULA;
    QString VIZIBIL;
    QString TIP_DE_DATE;
    QString ASOCIAT_CU;
    QString GRUP;
    qint32 ORDINE = 0;
    qint32 LATIME_SUGERATA = 0;
    QString COD_LINIE;

    TCodCamp Cod() const { return {COD_FORMULAR, COD_PAGINA, COD_CAMP}; }
    bool operator==(const TLinieProfilDiploma&) const = default;
};

// Form information of version-1 files: kept with the profile, interpreted by nobody.
struct TInfoPaginaFormularDiploma {
    QString Text1;
    QString Text2;
};
struct TInfoFormularDiploma {
    QString Text1;
    QString Text2;
    std::vector<TInfoPaginaFormularDiploma> Pagini;
};

// The diploma profile: its lines in file order plus the form information.
class TListaLiniiProfilDiploma {
public:
    TListaLiniiProfilDiploma() = default;
    virtual ~TListaLiniiProfilDiploma() = default;
    TListaLiniiProfilDiploma(const TListaLiniiProfilDiploma&) = delete;
    TListaLiniiProfilDiploma& operator=(const TListaLiniiProfilDiploma&) = delete;

    int Count() const { return int(linii_.size()); }
    const TLinieProfilDiploma& Linie(int index) const { return linii_.at(size_t(index)); }
    const std::vector<TInfoFormularDiploma>& Formulare() const { return formulare_; }

    // Opens the file read-only, skips its header text and reads the rest with CitesteDin.
    void IncarcaDinFisier(const QString& cale);
    // Replaces the lines and the form information. On an error the lines read so far stay.
    void CitesteDin(TCititorValori& cititor);

private:
    std::vector<TLinieProfilDiploma> linii_;
    std::vector<TInfoFormularDiploma> formulare_;
};

// Stands for a class reference to a profile class: its virtual constructor and its class-level
// operations, called without an instance.
class TClasaProfilDiploma {
public:
    virtual ~TClasaProfilDiploma() = default;

    virtual QString NumeClasa() const { return QStringLiteral("TListaLiniiProfilDiploma"); }
    virtual std::unique_ptr<TListaLiniiProfilDiploma> Create() const;
    virtual QString NumeProfil() const { return {}; }
    virtual QString ListaCampuriElev() const;
};

// The base class itself, as a class reference.
const TClasaProfilDiploma& ClasaProfilDiplomaDeBaza();
