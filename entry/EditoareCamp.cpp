#include "entry/EditoareCamp.h"

#include "controls/QebEditors.h"
#include "profile/CodCamp.h"
#include "store/DM.h"
#include "store/Interogare.h"
#include "util/Cuvinte.h"
#include "util/Eroare.h"
#include "util/Mesaje.h"
#include "util/Note.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <map>

namespace {
TInterogare& ParamCod(TInterogare& interogare, const QString& formular, const QString& pagina,
                      const QString& camp) {
    return interogare.Param(QStringLiteral("COD_FORMULAR"), formular)
        .Param(QStringLiteral("COD_PAGINA"), pagina)
        .Param(QStringLiteral("COD_CAMP"), camp);
}

using TFabricaEditor = TEditorGeneric* (*)(QWidget*);

template <class T> TEditorGeneric* Fabrica(QWidget* parinte) {
    return new T(parinte);
}

TFabricaEditor FabricaPentruTip(const QString& tip) {
    static const std::map<QString, TFabricaEditor> fabrici{
        {TipDate::Text, &Fabrica<TEditorCampText>},
        {TipDate::CNP, &Fabrica<TEditorCampCNP>},
        {TipDate::Nota, &Fabrica<TEditorCampNota>},
        {TipDate::Calificativ, &Fabrica<TEditorCampCalificativ>},
        {TipDate::CF, &Fabrica<TEditorCampCF>},
        {TipDate::Sirues, &Fabrica<TEditorCampSirues>},
        {TipDate::NotaSauCalificativ, &Fabrica<TEditorGenericNotaSauCalificativ>},
    };
    const auto gasita = fabrici.find(tip);
    return gasita == fabrici.end() ? nullptr : gasita->second;
}

bool AreCifre(const QString& text) {
    for (const QChar c : text)
        if (c >= u'0' && c <= u'9')
            return true;
    return false;
}
} // namespace

bool ExistaEditorCamp(const QString& tipDeDate) {
    return FabricaPentruTip(tipDeDate) != nullptr;
}

TEditorGeneric* CreeazaEditorCamp(const QString& tipDeDate, QWidget* parinte) {
    const TFabricaEditor fabrica = FabricaPentruTip(tipDeDate);
    return fabrica ? fabrica(parinte) : nullptr;
}

// ---- TEditorCampValoare

std::optional<QString> TEditorCampValoare::ValoareStocata() const {
    TCitire citire(DM().Tr());
    TInterogare rand(QStringLiteral("SELECT * FROM \"DATE\" WHERE (ID_%1=:ID) AND "
                                    "(COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) "
                                    "AND (COD_CAMP=:COD_CAMP)")
                         .arg(NumeTabel));
    ParamCod(rand, CodFormular, CodPagina, CodCamp)
        .Param(QStringLiteral("ID"), IdInregistrare)
        .Executa();
    if (!rand.Urmator())
        return std::nullopt;
    const QVariant valoare = rand.Valoare(QStringLiteral("VALOARE_TEXT"));
    if (valoare.isNull())
        return std::nullopt;
    return valoare.toString();
}

void TEditorCampValoare::Incarca(const QString& codFormular, const QString& codPagina,
                                 const QString& codCamp, const QString& numeTabel, int idElev,
                                 int idAltaInregistrare) {
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, numeTabel, idElev, idAltaInregistrare);
    if (const std::optional<QString> valoare = ValoareStocata())
        SeteazaTextControl(*valoare);
}

void TEditorCampValoare::Salveaza(int idElev, int idAltaInregistrare, const QString& numeTabel) {
    DM().ScrieValoare(CodFormular, CodPagina, CodCamp, numeTabel, idElev, idAltaInregistrare,
                      TextControl(), LungimeMaxima());
}

// ---- TEditorCampText

TEditorCampText::TEditorCampText(QWidget* parinte)
    : TEditorCampValoare(parinte) {
    Combo = new QComboBox(this);
    Combo->setEditable(true);
    // The suggestions are the stored values only; typing never adds to them.
    Combo->setInsertPolicy(QComboBox::NoInsert);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    Combo->setFont(font);
    SeteazaControl(Combo, 3);
    // Completes the typing from the suggestions, case aside, the rest of the text selected.
    completare_ = new QCompleter(Combo->model(), Combo);
    completare_->setCompletionMode(QCompleter::InlineCompletion);
    completare_->setCaseSensitivity(Qt::CaseInsensitive);
    SeteazaGhiceste(true);
}

void TEditorCampText::Incarca(const QString& codFormular, const QString& codPagina,
                              const QString& codCamp, const QString& numeTabel, int idElev,
                              int idAltaInregistrare) {
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, numeTabel, idElev, idAltaInregistrare);
    {
        TCitire citire(DM().Tr());
        TInterogare sugestii(QStringLiteral(
            "select DISTINCT(VALOARE_TEXT) from \"DATE\" where (COD_FORMULAR=:COD_FORMULAR) and "
            "(COD_PAGINA=:COD_PAGINA) and (COD_CAMP=:COD_CAMP)"));
        ParamCod(sugestii, CodFormular, CodPagina, CodCamp).Executa();
        QStringList texte;
        while (sugestii.Urmator())
            texte << sugestii.Valoare(0).toString();
        Combo->addItems(texte);
    }
    SeteazaTextControl(ValoareStocata().value_or(QString()));
    Combo->lineEdit()->end(false);
}

