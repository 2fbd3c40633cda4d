#include "profile/ProfilDiploma.h"

#include "util/FluxValori.h"

#include <QFile>

namespace {
const QString InvalidStream = QStringLiteral("Invalid stream");

void CitesteZero(TCititorValori& cititor, const QString& mesaj) {
    const qint64 pozitie = cititor.Pozitie();
    if (cititor.CitesteIntreg() != 0)
        throw EroareFlux(mesaj, pozitie);
}

TLinieProfilDiploma CitesteLinie(TCititorValori& cititor) {
    CitesteZero(cititor, QStringLiteral("Invalid Stream!"));
    TLinieProfilDiploma linie;
    for (QString* text :
         {&linie.COD_FORMULAR, &linie.COD_PAGINA, &linie.COD_CAMP, &linie.SIMILAR_CU,
          &linie.ONOREZ_SIMILAR, &linie.ETICHETA_EDITOR, &linie.FORMULA, &linie.VIZIBIL,
          &linie.TIP_DE_DATE, &linie.ASOCIAT_CU, &linie.GRUP})
        *text = cititor.CitesteText();
    linie.ORDINE = cititor.CitesteIntreg();
    linie.LATIME_SUGERATA = cititor.CitesteIntreg();
    linie.COD_LINIE = cititor.CitesteText();
    return linie;
}

TInfoFormularDiploma CitesteFormular(TCititorValori& cititor) {
    CitesteZero(cititor, InvalidStream);
    TInfoFormularDiploma formular;
    formular.Text1 = cititor.CitesteText();
    formular.Text2 = cititor.CitesteText();
    CitesteZero(cititor, InvalidStream);
    const qint32 pagini = cititor.CitesteIntreg();
    for (qint32 i = 0; i < pagini; ++i) {
        CitesteZero(cititor, InvalidStream);
        TInfoPaginaFormularDiploma pagina;
        pagina.Text1 = cititor.CitesteText();
        pagina.Text2 = cititor.CitesteText();
        formular.Pagini.push_back(std::move(pagina));
    }
    return formular;
}
} // namespace

void TListaLiniiProfilDiploma::IncarcaDinFisier(const QString& cale) {
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        throw Eroare(QStringLiteral("Cannot open file \"%1\". %2").arg(cale, fisier.errorString()));
    TCititorValori cititor(fisier.readAll());
    fisier.close();
    cititor.CitesteText();
    CitesteDin(cititor);
}

void TListaLiniiProfilDiploma::CitesteDin(TCititorValori& cititor) {
    const qint64 pozitieVersiune = cititor.Pozitie();
    const qint32 versiune = cititor.CitesteIntreg();
    if (versiune != 0 && versiune != 1)
        throw EroareFlux(InvalidStream, pozitieVersiune);
    const qint32 numar = cititor.CitesteIntreg();
    linii_.clear();
    for (qint32 i = 0; i < numar; ++i)
        linii_.push_back(CitesteLinie(cititor));

    formulare_.clear();
    if (versiune == 1) {
        CitesteZero(cititor, InvalidStream);
        const qint32 formulare = cititor.CitesteIntreg();
        for (qint32 i = 0; i < formulare; ++i)
            formulare_.push_back(CitesteFormular(cititor));
    }
}

std::unique_ptr<TListaLiniiProfilDiploma> TClasaProfilDiploma::Create() const {
    return std::make_unique<TListaLiniiProfilDiploma>();
}

QString TClasaProfilDiploma::ListaCampuriElev() const {
    throw Eroare(QStringLiteral("Nu ai definit %1.ListaCampuriElev; Lista trebuie sa fie de tipul "
                                "\"{FORMULAR.PAG.CAMP} {FORMULAR.PAG.CAMP}\"")
                     .arg(NumeClasa()));
}

const TClasaProfilDiploma& ClasaProfilDiplomaDeBaza() {
    static const TClasaProfilDiploma clasa;
    return clasa;
}
