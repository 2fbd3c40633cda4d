#include "layout/FormularTextArea.h"

#include "layout/FontCelula.h"
#include "layout/FormularDePrintat.h"
#include "layout/MasuriDispozitiv.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <cmath>

namespace {
// Printer positions round to the nearest device unit, halves to the even neighbour.
int CelMaiApropiat(double x) {
    return int(std::nearbyint(x));
}

// The font an area's text is drawn with, after shrinking to fit, and its measures in device
// units of the device it was made for.
struct TFontPotrivit {
    QFont Font;
    int LatimeText = 0;
    int InaltimeText = 0;
    int Coborare = 0;
    double Urcare = 0.0;
};

// Starts at a cell of `celulaPx` and goes down one device unit at a time until the text fits
// `latimePx`; 2 is the smallest size tried (a start below 2 is tried once).
TFontPotrivit PotrivesteFont(const TTextEfectiv& efectiv, int celulaPx, int latimePx,
                             const QPaintDevice* dispozitiv) {
    TFontPotrivit potrivit;
    for (;;) {
        const TFontCelula font =
            FontCuCelula(efectiv.Fata, celulaPx, efectiv.Bold, efectiv.Italic, dispozitiv);
        potrivit.Font = font.Font;
        potrivit.Urcare = font.Urcare;
        potrivit.Coborare = qRound(font.Coborare);
        potrivit.InaltimeText = celulaPx;
        potrivit.LatimeText =
            qCeil(QFontMetricsF(font.Font, dispozitiv).horizontalAdvance(efectiv.Text));
        if (potrivit.LatimeText <= latimePx)
            break;
        --celulaPx;
        if (celulaPx < 2)
            break;
    }
    return potrivit;
}

// Left edge of a text of `latimeText` in a span of `latime` starting at `stanga`; the free
// space is halved with truncation toward zero.
int XAliniat(TAliniere aliniere, int stanga, int latime, int latimeText) {
    switch (aliniere) {
    case TAliniere::Stanga:
        return stanga;
    case TAliniere::Dreapta:
        return stanga + latime - latimeText;
    case TAliniere::Centru:
        return stanga + (latime - latimeText) / 2;
    }
    return stanga;
}
} // namespace

// ---------------------------------------------------------------------------------------------
TFontFormular::TFontFormular(QObject* proprietar)
    : QObject(proprietar) {
}

TFontFormular::~TFontFormular() {
    AnuntaEliberarea();
}

void TFontFormular::SeteazaFontName(const QString& fata) {
    fontName_ = fata;
    AnuntaSchimbarea();
}
void TFontFormular::SeteazaCodePage(int codePage) {
    codePage_ = codePage;
    AnuntaSchimbarea();
}
void TFontFormular::SeteazaCharSet(int charSet) {
    charSet_ = charSet;
    AnuntaSchimbarea();
}
void TFontFormular::SeteazaSize(double mm) {
    sizeMm_ = mm;
    AnuntaSchimbarea();
}
void TFontFormular::SeteazaBold(bool bold) {
    bold_ = bold;
    AnuntaSchimbarea();
}
void TFontFormular::SeteazaItalic(bool italic) {
    italic_ = italic;
    AnuntaSchimbarea();
}

void TFontFormular::Aboneaza(TFormularTextArea* zona) {
    if (!abonati_.contains(zona))
        abonati_ << zona;
}

void TFontFormular::Dezaboneaza(TFormularTextArea* zona) {
    abonati_.removeAll(zona);
}

void TFontFormular::AnuntaSchimbarea() {
    for (TFormularTextArea* zona : QList(abonati_))
        zona->FontSchimbat();
}

void TFontFormular::AnuntaEliberarea() {
    const QList<TFormularTextArea*> abonati = std::exchange(abonati_, {});
    for (TFormularTextArea* zona : abonati)
        zona->FontEliberat();
}

TDirectorModificariGeneric& DirectorModificari() {
    static TDirectorModificariGeneric director;
    return director;
}

TSursaAjustari& SursaAjustari() {
    static TSursaAjustari sursa;
    return sursa;
}

