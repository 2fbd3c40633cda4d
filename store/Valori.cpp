// The value store "DATE": the look-up that follows the links between fields, the storing rule
// of every field editor, and the expansion of field-code templates.

#include "profile/CodCamp.h"
#include "store/DM.h"
#include "store/Interogare.h"
#include "util/Eroare.h"

namespace {
const QString Elevi = QStringLiteral("ELEVI");

QString SqlRand(const QString& tabel) {
    return QStringLiteral("SELECT * FROM \"DATE\" WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                          "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP) AND (ID_") +
           tabel + QStringLiteral("=:ID)");
}

TInterogare& ParamCod(TInterogare& interogare, const TCodCamp& cod) {
    return interogare.Param(QStringLiteral("COD_FORMULAR"), cod.Formular)
        .Param(QStringLiteral("COD_PAGINA"), cod.Pagina)
        .Param(QStringLiteral("COD_CAMP"), cod.Camp);
}

void CereTranzactie(const TTranzactie& tranzactie, const QString& procedura) {
    if (!tranzactie.Activa())
        throw Eroare(QStringLiteral("Tranzactia trebuie sa fie activa in momentul apelarii "
                                    "procedurii ") +
                     procedura);
}
} // namespace

TInterogare& TDM::Pregatita(const QString& sql) {
    if (numarInterogari_ != tranzactie_.Numar()) {
        interogari_.clear();
        numarInterogari_ = tranzactie_.Numar();
    }
    std::unique_ptr<TInterogare>& interogare = interogari_[sql];
    if (!interogare)
        interogare = std::make_unique<TInterogare>(sql);
    return *interogare;
}

void TDM::VerificaGeneratia() {
    if (generatie_ == tranzactie_.Generatie())
        return;
    linii_.clear();
    valori_.clear();
    generatie_ = tranzactie_.Generatie();
}

std::optional<TDM::TLiniePentruValoare> TDM::LiniaProfilului(const TCodCamp& cod) {
    VerificaGeneratia();
    const QString cheie = CheieCod(cod);
    auto gasita = linii_.constFind(cheie);
    if (gasita == linii_.constEnd()) {
        TInterogare& interogare = Pregatita(
            QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                           "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)"));
        ParamCod(interogare, cod).Executa();
        std::optional<TLiniePentruValoare> linie;
        if (interogare.Urmator())
            linie = TLiniePentruValoare{interogare.Text(QStringLiteral("ONOREZ_SIMILAR")),
                                        interogare.Text(QStringLiteral("SIMILAR_CU")),
                                        interogare.Text(QStringLiteral("ASOCIAT_CU"))};
        gasita = linii_.insert(cheie, linie);
    }
    return *gasita;
}

QString TDM::ValoareRand(const TCodCamp& cod, const QString& tabel, int id) {
    TInterogare& interogare = Pregatita(SqlRand(tabel));
    ParamCod(interogare, cod).Param(QStringLiteral("ID"), id).Executa();
    if (!interogare.Urmator())
        return {};
    return interogare.Text(QStringLiteral("VALOARE_TEXT"));
}

std::optional<int> TDM::LegaturaElev(const TCodCamp& cod, const QString& tabel, int idElev) {
    TInterogare& interogare = Pregatita(SqlRand(Elevi));
    ParamCod(interogare, cod).Param(QStringLiteral("ID"), idElev).Executa();
    if (!interogare.Urmator())
        return std::nullopt;
    const QVariant idf = interogare.Valoare(QStringLiteral("IDF_") + tabel);
    if (idf.isNull())
        return std::nullopt;
    return idf.toInt();
}

QString TDM::ValoareCamp(const QString& formular, const QString& pagina, const QString& camp,
                         int idElev, int idInregistrare) {
    TCitire citire(tranzactie_);
    // Within one transaction that has not written, the same question has the same answer: a
    // template that names a field twice, or a list of many records, asks each once.
    VerificaGeneratia();
    const TCodCamp cod{formular, pagina, camp};
    const QString cheie = CheieCod(cod) + QChar(0) + QString::number(idElev) + QChar(0) +
                          QString::number(idInregistrare);
    if (const auto gasita = valori_.constFind(cheie); gasita != valori_.constEnd())
        return *gasita;
    QSet<QString> vizitate;
    const QString valoare = Rezolva(cod, idElev, idInregistrare, vizitate);
    valori_.insert(cheie, valoare);
    return valoare;
}

