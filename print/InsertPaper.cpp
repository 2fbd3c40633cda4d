#include "print/InsertPaper.h"

#include "print/Desene.h"
#include "print/SetariImprimanta.h"
#include "util/Eroare.h"
#include "util/Mesaje.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {
QPointer<TInsertPaperForm>& Instanta() {
    static QPointer<TInsertPaperForm> instanta;
    return instanta;
}

constexpr QSize MarimeImagine(200, 283);
} // namespace

TInsertPaperForm& InsertPaperForm(QWidget* parinte) {
    if (!Instanta()) {
        if (!parinte)
            throw Eroare(
                QStringLiteral("Fereastra pentru introducerea diplomei nu are proprietar"));
        new TInsertPaperForm(parinte); // owned by `parinte`; registers itself
    }
    return *Instanta();
}

TInsertPaperForm::TInsertPaperForm(QWidget* parent)
    : QDialog(parent) {
    if (!Instanta())
        Instanta() = this;
    setObjectName(QStringLiteral("InsertPaperForm"));
    setWindowTitle(QStringLiteral("Introduceti diploma in imprimanta"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(557, 298);

    // 1 front up upright, 2 back up upright, 3 front up turned, 4 back up turned.
    const bool fata[] = {true, false, true, false};
    const bool intoarsa[] = {false, false, true, true};
    for (int i = 0; i < 4; ++i) {
        imagini_[i] = new QLabel(this);
        imagini_[i]->setGeometry(QRect(QPoint(8, 8), MarimeImagine));
        imagini_[i]->setPixmap(DesenDiploma(fata[i], intoarsa[i], MarimeImagine));
        imagini_[i]->hide();
    }
    sageataSus_ = new QLabel(this);
    sageataJos_ = new QLabel(this);
    for (QLabel* sageata : {sageataSus_, sageataJos_}) {
        sageata->setGeometry(2, 2, 28, 44);
        sageata->setPixmap(DesenSageata(sageata == sageataSus_, QSize(28, 44)));
        sageata->hide();
    }

    auto* text = new QLabel(QStringLiteral("Va rog sa introduceti diploma in imprimanta, asa cum "
                                           "apare in imaginea din stanga."),
                            this);
    text->setWordWrap(true);
    text->setGeometry(224, 12, 320, 48);
    auto* etichetaStanga = new QLabel(QStringLiteral("Margine stanga, in milimetri."), this);
    etichetaStanga->setGeometry(224, 72, 320, 20);
    EditStanga = new QLineEdit(this);
    EditStanga->setGeometry(224, 94, 120, 24);
    auto* etichetaSus = new QLabel(QStringLiteral("Margine sus, in milimetri."), this);
    etichetaSus->setGeometry(224, 128, 320, 20);
    EditSus = new QLineEdit(this);
    EditSus->setGeometry(224, 150, 120, 24);
    CheckOglinda = new QCheckBox(QStringLiteral("Tiparesc imaginea in oglinda"), this);
    CheckOglinda->setGeometry(224, 190, 320, 24);
    CheckOglinda->setToolTip(QStringLiteral("Utilizati aceasta bifa pentru a va asigura\nca "
                                            "diploma NU se introduce in imprimanta\ncu cotorul "
                                            "inainte."));
    connect(CheckOglinda, &QCheckBox::clicked, this, &TInsertPaperForm::ArataImaginea);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setGeometry(376, 258, 80, 28);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TInsertPaperForm::OkClick);
    auto* renunt = new QPushButton(QStringLiteral("Renunt"), this);
    renunt->setGeometry(464, 258, 80, 28);
    connect(renunt, &QPushButton::clicked, this, &QDialog::reject);
}

TInsertPaperForm::~TInsertPaperForm() = default;

int TInsertPaperForm::ImagineVizibila() const {
    for (int i = 0; i < 4; ++i)
        if (!imagini_[i]->isHidden())
            return i + 1;
    return 0;
}

bool TInsertPaperForm::SageataInJos() const {
    return !sageataJos_->isHidden();
}

void TInsertPaperForm::ArataImaginea() {
    const int aleasa = CheckOglinda->isChecked() ? imagineOglinda_ : imagineNormala_;
    for (int i = 0; i < 4; ++i)
        imagini_[i]->setVisible(i + 1 == aleasa);
}

void TInsertPaperForm::OkClick() {
    try {
        TextInReal(EditStanga->text());
        TextInReal(EditSus->text());
    } catch (const Eroare& e) {
        ArataMesaj(this, QMessageBox::Critical, e.Mesaj());
        return;
    }
    accept();
}

int TInsertPaperForm::Afiseaza(int pagina, double& stangaMm, double& susMm, bool& roteste) {
    for (QLabel* imagine : imagini_)
        imagine->hide();
    imagineNormala_ = imagineOglinda_ = -1;

    const TAllStuffReg* setari = SetariCurente();
    const bool partiOpuse = setari && setari->PartiOpuse;
    const int mod = setari ? setari->ModAlimentare : 0;
    const struct {
        const char* titlu;
        int normala, oglinda;
    } tabel[2][2] = {{{"(1)", 3, 1}, {"(2)", 2, 4}}, {{"(3)", 2, 4}, {"(4)", 1, 3}}};
    if (pagina == 0 || pagina == 1) {
        const auto& rand = tabel[pagina][partiOpuse ? 1 : 0];
        setWindowTitle(QString::fromLatin1(rand.titlu));
        imagineNormala_ = rand.normala;
        imagineOglinda_ = rand.oglinda;
    }

    const bool alimentareDeSus = mod == 1 || mod == 3;
    sageataJos_->setVisible(alimentareDeSus);
    sageataSus_->setVisible(!alimentareDeSus);

    const QString decis = setari ? setari->Oglindesc(pagina) : QStringLiteral("*");
    if (decis != u"*")
        CheckOglinda->setChecked(decis == u"D");
    else
        CheckOglinda->setChecked(pagina == 0 ? alimentareDeSus : pagina == 1 && !alimentareDeSus);

    EditStanga->setText(RealInText(stangaMm));
    EditSus->setText(RealInText(susMm));
    ArataImaginea();

    const int rezultat = exec();

    if (TAllStuffReg* curente = SetariCurente())
        curente->SeteazaOglindesc(pagina, CheckOglinda->isChecked() ? QStringLiteral("D")
                                                                    : QStringLiteral("N"));
    roteste = CheckOglinda->isChecked();
    stangaMm = TextInReal(EditStanga->text());
    susMm = TextInReal(EditSus->text());
    return rezultat;
}
