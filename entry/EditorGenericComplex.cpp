#include "entry/EditorGenericComplex.h"

#include "entry/EditoareCamp.h"
#include "profile/CodCamp.h"
#include "store/DM.h"
#include "store/Interogare.h"
#include "util/Eroare.h"

#include <QLabel>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QColor CuloareFundal(247, 245, 245);
const QString Elevi = QStringLiteral("ELEVI");

void Coloreaza(QWidget* w, const QColor& culoare) {
    QPalette paleta = w->palette();
    paleta.setColor(QPalette::Window, culoare);
    w->setPalette(paleta);
    w->setAutoFillBackground(true);
}

QVBoxLayout* StivaVerticala(QWidget* container) {
    auto* stiva = new QVBoxLayout(container);
    stiva->setContentsMargins(0, 0, 0, 0);
    stiva->setSpacing(0);
    return stiva;
}

// Appends at the bottom of a top-down stack, above the stretch that keeps it at the top.
void AdaugaJos(QWidget* container, QWidget* control) {
    auto* stiva = static_cast<QVBoxLayout*>(container->layout());
    const int n = stiva->count();
    if (n > 0 && stiva->itemAt(n - 1)->spacerItem())
        stiva->insertWidget(n - 1, control);
    else
        stiva->addWidget(control);
}

// Captions are told apart by their letters only, so line breaks and spaces do not count.
QString DoarLitere(const QString& text) {
    QString litere;
    for (const QChar c : text)
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
            litere += c.toLower();
    return litere;
}

// What the build needs of a profile row.
struct TRandProfil {
    QString Formular, Pagina, Camp;
    QString SimilarCu, OnorezSimilar, EtichetaEditor, TipDeDate;
    int Latime = 0;
    QString Linie;
};

std::vector<TRandProfil> RanduriProfil(const QString& numeTabel) {
    TInterogare profil(QStringLiteral(
        "select    COD_FORMULAR, COD_PAGINA, COD_CAMP, SIMILAR_CU, ONOREZ_SIMILAR,    "
        "ETICHETA_EDITOR, FORMULA, VIZIBIL, TIP_DE_DATE, ASOCIAT_CU, GRUP, LATIME_SUGERATA, "
        "COD_LINIE from    PROFIL_DIPLOMA where    ASOCIAT_CU = :ASOCIAT_CU"));
    profil.Param(QStringLiteral("ASOCIAT_CU"), numeTabel).Executa();
    std::vector<TRandProfil> randuri;
    while (profil.Urmator()) {
        const QVariant latime = profil.Valoare(QStringLiteral("LATIME_SUGERATA"));
        randuri.push_back(
            {profil.Text(QStringLiteral("COD_FORMULAR")), profil.Text(QStringLiteral("COD_PAGINA")),
             profil.Text(QStringLiteral("COD_CAMP")), profil.Text(QStringLiteral("SIMILAR_CU")),
             profil.Text(QStringLiteral("ONOREZ_SIMILAR")),
             profil.Text(QStringLiteral("ETICHETA_EDITOR")),
             profil.Text(QStringLiteral("TIP_DE_DATE")), latime.isNull() ? 0 : latime.toInt(),
             profil.Text(QStringLiteral("COD_LINIE"))});
    }
    return randuri;
}

// A linked table's list goes to the tab and group that all the table's fields agree on.
struct TLocLegatura {
    QString Formular;
    QString Grup;
};

TLocLegatura LocLegatura(const QString& tabel) {
    TInterogare locuri(QStringLiteral(
        "SELECT DISTINCT COD_FORMULAR, GRUP FROM PROFIL_DIPLOMA WHERE (ASOCIAT_CU = :ASOCIAT_CU)"));
    locuri.Param(QStringLiteral("ASOCIAT_CU"), tabel).Executa();
    const QString nimic = QStringLiteral("-");
    const QString diferite = QStringLiteral("--");
    TLocLegatura loc{nimic, nimic};
    auto alege = [&](QString& ales, const QString& valoare) {
        if (ales == nimic)
            ales = valoare;
        else if (ales != valoare)
            ales = diferite;
    };
    while (locuri.Urmator()) {
        alege(loc.Formular, locuri.Text(QStringLiteral("COD_FORMULAR")));
        alege(loc.Grup, locuri.Text(QStringLiteral("GRUP")));
    }
    if (loc.Formular == nimic || loc.Formular == diferite)
        loc.Formular = QStringLiteral("Alte elemente de configurare");
    if (loc.Grup == nimic || loc.Grup == diferite)
        loc.Grup = QStringLiteral("Legaturi");
    return loc;
}
} // namespace

QString TitluTab(const QString& codFormular) {
    QString titlu;
    for (const QChar c : codFormular) {
        if (c >= u'A' && c <= u'Z')
            titlu += u' ';
        titlu += c;
    }
    return titlu;
}

