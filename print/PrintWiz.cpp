#include "print/PrintWiz.h"

#include "print/Imprimanta.h"
#include "print/SetariImprimanta.h"
#include "print/Template.h"
#include "util/Eroare.h"
#include "util/Mesaje.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QString TitluManevrare = QStringLiteral("Stabilirea modului de manevrare a hartiei.");

QLabel* Titlu(const QString& text) {
    auto* eticheta = new QLabel(text);
    QFont font = eticheta->font();
    font.setBold(true);
    font.setPixelSize(16);
    eticheta->setFont(font);
    eticheta->setWordWrap(true);
    return eticheta;
}

QLabel* Text(const QString& text) {
    auto* eticheta = new QLabel(text);
    eticheta->setWordWrap(true);
    return eticheta;
}

QLabel* Imagine(const QPixmap& desen) {
    auto* eticheta = new QLabel;
    eticheta->setPixmap(desen);
    eticheta->setFixedSize(desen.size());
    return eticheta;
}

// A page with a title and texts stacked from the top; returns its layout for more controls.
QVBoxLayout* Pagina(QStackedWidget* pagini, const QString& titlu, const QStringList& texte) {
    auto* pagina = new QWidget;
    auto* asezare = new QVBoxLayout(pagina);
    asezare->addWidget(Titlu(titlu));
    for (const QString& text : texte)
        asezare->addWidget(Text(text));
    pagini->addWidget(pagina);
    return asezare;
}

// A choice with its picture and, when given, its explanation.
QRadioButton* Alegere(QVBoxLayout* asezare, QButtonGroup* grup, const QString& text,
                      const QPixmap& desen, const QString& explicatie = QString()) {
    auto* rand = new QHBoxLayout;
    auto* buton = new QRadioButton(text);
    grup->addButton(buton);
    rand->addWidget(Imagine(desen));
    auto* coloana = new QVBoxLayout;
    coloana->addWidget(buton);
    if (!explicatie.isEmpty())
        coloana->addWidget(Text(explicatie));
    rand->addLayout(coloana, 1);
    asezare->addLayout(rand);
    return buton;
}

const QSize MarimeAlimentare(96, 72);
} // namespace

