#include "settings/EditorConfigGlobal.h"

#include "settings/InfoGlobal.h"
#include "util/Ferestre.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int InaltimeElement = 32;

const QStringList& Formate() {
    static const QStringList formate = {FormatNota::Nota, FormatNota::NotaProcent,
                                        FormatNota::NotaSlashProcent, FormatNota::NotaLitere};
    return formate;
}

class DelegatFormat : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* pictor, const QStyleOptionViewItem& optiune,
               const QModelIndex& index) const override {
        DeseneazaMostraFormat(*pictor, optiune.rect, index.row(),
                              optiune.state & QStyle::State_Selected, optiune.palette);
    }
    QSize sizeHint(const QStyleOptionViewItem& optiune, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(optiune, index).width(), InaltimeElement};
    }
};

QLabel* Titlu(const QString& text) {
    auto* eticheta = new QLabel(text);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    eticheta->setFont(font);
    eticheta->setStyleSheet(QStringLiteral("color: maroon"));
    return eticheta;
}

QLabel* Text(const QString& text) {
    auto* eticheta = new QLabel(text);
    eticheta->setWordWrap(true);
    return eticheta;
}
} // namespace

void DeseneazaMostraFormat(QPainter& pictor, const QRect& r, int index, bool selectat,
                           const QPalette& paleta) {
    struct Rand {
        const char* text;
        int sus;
    };
    static const std::vector<Rand> mostre[] = {{{"9,63", 8}},
                                               {{"9,63 (noua 63%)", 8}},
                                               {{"9,63", 1}, {"(noua 63%)", 13}},
                                               {{"9,63", 1}, {"(noua,sasezecisitrei)", 13}}};
    pictor.save();
    pictor.fillRect(r, paleta.color(selectat ? QPalette::Highlight : QPalette::Base));
    if (index >= 0 && index < 4) {
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(10);
        pictor.setFont(font);
        pictor.setPen(paleta.color(selectat ? QPalette::HighlightedText : QPalette::Text));
        const QFontMetrics masura(font);
        for (const Rand& rand : mostre[index]) {
            const QString text = QString::fromLatin1(rand.text);
            const int stanga = r.left() + (r.width() - masura.horizontalAdvance(text)) / 2;
            pictor.drawText(stanga, r.top() + rand.sus + masura.ascent(), text);
        }
    }
    pictor.restore();
}

TCasetaFormatNota::TCasetaFormatNota(QWidget* parent)
    : QComboBox(parent) {
    addItems(Formate());
    setCurrentIndex(-1);
    setItemDelegate(new DelegatFormat(this));
    setMinimumHeight(InaltimeElement + 6);
    setMinimumWidth(180);
}

void TCasetaFormatNota::paintEvent(QPaintEvent*) {
    QStylePainter pictor(this);
    QStyleOptionComboBox optiune;
    initStyleOption(&optiune);
    optiune.currentText.clear();
    pictor.drawComplexControl(QStyle::CC_ComboBox, optiune);
    const QRect camp =
        style()->subControlRect(QStyle::CC_ComboBox, &optiune, QStyle::SC_ComboBoxEditField, this);
    DeseneazaMostraFormat(pictor, camp, currentIndex(), false, palette());
}