QString TitluPeLinii(const QString& titlu) {
    QString rezultat;
    int numarate = 0;
    for (const QChar c : titlu) {
        if (c != u' ') {
            rezultat += c;
            ++numarate;
        } else if (numarate <= 10) {
            rezultat += c;
            ++numarate;
        } else {
            rezultat += u'\n';
        }
    }
    return rezultat;
}

// ---- TFrmGrup

TFrmGrup::TFrmGrup(QWidget* parinte)
    : QFrame(parinte) {
    auto* exterior = StivaVerticala(this);
    RzPanel1 = new QFrame(this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    // The rounded 4-pixel border in the background colour sets the groups apart.
    RzPanel1->setStyleSheet(QStringLiteral("#RzPanel1 { background-color: rgb(232, 229, 229); "
                                           "border: 4px solid rgb(247, 245, 245); "
                                           "border-radius: 10px; }"));
    exterior->addWidget(RzPanel1);

    auto* interior = new QVBoxLayout(RzPanel1);
    // Inside the border; with it and the title's spacing they make up the 16 pixels the height
    // adds to the contents.
    interior->setContentsMargins(6, 2, 6, 2);
    interior->setSpacing(4);
    EtichetaGrup = new QLabel(RzPanel1);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    EtichetaGrup->setFont(font);
    EtichetaGrup->setFixedHeight(20);
    QPalette paleta = EtichetaGrup->palette();
    paleta.setColor(QPalette::WindowText, QColor(0, 0, 128));
    EtichetaGrup->setPalette(paleta);
    interior->addWidget(EtichetaGrup);
    PanelSuport = new QWidget(RzPanel1);
    StivaVerticala(PanelSuport);
    interior->addWidget(PanelSuport, 1);
}

// ---- TLinieGrupare

TLinieGrupare::TLinieGrupare(QWidget* parinte)
    : QWidget(parinte) {
    setFixedHeight(TEditorGeneric::Inaltime);
}

void TLinieGrupare::AdaugaEditor(TEditorGeneric* editor) {
    editor->setParent(this);
    Editoare.Add(editor);
    RecalculeazaLatimi();
    editor->show();
}

void TLinieGrupare::RecalculeazaLatimi() {
    if (Editoare.Count() == 0)
        return;
    const int latimeLinie = width();
    qint64 suma = 0;
    for (TEditorGeneric* editor : Editoare)
        suma += editor->LatimeSugerata;
    int x = 0;
    for (TEditorGeneric* editor : Editoare) {
        const qint64 latime = suma > 0 ? qint64(latimeLinie) * editor->LatimeSugerata / suma
                                       : latimeLinie / Editoare.Count();
        const QRect loc(x, 0, std::max(int(latime), LatimeMinima), height());
        if (editor->geometry() != loc)
            editor->setGeometry(loc);
        x += loc.width();
    }
}

void TLinieGrupare::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    RecalculeazaLatimi();
}

// ---- TEditorGenericComplex

namespace {
// Tab captions broken into lines need tabs as high as their lines.
class TBaraTaburi : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize marime = QTabBar::tabSizeHint(index);
        const int linii = int(tabText(index).count(u'\n')) + 1;
        marime.rheight() += (linii - 1) * fontMetrics().lineSpacing();
        return marime;
    }
};

class TTaburi : public QTabWidget {
public:
    explicit TTaburi(QWidget* parinte)
        : QTabWidget(parinte) {
        setTabBar(new TBaraTaburi(this));
    }
};
} // namespace

TEditorGenericComplex::TEditorGenericComplex(QWidget* parinte)
    : QWidget(parinte) {
    auto* asezare = StivaVerticala(this);
    PC = new TTaburi(this);
    PC->setStyleSheet(QStringLiteral("QTabWidget::pane { background: rgb(247, 245, 245); }"));
    asezare->addWidget(PC);
}

QWidget* TEditorGenericComplex::ScrollTab(const QString& formular) {
    const QString titlu = TitluTab(formular);
    const QString cheie = DoarLitere(titlu);
    for (int i = 0; i < PC->count(); ++i)
        if (DoarLitere(PC->tabText(i)) == cheie)
            return static_cast<QScrollArea*>(PC->widget(i))->widget();

    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Coloreaza(scroll, CuloareFundal);
    auto* continut = new QWidget;
    Coloreaza(continut, CuloareFundal);
    StivaVerticala(continut)->addStretch(1);
    scroll->setWidget(continut);
    PC->addTab(scroll, TitluPeLinii(titlu));
    return continut;
}