QString TDM::Rezolva(const TCodCamp& cod, int idElev, int idInregistrare, QSet<QString>& vizitate) {
    // The result depends only on the field and the record asked for: meeting the same pair
    // again is a chain of links that never ends, which resolves to the empty text.
    const QString pas = CheieCod(cod) + QChar(0) + QString::number(idInregistrare);
    if (vizitate.contains(pas))
        return {};
    vizitate.insert(pas);

    const std::optional<TLiniePentruValoare> linie = LiniaProfilului(cod);
    if (!linie)
        return {};
    const QString& onorez = linie->OnorezSimilar;
    const QString& tabel = linie->AsociatCu;
    const QString onorezMare = onorez.toUpper();
    const bool legat = !onorezMare.isEmpty() && onorezMare != QStringLiteral("NU") &&
                       !linie->SimilarCu.trimmed().isEmpty();

    if (!legat) {
        // A line without an owning table names no value column: nothing to read.
        if (tabel.isEmpty())
            return {};
        if (tabel == Elevi)
            return ValoareRand(cod, Elevi, idElev);
        const int inregistrare =
            idElev == -1 ? idInregistrare : LegaturaElev(cod, tabel, idElev).value_or(-1);
        return ValoareRand(cod, tabel, inregistrare);
    }

    QString propriu;
    int inregistrareLegata = idInregistrare;
    if (onorez == QStringLiteral("OPTIONAL")) {
        if (tabel.isEmpty())
            return {};
        if (tabel == Elevi) {
            inregistrareLegata = -1;
            propriu = ValoareRand(cod, Elevi, idElev);
        } else {
            // -2: the student has no record of this table; a "SELECTIV" line reached with it
            // yields the empty text.
            inregistrareLegata = -2;
            if (const std::optional<int> idf = LegaturaElev(cod, tabel, idElev)) {
                inregistrareLegata = *idf;
                propriu = ValoareRand(cod, tabel, inregistrareLegata);
            }
        }
    }
    if (onorez != QStringLiteral("DA") && (!propriu.isEmpty() || inregistrareLegata == -2))
        return propriu;
    return Rezolva(ImparteCodCamp(linie->SimilarCu), idElev, inregistrareLegata, vizitate);
}

void TDM::ScrieValoare(const QString& formular, const QString& pagina, const QString& camp,
                       const QString& tabel, int idElev, int idInregistrare, const QString& text,
                       int lungime) {
    CereTranzactie(tranzactie_, QStringLiteral("ScrieValoare"));
    const TCodCamp cod{formular, pagina, camp};
    const int inregistrare = tabel == Elevi ? idElev : idInregistrare;
    const QString valoare = text.trimmed().left(lungime);

    TInterogare& cauta = Pregatita(
        QStringLiteral("SELECT * FROM \"DATE\" WHERE (ID_%1=:ID) AND (COD_FORMULAR=:COD_FORMULAR) "
                       "AND (COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)")
            .arg(tabel));
    ParamCod(cauta, cod).Param(QStringLiteral("ID"), inregistrare).Executa();
    if (!cauta.Urmator()) {
        TInterogare& adauga = Pregatita(
            QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_%1, "
                           "VALOARE_TEXT, VALOARE_NUM) VALUES (:COD_FORMULAR, :COD_PAGINA, "
                           ":COD_CAMP, :ID, :VALOARE_TEXT, 0)")
                .arg(tabel));
        ParamCod(adauga, cod)
            .Param(QStringLiteral("ID"), inregistrare)
            .Param(QStringLiteral("VALOARE_TEXT"), valoare)
            .Executa();
        return;
    }

    // The update also makes the row belong to this table alone.
    QString sql = QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT=:VAL, VALOARE_NUM=0");
    {
        TInterogare& altele =
            Pregatita(QStringLiteral("SELECT NUME_TABEL FROM TABELE WHERE NUME_TABEL <> :TAB"));
        altele.Param(QStringLiteral("TAB"), tabel).Executa();
        while (altele.Urmator())
            sql +=
                QStringLiteral(", ID_") + altele.Valoare(0).toString() + QStringLiteral(" = NULL");
    }
    sql += QStringLiteral(" WHERE (ID_%1=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND "
                          "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)")
               .arg(tabel);
    TInterogare& actualizeaza = Pregatita(sql);
    ParamCod(actualizeaza, cod)
        .Param(QStringLiteral("VAL"), valoare)
        .Param(QStringLiteral("ID"), inregistrare)
        .Executa();
}

QString TDM::ParseExp(const QString& sablon, int idElev, int idInregistrare) {
    CereTranzactie(tranzactie_, QStringLiteral("ParseExp"));
    QString rezultat;
    QString cod;
    bool inCod = false;
    for (const QChar caracter : sablon) {
        if (!inCod) {
            if (caracter == u'{') {
                cod.clear();
                inCod = true;
            } else {
                rezultat += caracter;
            }
        } else if (caracter == u'}') {
            const TCodCamp parti = ImparteCodCamp(cod);
            rezultat +=
                ValoareCamp(parti.Formular, parti.Pagina, parti.Camp, idElev, idInregistrare);
            inCod = false;
        } else {
            cod += caracter;
        }
    }
    return rezultat;
}