TPrintWiz::TPrintWiz(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Formular pentru pregatirea imprimantei"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(623, 475);

    auto* asezare = new QVBoxLayout(this);
    auto* antet = new QHBoxLayout;
    antet->addWidget(Imagine(DesenAlimentare(4, QSize(64, 48))));
    antet->addWidget(Titlu(QStringLiteral("Formular pentru configurarea imprimantei")), 1);
    asezare->addLayout(antet);

    pagini_ = new QStackedWidget;
    asezare->addWidget(pagini_, 1);

    // 0: the printer.
    QVBoxLayout* p0 = Pagina(pagini_, QStringLiteral("Selectati imprimanta"),
                             {QStringLiteral("Va rugam selectati, din lista de mai jos, "
                                             "imprimanta cu care doriti sa tipariti diplomele")});
    ListaImprimante = new QTreeWidget;
    ListaImprimante->setHeaderLabels({QStringLiteral("Denumire")});
    ListaImprimante->setRootIsDecorated(false);
    p0->addWidget(ListaImprimante, 1);
    FaraImprimante = Text(QStringLiteral(
        "Pe acest calculator nu este instalata nici o imprimanta. Instalati imprimanta cu care "
        "tipariti diplomele, apoi deschideti din nou acest formular."));
    FaraImprimante->setStyleSheet(QStringLiteral("color: maroon; font-weight: bold"));
    p0->addWidget(FaraImprimante);
    const QStringList imprimante = SistemImprimante().Nume();
    const QString curenta = imprimante.isEmpty() ? QString() : NumeImprimantaCurenta();
    for (const QString& nume : imprimante) {
        auto* element = new QTreeWidgetItem(ListaImprimante, {nume});
        if (nume == curenta)
            ListaImprimante->setCurrentItem(element);
    }
    FaraImprimante->setVisible(imprimante.isEmpty());

    // 1: how the printer takes paper.
    QVBoxLayout* p1 =
        Pagina(pagini_, QStringLiteral("Selectati modul de alimentare cu hartie:"), {});
    auto* grupAlimentare = new QButtonGroup(this);
    RadioSus = Alegere(
        p1, grupAlimentare, QStringLiteral("Alimentarea prin partea de sus"),
        DesenAlimentare(1, MarimeAlimentare),
        QStringLiteral("Selectati acest mod de alimentare cu hartie daca imprimanta dumneavoastra "
                       "ia hartia dintr-o caseta aflata in partea din spate a imprimantei. "
                       "Majoritatea imprimantelor Epson cu jet de cerneala sunt alimentate in "
                       "acest mod."));
    RadioFrontal = Alegere(
        p1, grupAlimentare, QStringLiteral("Alimentare frontala"),
        DesenAlimentare(2, MarimeAlimentare),
        QStringLiteral("Selectati acest mod de alimentare daca imprimanta dumneavoastra ia "
                       "hartia dintr-o tavita aflata in partea din fata a imprimantei. "
                       "Majoritata imprimantelor HP cu jet de cerneala utilizeaza acest mod de "
                       "alimentare."));
    RadioInterna = Alegere(
        p1, grupAlimentare, QStringLiteral("Alimentare cu caseta interna sau alte modalitati"),
        DesenAlimentare(4, MarimeAlimentare),
        QStringLiteral("Alegeti aceasta optiune daca imprimanta dumneavoastra ia hartia dintr-o "
                       "caseta interna sau daca nici una dintre metodele anterioare nu este "
                       "corecta. Majoritatea imprimantelor laser profesionale intra în aceasta "
                       "categorie."));
    p1->addStretch();

    // 2 and 3: advice for front and internal feed.
    Pagina(pagini_, QStringLiteral("Ati selectat alimentare cu caseta frontala."),
           {QStringLiteral("Imprimantele HP cu jet de cerneala rasucesc hartia in imprimanta, "
                           "astfel incat hartia iese din imprimanta tot prin partea din fata."),
            QStringLiteral("Daca acesta este modul in care imprimanta dumneavoastra functioneaza "
                           "in mod normal, va rugam sa aruncati o privire in spatele "
                           "imprimantei. Este posibil ca imprimanta dumneavoastra sa aiba o "
                           "caseta care se deschide si permite hartiei sa iasa in spate."),
            QStringLiteral("Daca aceasta caseta exista, este preferabil sa listati diplomele cu "
                           "caseta deschisa, pentru a nu indoi cartonul.")})
        ->addStretch();
    Pagina(pagini_, QStringLiteral("Ati selectat alimentare cu caseta interna."),
           {QStringLiteral("Tiparirea diplomelor pe imprimante cu caseta interna pentru "
                           "alimentare cu hartie poate fi greoaie."),
            QStringLiteral("Multe dintre imprimantele de acest gen au posibilitatea aliemntarii "
                           "cu hartie manual. Cautati in manualul imprimantei informatii despre "
                           "aceasta posibilitate."),
            QStringLiteral("Daca imprimanta poate fi alimentata cu hartie manual, va recomandam "
                           "sa utilizati aceasta modalitate pentru tiparirea diplomelor.")})
        ->addStretch();

    // 4: which picture of the sheet reads better.
    QVBoxLayout* p4 = Pagina(
        pagini_, QStringLiteral("Reprezentarea vizuala a modului de alimentare cu hartie"),
        {QStringLiteral("In timpul tiparirii diplomelor, programul va va furniza instructiuni "
                        "pentru modul de pozitionare a hartiei in imprimanta."),
         QStringLiteral("Care dintre urmatoarele reprezentari vi se pare mai intuitiva?")});
    auto* grupSageata = new QButtonGroup(this);
    RadioNormala = Alegere(p4, grupSageata, QStringLiteral("Hartie in pozitia normala."),
                           DesenSageata(true, QSize(40, 64)));
    RadioRasturnata = Alegere(p4, grupSageata, QStringLiteral("Hartie rasturnata."),
                              DesenSageata(false, QSize(40, 64)));
    p4->addStretch();

    // 5 to 9: the test sheets.
    Pagina(pagini_, TitluManevrare,
           {QStringLiteral("Introduceti o coala alba de hartie in imprimanta. Apasati butonul "
                           "\"Inainte\" cand imprimanta este pregatita.")})
        ->addStretch();
    QVBoxLayout* p6 = Pagina(
        pagini_, TitluManevrare,
        {QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sageata pe partea "
                        "vizibila a paginii, asa cum se vede in imaginea alaturata."),
         QStringLiteral("Programul va incerca sa tipareasca o sageata hasurata in interiorul "
                        "sagetii deja tiparite.")});
    ImaginePagina6 = new QLabel;
    p6->addWidget(ImaginePagina6);
    p6->addStretch();
    QVBoxLayout* p7 = Pagina(
        pagini_, TitluManevrare,
        {QStringLiteral("Sageata hasurata a fost tiparita pe aceeasi parte cu prima sageata, "
                        "sau a fost tiparita pe partea opusa?"),
         QStringLiteral("Apasati butonul \"Inainte\" dupa ce ati selectat optiunea corecta.")});
    auto* grupParte = new QButtonGroup(this);
    RadioAceeasi = new QRadioButton(QStringLiteral("Pe aceeasi parte"));
    RadioOpusa = new QRadioButton(QStringLiteral("Pe partea opusa"));
    for (QRadioButton* buton : {RadioAceeasi, RadioOpusa}) {
        grupParte->addButton(buton);
        p7->addWidget(buton);
    }
    p7->addStretch();
    QVBoxLayout* p8 = Pagina(pagini_, TitluManevrare, {});
    InstructiunePagina8 = Text(QString());
    p8->addWidget(InstructiunePagina8);
    p8->addWidget(Text(QStringLiteral("Programul va afisa doua liniii în dreptul sagetii.")));
    ImaginePagina8 = new QLabel;
    p8->addWidget(ImaginePagina8);
    p8->addStretch();
    QVBoxLayout* p9 =
        Pagina(pagini_, TitluManevrare, {QStringLiteral("Cum arata imaginea obtinuta?")});
    auto* grupLinii = new QButtonGroup(this);
    const struct {
        const char* text;
        bool sus, stanga;
    } linii[] = {{"Linie orizontala sus si linie verticala la stanga", true, true},
                 {"Linie orizontala sus si linie verticala la dreapta", true, false},
                 {"Linie orizontala jos si linie verticala la dreapta", false, false},
                 {"Linie orizontala jos si linie verticala la stanga", false, true}};
    for (int i = 0; i < 4; ++i)
        RadioLinii[i] = Alegere(p9, grupLinii, QString::fromLatin1(linii[i].text),
                                DesenLinii(linii[i].sus, linii[i].stanga, QSize(40, 52)));
    p9->addStretch();

    // 10 to 12 are not used; 13 closes.
    for (int i = 10; i <= 12; ++i)
        pagini_->addWidget(new QWidget);
    Pagina(pagini_, QStringLiteral("Am finalizat"),
           {QStringLiteral("Toate informatiile necesare au fost obtinute. Ramane la aprecierea "
                           "dumneavoastra daca precizia imprimantei este suficienta pentru a "
                           "tipari diplome."),
            QStringLiteral("Pentru a inchide acest formular apasati butonul \"Inainte\"")})
        ->addStretch();

    auto* bara = new QHBoxLayout;
    Inapoi = new QPushButton(QStringLiteral("Inapoi"));
    Inainte = new QPushButton(QStringLiteral("Inainte"));
    Renunt = new QPushButton(QStringLiteral("Renunt"));
    bara->addWidget(Inapoi);
    bara->addWidget(Inainte);
    bara->addStretch();
    bara->addWidget(Renunt);
    asezare->addLayout(bara);
    connect(Inainte, &QPushButton::clicked, this, &TPrintWiz::InainteClick);
    connect(Inapoi, &QPushButton::clicked, this, &TPrintWiz::InapoiClick);
    connect(Renunt, &QPushButton::clicked, this, &QDialog::reject);

    ArataPagina(0);
    CentreazaPeZonaDeLucru(*this);
}