// ---------------------------------------------------------------------------------------------
TFormularTextArea::TFormularTextArea(QWidget* parinte)
    : QWidget(parinte) {
    setCursor(Qt::PointingHandCursor);
    limiteCunoscute_ = geometry();
}

TFormularTextArea::~TFormularTextArea() {
    if (font_)
        font_->Dezaboneaza(this);
}

TFormularDePrintat* TFormularTextArea::Pagina() const {
    return qobject_cast<TFormularDePrintat*>(parentWidget());
}

void TFormularTextArea::SeteazaTopMm(double mm) {
    if (!fisSizing_)
        topMm_ = mm;
}
void TFormularTextArea::SeteazaLeftMm(double mm) {
    if (!fisSizing_)
        leftMm_ = mm;
}
void TFormularTextArea::SeteazaWidthMm(double mm) {
    if (!fisSizing_)
        widthMm_ = mm;
}
void TFormularTextArea::SeteazaHeightMm(double mm) {
    if (!fisSizing_)
        heightMm_ = mm;
}

void TFormularTextArea::SeteazaText(const QString& text) {
    text_ = text;
    update();
}

void TFormularTextArea::SeteazaFont(TFontFormular* font) {
    if (font_)
        font_->Dezaboneaza(this);
    font_ = font;
    if (font_)
        font_->Aboneaza(this);
    update();
}

double TFormularTextArea::p_zoom() const {
    const TFormularDePrintat* pagina = Pagina();
    return pagina ? pagina->Zoom() : 100.0;
}

void TFormularTextArea::Seteazap_zoom(double zoom) {
    if (TFormularDePrintat* pagina = Pagina())
        pagina->SeteazaZoom(zoom);
}

double TFormularTextArea::p_dpi() const {
    const TFormularDePrintat* pagina = Pagina();
    return pagina ? pagina->Dpi() : 96.0;
}

bool TFormularTextArea::SeCiteste() const {
    const TFormularDePrintat* pagina = Pagina();
    return seCiteste_ || (pagina && pagina->SeCiteste());
}

void TFormularTextArea::RetineReferinta() {
    if (AreReferinta)
        return;
    ReferintaSus = topMm_;
    ReferintaStanga = leftMm_;
    ReferintaLatime = widthMm_;
    AreReferinta = true;
}

const TAjustareTextArea* TFormularTextArea::Ajustare() const {
    return SursaAjustari() ? SursaAjustari()(*this) : nullptr;
}

TTextEfectiv TFormularTextArea::ValoriEfective() const {
    const TAjustareTextArea* ajustare = Ajustare();
    TTextEfectiv efectiv;
    efectiv.Text = text_;
    efectiv.Font = font_;
    efectiv.Aliniere = aliniere_;
    if (ajustare) {
        // A single digit box keeps its digit whatever replacement text is set.
        if (!ajustare->TextRedefinit.isEmpty() && text_.size() != 1)
            efectiv.Text = ajustare->TextRedefinit;
        if (ajustare->FontAles)
            efectiv.Font = ajustare->FontAles;
        if (ajustare->Aliniere == 1)
            efectiv.Aliniere = TAliniere::Stanga;
        else if (ajustare->Aliniere == 2)
            efectiv.Aliniere = TAliniere::Centru;
        else if (ajustare->Aliniere == 3)
            efectiv.Aliniere = TAliniere::Dreapta;
    }
    if (efectiv.Font) {
        efectiv.Bold = efectiv.Font->Bold();
        efectiv.Italic = efectiv.Font->Italic();
        efectiv.Fata = efectiv.Font->FontName();
    }
    if (ajustare) {
        if (ajustare->StilBold == 1 || ajustare->StilBold == 2)
            efectiv.Bold = ajustare->StilBold == 1;
        if (ajustare->StilItalic == 1 || ajustare->StilItalic == 2)
            efectiv.Italic = ajustare->StilItalic == 1;
        if (!ajustare->FontSpecificat.isEmpty())
            efectiv.Fata = ajustare->FontSpecificat;
    }
    return efectiv;
}