bool TEditorCampText::PotSalva() {
    SeteazaTextControl(ConvertesteDiacritice(TextControl()));
    return true;
}

void TEditorCampText::DupaAfisare() {
    Combo->lineEdit()->home(false);
}

void TEditorCampText::SeteazaGhiceste(bool activ) {
    Combo->setCompleter(activ ? completare_ : nullptr);
}

void TEditorCampText::Goleste() {
    Combo->clear();
    Combo->clearEditText();
}

QString TEditorCampText::TextControl() const {
    return Combo->currentText();
}

void TEditorCampText::SeteazaTextControl(const QString& text) {
    // Adding suggestions selects the first one; the box shows the record's own text only.
    Combo->setCurrentIndex(-1);
    Combo->setEditText(text);
}

// ---- one-line editors

TEditorCampLinie::TEditorCampLinie(QWidget* parinte)
    : TEditorCampValoare(parinte) {
    Edit = new QLineEdit(this);
    SeteazaControl(Edit);
}

void TEditorCampLinie::Goleste() {
    Edit->clear();
}

QString TEditorCampLinie::TextControl() const {
    return Edit->text();
}

void TEditorCampLinie::SeteazaTextControl(const QString& text) {
    Edit->setText(text);
}

bool TEditorCampCNP::PotSalva() {
    if (CNPValid(Edit->text()))
        return true;
    return IntreabaDaNu(
        this, QStringLiteral("Codul numeric personal este eronat! Sigur doriti sa continuati?"));
}

bool TEditorGenericNotaSauCalificativ::PotSalva() {
    if (!AreCifre(Edit->text()) || EsteNotaValida(Edit->text()))
        return true;
    return IntreabaDaNu(this, QStringLiteral("Textul introdus ar putea fi o nota (include "
                                             "cifre) dar va fi tiparit ca un calfiicativ!\r\n"
                                             "Continuati?"));
}

// ---- TEditorCampNota

TEditorCampNota::TEditorCampNota(QWidget* parinte)
    : TEditorCampValoare(parinte) {
    Nota = new TQebNumEdit(this);
    Nota->SetNoDots(true);
    Nota->SetAutoSelectOnEnter(true);
    Nota->SetKeepSelection(false);
    Nota->SetRightAlignNonEdit(false);
    SeteazaControl(Nota);
}

void TEditorCampNota::Incarca(const QString& codFormular, const QString& codPagina,
                              const QString& codCamp, const QString& numeTabel, int idElev,
                              int idAltaInregistrare) {
    TEditorCampValoare::Incarca(codFormular, codPagina, codCamp, numeTabel, idElev,
                                idAltaInregistrare);
    // A grade of 0 and a missing grade both show as an empty box.
    if (Nota->CuDouaZecimale() == 0)
        Nota->SetText(QString());
}

bool TEditorCampNota::PotSalva() {
    if (Nota->Text().trimmed().isEmpty())
        return true;
    const qint64 nota = Nota->CuDouaZecimale();
    if (nota < 500) {
        ArataMesaj(this, QMessageBox::Warning, QStringLiteral("Nota este prea mica"));
        return false;
    }
    if (nota > 1000) {
        ArataMesaj(this, QMessageBox::Warning, QStringLiteral("Nota este prea mare"));
        return false;
    }
    return true;
}

void TEditorCampNota::Goleste() {
    Nota->SetText(QString());
}

QString TEditorCampNota::TextControl() const {
    return Nota->Text();
}

void TEditorCampNota::SeteazaTextControl(const QString& text) {
    Nota->SetAsCurrency(NotaDinText(text));
}

// ---- TEditorCampLista

TEditorCampLista::TEditorCampLista(QWidget* parinte)
    : TEditorGeneric(parinte) {
    Lista = new QComboBox(this);
    Lista->setEditable(false);
    SeteazaControl(Lista);
    Goleste();
}

void TEditorCampLista::Goleste() {
    Lista->clear();
    IduriInregistrari.clear();
    Lista->addItem(FaraSelectie());
}

