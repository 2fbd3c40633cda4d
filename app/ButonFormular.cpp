#include "app/ButonFormular.h"

#include "app/HandlerFormular.h"
#include "app/ListaElevi.h"
#include "layout/FormularDePrintat.h"
#include "layout/FormularTextArea.h"
#include "print/ScrieNota.h"
#include "profile/CodCamp.h"
#include "store/DM.h"
#include "store/Interogare.h"
#include "util/Eroare.h"
#include "util/Mesaje.h"
#include "util/Note.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

namespace {
QString NumeZona(const TFormularTextArea& zona) {
    return zona.objectName();
}
const QString ClasaZona = QStringLiteral("TFormularTextArea");

// The two areas of a grade place: those with the same field code and Denumire3, the upper one
// first.
std::pair<TFormularTextArea*, TFormularTextArea*> Pereche(const TFormularDePrintat& pagina,
                                                          const TFormularTextArea& zona) {
    TFormularTextArea* sus = nullptr;
    TFormularTextArea* jos = nullptr;
    for (TFormularTextArea* alta : pagina.TextAreas()) {
        if (alta->Denumire1().toUpper() != zona.Denumire1().toUpper() ||
            alta->Denumire3().toUpper() != zona.Denumire3().toUpper())
            continue;
        if (!sus) {
            sus = alta;
        } else if (alta->TopMm() > sus->TopMm()) {
            jos = alta;
        } else {
            jos = sus;
            sus = alta;
        }
    }
    return {sus, jos};
}

int FelNotei(const TFormularTextArea& zona) {
    const QString fel = zona.Denumire3().trimmed().toUpper();
    const QStringList feluri = {QStringLiteral("NOTA_DIPLOMA"), QStringLiteral("NOTA_COTOR"),
                                QStringLiteral("MEDIE_DIPLOMA"), QStringLiteral("MEDIE_COTOR")};
    const int index = int(feluri.indexOf(fel));
    if (index < 0)
        throw Eroare(QStringLiteral("%1.%2 specifica un camp \"NOTA\" cu Denumire3 = \"%3\"; "
                                    "Denumire3 ar trebui sa fie NOTA_DIPLOMA, NOTA_COTOR, "
                                    "MEDIE_DIPLOMA sau MEDIE_COTOR!")
                         .arg(NumeZona(zona), ClasaZona, zona.Denumire3()));
    return index;
}

QString TipDeDate(const TCodCamp& cod, const TFormularTextArea& zona) {
    if (cod.Formular.isEmpty() && cod.Pagina.isEmpty() && cod.Camp.isEmpty())
        return QStringLiteral("X");
    TInterogare tip(QStringLiteral("SELECT TIP_DE_DATE FROM PROFIL_DIPLOMA WHERE "
                                   "(COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
                                   "(COD_CAMP=:COD_CAMP)"));
    tip.Param(QStringLiteral("COD_FORMULAR"), cod.Formular)
        .Param(QStringLiteral("COD_PAGINA"), cod.Pagina)
        .Param(QStringLiteral("COD_CAMP"), cod.Camp)
        .Executa();
    if (!tip.Urmator())
        throw Eroare(QStringLiteral("%1.%2 face referire la campul inexistent %3.%4.%5")
                         .arg(NumeZona(zona), ClasaZona, cod.Formular, cod.Pagina, cod.Camp));
    return tip.Text(QStringLiteral("TIP_DE_DATE"));
}

// The part of a value an area shows: all of it, one character, or a run of characters.
QString TextZona(const TFormularTextArea& zona, const QString& valoare) {
    bool ok = true;
    const int pozitie = zona.Denumire2().isEmpty() ? 0 : zona.Denumire2().toInt(&ok);
    if (!ok)
        throw Eroare(QStringLiteral("%1.%2 are denumire2=\"%3\" (adica nu un numar)")
                         .arg(NumeZona(zona), ClasaZona, zona.Denumire2()));
    const int lungime = zona.Denumire3().isEmpty() ? 1 : zona.Denumire3().toInt(&ok);
    if (!ok)
        throw Eroare(QStringLiteral("%1.%2 are Denumire3=\"%3\" (adica nu un numar) (%4)")
                         .arg(NumeZona(zona), ClasaZona, zona.Denumire3(), zona.Denumire1()));
    if (zona.Denumire2().isEmpty())
        return valoare;
    // Positions count from 1; one before the first counts as the first.
    const int inceput = std::max(pozitie, 1) - 1;
    if (inceput >= valoare.size() || lungime <= 0)
        return {};
    return valoare.mid(inceput, lungime);
}

void CompleteazaZona(const TFormularDePrintat& pagina, TFormularTextArea& zona, int idElev) {
    zona.SeteazaSursaText({});
    zona.SeteazaText(QString());
    const TCodCamp cod = ImparteCodCamp(zona.Denumire1());
    const QString valoare = DM().ValoareCamp(cod.Formular, cod.Pagina, cod.Camp, idElev, -1);
    const QString tip = TipDeDate(cod, zona);
    const bool notaSauCalificativ = tip == TipDate::NotaSauCalificativ;
    if (tip == TipDate::Nota || (notaSauCalificativ && EsteNotaValida(valoare))) {
        const int fel = FelNotei(zona);
        const auto [sus, jos] = Pereche(pagina, zona);
        const std::optional<int> nota =
            valoare.isEmpty() ? std::nullopt : std::optional<int>(int(NotaDinText(valoare) / 100));
        ScrieNota(sus, jos, nota, fel);
    } else if (!notaSauCalificativ) {
        zona.SeteazaText(TextZona(zona, valoare));
    } else {
        // A qualifier in a grade place is printed once, centred between the two lines.
        const auto [sus, jos] = Pereche(pagina, zona);
        sus->RetineReferinta();
        if (jos) {
            jos->RetineReferinta();
            jos->hide();
            sus->SeteazaTopMm((sus->ReferintaSus + jos->ReferintaSus) / 2);
            sus->AsazaDinMm();
        }
        sus->SeteazaText(valoare);
    }
}
} // namespace