void TFormularTextArea::AsazaDinMm() {
    const double dpi = p_dpi();
    fisZooming_ = true;
    setGeometry(MmLaPixeli(dpi, leftMm_), MmLaPixeli(dpi, topMm_), MmLaPixeli(dpi, widthMm_),
                MmLaPixeli(dpi, heightMm_));
    limiteCunoscute_ = geometry();
    fisZooming_ = false;
}

void TFormularTextArea::FontSchimbat() {
    update();
}

void TFormularTextArea::FontEliberat() {
    font_ = nullptr;
}

void TFormularTextArea::ZoomSchimbat() {
    AsazaDinMm();
    update();
}

void TFormularTextArea::moveEvent(QMoveEvent* eveniment) {
    QWidget::moveEvent(eveniment);
    LimiteSchimbate();
}

void TFormularTextArea::resizeEvent(QResizeEvent* eveniment) {
    QWidget::resizeEvent(eveniment);
    LimiteSchimbate();
}

void TFormularTextArea::LimiteSchimbate() {
    if (geometry() == limiteCunoscute_)
        return;
    if (fisZooming_ || SeCiteste()) {
        limiteCunoscute_ = geometry();
    } else if (p_zoom() != zoomLock_ && zoomLock_ != 0.0) {
        // Areas are moved by hand only at the zoom they were laid out at.
        AsazaDinMm();
    } else {
        const double dpi = p_dpi();
        fisSizing_ = true;
        topMm_ = PixeliLaMm(y(), dpi);
        leftMm_ = PixeliLaMm(x(), dpi);
        widthMm_ = PixeliLaMm(width(), dpi);
        heightMm_ = PixeliLaMm(height(), dpi);
        fisSizing_ = false;
        zoomLock_ = p_zoom();
        limiteCunoscute_ = geometry();
    }
    update();
}

void TFormularTextArea::enterEvent(QEnterEvent* eveniment) {
    QWidget::enterEvent(eveniment);
    mouseDeasupra_ = true;
    update();
}

void TFormularTextArea::leaveEvent(QEvent* eveniment) {
    QWidget::leaveEvent(eveniment);
    mouseDeasupra_ = false;
    update();
}

void TFormularTextArea::mouseReleaseEvent(QMouseEvent* eveniment) {
    QWidget::mouseReleaseEvent(eveniment);
    if (eveniment->button() == Qt::LeftButton && rect().contains(eveniment->position().toPoint()))
        emit Apasata(this);
}

void TFormularTextArea::paintEvent(QPaintEvent*) {
    QPainter pictor(this);
    const TTextEfectiv efectiv = ValoriEfective();
    const TFormularDePrintat* pagina = Pagina();
    if (!pagina || !pagina->TextAreaTransparent())
        pictor.fillRect(rect(), Qt::white);
    if (mouseDeasupra_)
        pictor.fillRect(rect(), palette().highlight());

    int coborare = -1;
    if (efectiv.Font) {
        const int celulaPx = std::max(1, MmLaPixeli(p_dpi(), efectiv.Font->Size()));
        const TFontPotrivit potrivit = PotrivesteFont(efectiv, celulaPx, width(), this);
        pictor.save();
        pictor.setClipRect(rect());
        pictor.setFont(potrivit.Font);
        pictor.setPen(mouseDeasupra_ ? palette().highlightedText().color() : QColor(Qt::black));
        const int x = XAliniat(efectiv.Aliniere, 0, width(), potrivit.LatimeText);
        const int y = height() - potrivit.InaltimeText;
        pictor.drawText(QPointF(x, y + potrivit.Urcare), efectiv.Text);
        pictor.restore();
        coborare = potrivit.Coborare;
    }

    if (!pagina)
        return;
    if (pagina->TextAreaWithBorder()) {
        pictor.setPen(Qt::black);
        pictor.drawRect(0, 0, width() - 1, height() - 1);
    }
    // Guide lines need the text's descent; an area without a font has none.
    if (coborare >= 0) {
        const int yBaza = height() - coborare;
        if (pagina->TextAreaBaseLine1()) {
            pictor.setPen(pagina->TextAreaBaseLine1_color());
            pictor.drawLine(0, yBaza, width() - 1, yBaza);
        }
        if (pagina->TextAreaBaseLine2()) {
            const int yBaza2 = yBaza + MmLaPixeli(pagina->Dpi(), pagina->TextAreaBaseLine2_delta());
            pictor.setPen(pagina->TextAreaBaseLine2_color());
            pictor.drawLine(0, yBaza2, width() - 1, yBaza2);
        }
    }
}