void TEditorCampLista::Incarca(const QString&, const QString&, const QString&,
                               const QString& numeTabel, int idElev, int) {
    TabelLegat = numeTabel;
    int idSelectat = -1;
    int indexSelectat = -1;
    QStringList texte;
    {
        TCitire citire(DM().Tr());
        {
            TInterogare legatura(QStringLiteral(
                "select * from \"DATE\" d, PROFIL_DIPLOMA p where (d.id_elevi = :id) and "
                "(p.cod_formular = d.cod_formular) and (p.cod_pagina = d.cod_pagina) and "
                "(p.cod_camp = d.cod_camp) and (p.asociat_cu = :asociat_cu)"));
            legatura.Param(QStringLiteral("id"), idElev)
                .Param(QStringLiteral("asociat_cu"), TabelLegat)
                .Executa();
            if (legatura.Urmator()) {
                const QVariant idf = legatura.Valoare(QStringLiteral("IDF_") + TabelLegat);
                if (!idf.isNull())
                    idSelectat = idf.toInt();
            }
        }
        const QString sablon = ListaCampuriTabel(TabelLegat);
        std::vector<int> iduri;
        {
            TInterogare inregistrari(
                QStringLiteral("select id_%1 as \"ID\" from %1 ").arg(TabelLegat));
            inregistrari.Executa();
            while (inregistrari.Urmator())
                iduri.push_back(inregistrari.Valoare(0).toInt());
        }
        for (const int id : iduri) {
            IduriInregistrari << QString::number(id);
            texte << CurataTextAfisat(DM().ParseExp(sablon, -1, id));
            if (id == idSelectat)
                indexSelectat = int(IduriInregistrari.size());
        }
    }
    Lista->addItems(texte);
    // A new student of a school that is alone in the database belongs to it.
    if (indexSelectat == -1 && idElev == -1 && IduriInregistrari.size() == 1)
        indexSelectat = 1;
    Lista->setCurrentIndex(indexSelectat == -1 ? 0 : indexSelectat);
}

int TEditorCampLista::IdSelectat() const {
    const int index = Lista->currentIndex();
    if (index <= 0)
        return -1;
    return IduriInregistrari.at(index - 1).toInt();
}

void TEditorCampLista::Salveaza(int idElev, int, const QString&) {
    if (!DM().Tr().Activa())
        throw Eroare(QStringLiteral("Nu am tranzactia deschisa!"));
    const int idNou = IdSelectat();
    const QVariant legatura = idNou == -1 ? QVariant(QMetaType::fromType<int>()) : idNou;

    struct TCod {
        QString Formular, Pagina, Camp;
    };
    std::vector<TCod> coduri;
    {
        TInterogare campuri(QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP FROM "
                                           "PROFIL_DIPLOMA WHERE ASOCIAT_CU = :AS"));
        campuri.Param(QStringLiteral("AS"), TabelLegat).Executa();
        while (campuri.Urmator())
            coduri.push_back({campuri.Valoare(0).toString(), campuri.Valoare(1).toString(),
                              campuri.Valoare(2).toString()});
    }
    TInterogare numara(QStringLiteral(
        "SELECT COUNT(*) AS \"CNT\" FROM \"DATE\" where (COD_FORMULAR=:COD_FORMULAR) and "
        "(COD_PAGINA=:COD_PAGINA) and (COD_CAMP=:COD_CAMP) and (ID_ELEVI=:ID_ELEVI)"));
    TInterogare actualizeaza(
        QStringLiteral("UPDATE \"DATE\" SET IDF_%1 = :ID_NOU where (COD_FORMULAR=:COD_FORMULAR) "
                       "and (COD_PAGINA=:COD_PAGINA) and (COD_CAMP=:COD_CAMP) and "
                       "(ID_ELEVI=:ID_ELEVI)")
            .arg(TabelLegat));
    TInterogare adauga(
        QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                       "VALOARE_NUM, ID_ELEVI, IDF_%1) VALUES (:COD_FORMULAR, :COD_PAGINA, "
                       ":COD_CAMP, :VALOARE_TEXT, :VALOARE_NUM, :ID_ELEVI, :ID_NOU)")
            .arg(TabelLegat));
    for (const TCod& cod : coduri) {
        ParamCod(numara, cod.Formular, cod.Pagina, cod.Camp)
            .Param(QStringLiteral("ID_ELEVI"), idElev)
            .Executa();
        const QVariant numar = numara.Urmator() ? numara.Valoare(0) : QVariant();
        if (!numar.isNull() && numar.toLongLong() > 0) {
            ParamCod(actualizeaza, cod.Formular, cod.Pagina, cod.Camp)
                .Param(QStringLiteral("ID_ELEVI"), idElev)
                .Param(QStringLiteral("ID_NOU"), legatura)
                .Executa();
        } else {
            ParamCod(adauga, cod.Formular, cod.Pagina, cod.Camp)
                .Param(QStringLiteral("VALOARE_TEXT"), QString())
                .Param(QStringLiteral("VALOARE_NUM"), 0)
                .Param(QStringLiteral("ID_ELEVI"), idElev)
                .Param(QStringLiteral("ID_NOU"), legatura)
                .Executa();
        }
    }
}

QString CurataTextAfisat(QString text) {
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u';'))
        text.chop(1);
    while (text.contains(QStringLiteral("; ;")))
        text.replace(QStringLiteral("; ;"), QStringLiteral(";"));
    return text;
}