int TPrintWiz::PaginaCurenta() const {
    return pagini_->currentIndex();
}

void TPrintWiz::ArataPagina(int pagina) {
    pagini_->setCurrentIndex(pagina);
    // Without a printer the wizard cannot be completed.
    Inainte->setEnabled(pagina != 0 || ListaImprimante->topLevelItemCount() > 0);
}

void TPrintWiz::TiparesteFoaie(const QString& titlu, DesenTest desen) {
    SeteazaImprimantaCurenta(ListaImprimante->currentItem()->text(0));
    PregatesteImprimanta(true);
    QPrinter& imprimanta = ImprimantaCurenta();
    imprimanta.setFullPage(false);
    imprimanta.setDocName(titlu);
    QPainter pictor;
    if (!pictor.begin(&imprimanta))
        throw Eroare(QStringLiteral("Nu pot incepe tiparirea pe imprimanta \"%1\".")
                         .arg(NumeImprimantaCurenta()));
    // The document ends also when drawing fails.
    struct Sfarsit {
        QPainter& pictor;
        ~Sfarsit() { pictor.end(); }
    } sfarsit{pictor};
    DeseneazaPaginaTest(pictor, desen, imprimanta.width(), imprimanta.height());
}

void TPrintWiz::InainteClick() {
    const int pagina = PaginaCurenta();
    int urmatoarea = pagina;
    switch (pagina) {
    case 0:
        if (!ListaImprimante->currentItem()) {
            ArataMesaj(this, QMessageBox::Warning,
                       QStringLiteral("Va rog selectati imprimanta din lista."));
            return;
        }
        urmatoarea = 1;
        break;
    case 1:
        urmatoarea = RadioSus->isChecked() ? 5 : RadioFrontal->isChecked() ? 2 : 3;
        break;
    case 2:
        urmatoarea = 5;
        break;
    case 3:
        urmatoarea = 4;
        break;
    case 4:
        urmatoarea = 5;
        break;
    case 5: {
        ModAlimentare = RadioSus->isChecked()       ? 1
                        : RadioFrontal->isChecked() ? 2
                        : RadioNormala->isChecked() ? 4
                                                    : 3;
        ImaginePagina6->setPixmap(DesenAlimentare(ModAlimentare, QSize(160, 120)));
        TiparesteFoaie(QStringLiteral("Prima sageata"), DesenTest::SageataConturata);
        urmatoarea = 6;
        break;
    }
    case 6:
        TiparesteFoaie(QStringLiteral("A doua sageata"), DesenTest::SageataHasurata);
        urmatoarea = 7;
        break;
    case 7:
        ImaginePagina8->setPixmap(ImaginePagina6->pixmap());
        InstructiunePagina8->setText(
            RadioAceeasi->isChecked()
                ? QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sagetile pe "
                                 "partea vizibila a paginii, asa cum se vede in imaginea "
                                 "alaturata.")
                : QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sageata "
                                 "HASURATA pe partea vizibila a paginii, asa cum se vede in "
                                 "imaginea alaturata."));
        PartiOpuse = RadioOpusa->isChecked();
        urmatoarea = 8;
        break;
    case 8:
        TiparesteFoaie(QStringLiteral("Liniile orizonala si verticala"), DesenTest::Linii);
        urmatoarea = 9;
        break;
    case 9:
        OglindaOrizontala = RadioLinii[1]->isChecked() || RadioLinii[2]->isChecked();
        OglindaVerticala = RadioLinii[2]->isChecked() || RadioLinii[3]->isChecked();
        urmatoarea = 13;
        break;
    case 13:
        Finalizat = true;
        accept();
        return;
    }
    if (urmatoarea != pagina) {
        istoric_[size_t(urmatoarea)] = pagina;
        ArataPagina(urmatoarea);
    }
}