QRect TFormularTextArea::DreptunghiImprimanta(const TMasuriDispozitiv& masuri, double stangaMm,
                                              double susMm) const {
    const TAjustareTextArea* ajustare = Ajustare();
    const int deplasareOrizontala = ajustare ? ajustare->DeplasareOrizontala : 0;
    const int deplasareVerticala = ajustare ? ajustare->DeplasareVerticala : 0;
    const double kx = masuri.LatimeTiparibila / masuri.LatimeTiparibilaMm;
    const double ky = masuri.InaltimeTiparibila / masuri.InaltimeTiparibilaMm;
    const int stanga = CelMaiApropiat((leftMm_ + stangaMm + 0.5 * deplasareOrizontala) * kx) -
                       masuri.DecalajFizicX;
    const int sus =
        CelMaiApropiat((topMm_ + susMm + 0.5 * deplasareVerticala) * ky) - masuri.DecalajFizicY;
    const int dreapta = stanga + CelMaiApropiat(widthMm_ * kx);
    const int jos = sus + CelMaiApropiat(heightMm_ * ky);
    return QRect(QPoint(stanga, sus), QPoint(dreapta, jos));
}

void TFormularTextArea::TiparesteTextArea(QPainter& pictor, const TMasuriDispozitiv& masuri,
                                          bool roteste, double stangaMm, double susMm,
                                          double /*inaltimePaginaMm*/, double /*latimePaginaMm*/,
                                          TDirectorModificari& /*director*/) {
    const TTextEfectiv efectiv = ValoriEfective();
    if (!efectiv.Font)
        return;
    const QRect dreptunghi = DreptunghiImprimanta(masuri, stangaMm, susMm);
    const int latime = dreptunghi.width();
    const int inaltime = dreptunghi.height();

    // The dots per inch of the sheet's 210 mm side; the font is never taller than the area.
    const double dpi = masuri.InaltimeFizica / 8.267716535433070866;
    const int celulaPx =
        std::min(std::max(1, MmLaPixeli(dpi, efectiv.Font->Size())), MmLaPixeli(dpi, heightMm_));
    const TFontPotrivit potrivit = PotrivesteFont(efectiv, celulaPx, latime, pictor.device());

    QPoint origine(XAliniat(efectiv.Aliniere, dreptunghi.left(), latime, potrivit.LatimeText),
                   dreptunghi.top() + inaltime - potrivit.InaltimeText);
    QRect taiere = dreptunghi;
    if (roteste) {
        // A half turn about the centre of the physical sheet.
        const int dublulX = masuri.LatimeFizica - 2 * masuri.DecalajFizicX;
        const int dublulY = masuri.InaltimeFizica - 2 * masuri.DecalajFizicY;
        origine = QPoint(dublulX - origine.x(), dublulY - origine.y());
        taiere = QRect(QPoint(dublulX - dreptunghi.right(), dublulY - dreptunghi.bottom()),
                       QPoint(dublulX - dreptunghi.left(), dublulY - dreptunghi.top()));
    }

    pictor.save();
    pictor.setClipRect(taiere.translated(masuri.InPictor(0, 0)));
    pictor.setFont(potrivit.Font);
    pictor.setPen(Qt::black);
    pictor.translate(masuri.InPictor(origine.x(), origine.y()));
    if (roteste)
        pictor.rotate(180.0);
    pictor.drawText(QPointF(0.0, potrivit.Urcare), efectiv.Text);
    pictor.restore();
}