void CompleteazaDocument(QWidget* fereastra, int idElev) {
    TCitire citire(DM().Tr());
    for (TFormularDePrintat* pagina : fereastra->findChildren<TFormularDePrintat*>()) {
        for (int n = 1; n <= pagina->NumarMaximTextArea(); ++n)
            if (TFormularTextArea* zona = pagina->TextAreaNumarul(n))
                zona->SeteazaText(QStringLiteral("<%1>").arg(n));
        pagina->SeteazaTextAreaTransparent(true);
        pagina->SeteazaZoom(100);
        for (TFormularTextArea* zona : pagina->TextAreas())
            CompleteazaZona(*pagina, *zona, idElev);
    }
}

TButonFormular::TButonFormular(THandlerFormularDePrintat* handler, TListaElevi* lista,
                               QWidget* parent)
    : QPushButton(parent)
    , HandlerDocument(handler)
    , Arbore(lista) {
    // A document's name is longer than the button is wide: it wraps beside the picture.
    setToolTip(handler->Denumire);
    auto* asezare = new QHBoxLayout(this);
    asezare->setContentsMargins(4, 2, 4, 2);
    asezare->setSpacing(4);
    auto* imagine = new QLabel;
    imagine->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(16, 16));
    auto* text = new QLabel(handler->Denumire);
    text->setWordWrap(true);
    QFont font = text->font();
    font.setPixelSize(9);
    text->setFont(font);
    for (QLabel* eticheta : {imagine, text})
        eticheta->setAttribute(Qt::WA_TransparentForMouseEvents);
    asezare->addWidget(imagine);
    asezare->addWidget(text, 1);
    connect(this, &QPushButton::clicked, this, &TButonFormular::Click);
}

void TButonFormular::Click() {
    const TLinieElev* elev = Arbore->ElevSelectat();
    if (!elev) {
        ArataMesaj(this, QMessageBox::Information, MesajSelectatiElev());
        return;
    }
    if (!Fereastra) {
        Fereastra = HandlerDocument->CreeazaFereastra(this);
        for (TFormularDePrintat* pagina : Fereastra->findChildren<TFormularDePrintat*>())
            pagina->SeteazaZoom(100);
    }
    const QList<TVariabileFormular*> variabile = Fereastra->findChildren<TVariabileFormular*>();
    TVariabileFormular* v =
        variabile.isEmpty() ? new TVariabileFormular(Fereastra) : variabile.last();
    v->IdElev = elev->IdElev;
    CompleteazaDocument(Fereastra, elev->IdElev);
    if (auto* dialog = qobject_cast<QDialog*>(Fereastra)) {
        dialog->exec();
    } else {
        Fereastra->setWindowModality(Qt::ApplicationModal);
        Fereastra->show();
    }
}