QWidget* TEditorGenericComplex::Container(const QString& formular, const QString& grup,
                                          const QString& linie) {
    if (!linie.isEmpty()) {
        QWidget* parinte = Container(formular, grup, QString());
        const QString cheie = (grup + u'.' + linie).toLower();
        TLinieGrupare*& gasita = linii_[cheie];
        if (!gasita) {
            gasita = new TLinieGrupare;
            AdaugaJos(parinte, gasita);
        }
        return gasita;
    }
    if (!grup.isEmpty()) {
        // A group gathers its fields from every form: the first frame of that name is used.
        for (TFrmGrup* frame : grupuri_)
            if (frame->NumeGrup == grup)
                return frame->PanelSuport;
        auto* frame = new TFrmGrup;
        frame->NumeGrup = grup;
        frame->EtichetaGrup->setText(grup);
        AdaugaJos(ScrollTab(formular), frame);
        grupuri_.Add(frame);
        return frame->PanelSuport;
    }
    return ScrollTab(formular);
}

void TEditorGenericComplex::Construieste(int idElev, int idAltaInregistrare,
                                         const QString& numeTabel) {
    {
        TCitire citire(DM().Tr());
        for (const TRandProfil& rand : RanduriProfil(numeTabel)) {
            // Such a field takes its value from the field it names and is not edited.
            if (!rand.SimilarCu.isEmpty() && rand.OnorezSimilar == QStringLiteral("DA"))
                continue;
            if (!ExistaEditorCamp(rand.TipDeDate))
                throw Eroare(QStringLiteral("Nu stiu afisa tipul de date %1").arg(rand.TipDeDate));
            const TEtichetaEditor eticheta = ImparteEticheta(rand.EtichetaEditor);

            QWidget* container = Container(rand.Formular, eticheta.Grup, rand.Linie);
            auto* linie = qobject_cast<TLinieGrupare*>(container);
            TEditorGeneric* editor = CreeazaEditorCamp(rand.TipDeDate, container);
            editor->Eticheta->setText(eticheta.Eticheta);
            if (!linie)
                AdaugaJos(container, editor);
            editor->Incarca(rand.Formular, rand.Pagina, rand.Camp, numeTabel, idElev,
                            idAltaInregistrare);
            Editoare.Add(editor);
            if (linie) {
                editor->LatimeSugerata = rand.Latime;
                editor->resize(rand.Latime, editor->height());
                linie->AdaugaEditor(editor);
            }
        }

        if (numeTabel.toUpper() == QStringLiteral("ELEV") || numeTabel.toUpper() == Elevi) {
            QStringList tabele;
            {
                TInterogare altele(QStringLiteral("select DISTINCT(ASOCIAT_CU) from "
                                                  "PROFIL_DIPLOMA where (ASOCIAT_CU <> "
                                                  ":ASOCIAT_CU)"));
                altele.Param(QStringLiteral("ASOCIAT_CU"), numeTabel).Executa();
                while (altele.Urmator())
                    tabele << altele.Valoare(0).toString();
            }
            for (const QString& tabel : tabele) {
                QString descriere;
                {
                    TInterogare tab(QStringLiteral("select    EXP_DENUMIRE from    TABELE "
                                                   "where    NUME_TABEL = :NUME_TABEL"));
                    tab.Param(QStringLiteral("NUME_TABEL"), tabel).Executa();
                    if (tab.Urmator())
                        descriere = tab.Text(QStringLiteral("EXP_DENUMIRE"));
                }
                const TLocLegatura loc = LocLegatura(tabel);
                QWidget* container = Container(loc.Formular, loc.Grup, QString());
                auto* lista = new TEditorCampLista(container);
                AdaugaJos(container, lista);
                lista->Eticheta->setText(tabel + QStringLiteral(" - ") + descriere);
                lista->Incarca(QString(), QString(), QString(), tabel, idElev, -1);
                Editoare.Add(lista);
            }
        }
    }

    for (TFrmGrup* grup : grupuri_) {
        int inaltime = 0;
        for (QWidget* copil : grup->PanelSuport->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            inaltime += copil->height();
        grup->setFixedHeight(inaltime + grup->EtichetaGrup->height() + 16);
    }
    if (PC->count() == 1)
        PC->tabBar()->hide();
    if (PC->count() > 0)
        PC->setCurrentIndex(0);
    linii_.clear();
}

bool TEditorGenericComplex::PotSalvaTot() {
    for (TEditorGeneric* editor : Editoare)
        if (!editor->PotSalva())
            return false;
    return true;
}

void TEditorGenericComplex::SalveazaTot(int idElev, int idAltaInregistrare,
                                        const QString& numeTabel) {
    if (!DM().Tr().Activa())
        throw Eroare(
            QStringLiteral("Tranzactia trebuie sa fie DESCHISA in momentul in care salvez"));
    for (TEditorGeneric* editor : Editoare)
        editor->Salveaza(idElev, idAltaInregistrare, numeTabel);
}