void TPrintWiz::InapoiClick() {
    const int pagina = PaginaCurenta();
    ArataPagina(pagina == 0 ? 0 : istoric_[size_t(pagina)]);
}

int TPrintWiz::Executa() {
    Finalizat = false;
    istoric_[0] = 0;
    const int rezultat = exec();
    if (rezultat == QDialog::Accepted) {
        // A stored record that no longer reads (another locale's decimal mark, a damaged
        // list) would block every print; completing the wizard is the way out of it.
        std::unique_ptr<TAllStuffReg> citite;
        try {
            citite = std::make_unique<TAllStuffReg>();
        } catch (const Eroare& e) {
            ArataMesaj(this, QMessageBox::Warning,
                       QStringLiteral("Setarile imprimantei nu au putut fi citite (%1); le "
                                      "inlocuiesc cu raspunsurile date acum, iar marginile "
                                      "revin la 0.")
                           .arg(e.Mesaj()));
            citite = std::make_unique<TAllStuffReg>(TAllStuffReg::FaraCitire{});
        }
        TAllStuffReg& setari = *citite;
        setari.Configurat = true;
        setari.PartiOpuse = PartiOpuse;
        setari.OglindaOrizontala = OglindaOrizontala;
        setari.OglindaVerticala = OglindaVerticala;
        setari.ModAlimentare = quint8(ModAlimentare);
        setari.IndexImprimanta = IndexImprimantaCurenta();
        setari.NumeImprimanta = NumeImprimantaCurenta();
    }
    return rezultat;
}