TEditorConfigGlobal::TEditorConfigGlobal(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Editor informatii globale"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setFixedSize(588, 347);

    auto* asezare = new QGridLayout(this);
    Pagini = new QTabWidget;
    asezare->addWidget(Pagini, 0, 0, 1, 2);

    auto* sufixe = new QWidget;
    auto* s = new QGridLayout(sufixe);
    s->addWidget(Titlu(QStringLiteral("Sufix dl / domnul e.t.c.")), 0, 0, 1, 2);
    s->addWidget(Text(QStringLiteral(
                     "Programul stabileste automat genul persoanelor care primesc diplome de "
                     "studii pe baza primei cifre din codul numeric personal. Va rugam "
                     "specificati care este apelativul cel mai potrivit pentru fete si baieti:")),
                 1, 0, 1, 2);
    SufixFete = new QComboBox;
    SufixFete->setEditable(true);
    SufixFete->addItems(
        {QStringLiteral("domnisoara"), QStringLiteral("doamna"), QStringLiteral("dra")});
    SufixBaieti = new QComboBox;
    SufixBaieti->setEditable(true);
    SufixBaieti->addItems({QStringLiteral("domnul"), QStringLiteral("dl")});
    s->addWidget(new QLabel(QStringLiteral("Sufix fete:")), 2, 0);
    s->addWidget(SufixFete, 2, 1);
    s->addWidget(new QLabel(QStringLiteral("Sufix baieti:")), 3, 0);
    s->addWidget(SufixBaieti, 3, 1);
    s->setRowStretch(4, 1);
    Pagini->addTab(sufixe, QStringLiteral("Sufix domnul / doamna"));

    auto* note = new QWidget;
    auto* n = new QGridLayout(note);
    n->addWidget(Titlu(QStringLiteral("Mod scriere note in litere")), 0, 0, 1, 4);
    n->addWidget(Text(QStringLiteral("Aici puteti specifica modul in care vor fi inscrise pe "
                                     "diplome notele si mediile pentru probele de examen cu "
                                     "nota.")),
                 1, 0, 1, 4);
    NotaDiploma = new TCasetaFormatNota;
    MedieDiploma = new TCasetaFormatNota;
    NotaCotor = new TCasetaFormatNota;
    MedieCotor = new TCasetaFormatNota;
    n->addWidget(new QLabel(QStringLiteral("Nota diploma:")), 2, 0);
    n->addWidget(NotaDiploma, 2, 1);
    n->addWidget(new QLabel(QStringLiteral("Medie diploma:")), 3, 0);
    n->addWidget(MedieDiploma, 3, 1);
    n->addWidget(new QLabel(QStringLiteral("Nota cotor:")), 2, 2);
    n->addWidget(NotaCotor, 2, 3);
    n->addWidget(new QLabel(QStringLiteral("Medie cotor:")), 3, 2);
    n->addWidget(MedieCotor, 3, 3);
    LitereMari = new QRadioButton(QStringLiteral("Scriu notele cu LITERE MARI"));
    LitereMici = new QRadioButton(QStringLiteral("Scriu notele cu litere mici"));
    n->addWidget(LitereMari, 4, 0, 1, 2);
    n->addWidget(LitereMici, 4, 2, 1, 2);
    n->setRowStretch(5, 1);
    Pagini->addTab(note, QStringLiteral("Mod tiparire note"));
    // The user never reaches the first page; its boxes still load and store.
    Pagini->tabBar()->setTabVisible(0, false);
    Pagini->setCurrentIndex(1);

    EtichetaNota = new QLabel(QStringLiteral("Nota:"));
    QFont fontNota(QStringLiteral("Arial"));
    fontNota.setPixelSize(16);
    fontNota.setBold(true);
    EtichetaNota->setFont(fontNota);
    EtichetaNota->setStyleSheet(QStringLiteral("color: red"));
    auto* clipire = new QTimer(this);
    connect(clipire, &QTimer::timeout, this,
            [this] { EtichetaNota->setVisible(EtichetaNota->isHidden()); });
    clipire->start(500);
    auto* avertisment = new QHBoxLayout;
    avertisment->addWidget(EtichetaNota);
    avertisment->addWidget(Text(QStringLiteral("Modificarile efectuate in acest editor "
                                               "afecteaza TOATE formularele de diplome pentru "
                                               "anul curent")),
                           1);
    asezare->addLayout(avertisment, 1, 0);
    auto* butoane = new QVBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("Ok"));
    auto* renunt = new QPushButton(QStringLiteral("Renunt"));
    butoane->addWidget(ok);
    butoane->addWidget(renunt);
    asezare->addLayout(butoane, 1, 1);
    connect(ok, &QPushButton::clicked, this, &TEditorConfigGlobal::OkClick);
    connect(renunt, &QPushButton::clicked, this, &QDialog::reject);

    CentreazaFereastra(this, false);

    TInfoGlobal2005 info;
    SufixFete->setCurrentText(info.SufixFete.isEmpty() ? QStringLiteral("dra") : info.SufixFete);
    SufixBaieti->setCurrentText(info.SufixBaieti.isEmpty() ? QStringLiteral("domnul")
                                                           : info.SufixBaieti);
    const std::array<std::pair<QString*, const QString*>, 4> implicite = {{
        {&info.NotaDiploma, &FormatNota::NotaLitere},
        {&info.MedieDiploma, &FormatNota::NotaLitere},
        {&info.NotaCotor, &FormatNota::NotaProcent},
        {&info.MedieCotor, &FormatNota::NotaProcent},
    }};
    const std::array<TCasetaFormatNota*, 4> casete = {NotaDiploma, MedieDiploma, NotaCotor,
                                                      MedieCotor};
    for (size_t i = 0; i < 4; ++i) {
        QString& format = *implicite[i].first;
        if (format.isEmpty())
            format = *implicite[i].second;
        formateIncarcate_[i] = format;
        casete[i]->setCurrentIndex(int(Formate().indexOf(format)));
    }
    (info.ScriuCuLitereMari == u"0" ? LitereMici : LitereMari)->setChecked(true);
    // Leaving the scope stores the defaults set above.
}

void TEditorConfigGlobal::OkClick() {
    TInfoGlobal2005 info;
    info.SufixFete = SufixFete->currentText();
    info.SufixBaieti = SufixBaieti->currentText();
    const std::array<std::pair<QString*, TCasetaFormatNota*>, 4> formate = {{
        {&info.NotaDiploma, NotaDiploma},
        {&info.MedieDiploma, MedieDiploma},
        {&info.NotaCotor, NotaCotor},
        {&info.MedieCotor, MedieCotor},
    }};
    for (size_t i = 0; i < 4; ++i) {
        // A box without selection (an unknown stored format) keeps what was stored.
        TCasetaFormatNota* caseta = formate[i].second;
        *formate[i].first =
            caseta->currentIndex() >= 0 ? caseta->currentText() : formateIncarcate_[i];
    }
    info.ScriuCuLitereMari = LitereMari->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    accept();
}
