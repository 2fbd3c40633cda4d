#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QPainter;
class TFormularDePrintat;
class TFormularTextArea;
struct TMasuriDispozitiv;

enum class TAliniere { Stanga, Dreapta, Centru };

// A named font of a print window, shared by several text areas. Size is the height of the
// character cell in millimetres, not points.
class TFontFormular : public QObject {
    Q_OBJECT
public:
    explicit TFontFormular(QObject* proprietar = nullptr);
    ~TFontFormular() override;

    const QString& FontName() const { return fontName_; }
    void SeteazaFontName(const QString& fata);
    int CodePage() const { return codePage_; }
    void SeteazaCodePage(int codePage);
    int CharSet() const { return charSet_; }
    void SeteazaCharSet(int charSet);
    double Size() const { return sizeMm_; }
    void SeteazaSize(double mm);
    bool Bold() const { return bold_; }
    void SeteazaBold(bool bold);
    bool Italic() const { return italic_; }
    void SeteazaItalic(bool italic);
    const QString& DescrierePentruEditor() const { return descriere_; }
    void SeteazaDescrierePentruEditor(const QString& text) { descriere_ = text; }

    void Aboneaza(TFormularTextArea* zona);
    void Dezaboneaza(TFormularTextArea* zona);
    const QList<TFormularTextArea*>& Abonati() const { return abonati_; }

private:
    void AnuntaSchimbarea();
    void AnuntaEliberarea();

    QString fontName_ = QStringLiteral("Arial");
    int codePage_ = 1250;
    int charSet_ = 238;
    double sizeMm_ = 3.0;
    bool bold_ = false;
    bool italic_ = false;
    QString descriere_;
    QList<TFormularTextArea*> abonati_;
};

// Corrections a print job may ask for, per area, on paper. The areas do not consult them.
class TDirectorModificari {
public:
    virtual ~TDirectorModificari() = default;
    virtual double DeplasareOrizontalaMm(const TFormularTextArea& zona) const = 0;
    virtual double DeplasareVerticalaMm(const TFormularTextArea& zona) const = 0;
};

class TDirectorModificariGeneric : public TDirectorModificari {
public:
    double DeplasareOrizontalaMm(const TFormularTextArea&) const override { return 0.0; }
    double DeplasareVerticalaMm(const TFormularTextArea&) const override { return 0.0; }
};

// The one director every print job hands to its page; it lives for the whole run.
TDirectorModificariGeneric& DirectorModificari();

// What a per-area customization may change. Aliniere: 0 keep, 1 left, 2 centre, 3 right.
// Deplasare*: -1, 0, +1 half millimetres, on paper only. Stil*: 0 keep, 1 on, 2 off.
struct TAjustareTextArea {
    int Aliniere = 0;
    int DeplasareOrizontala = 0;
    int DeplasareVerticala = 0;
    TFontFormular* FontAles = nullptr;
    QString TextRedefinit;
    int StilItalic = 0;
    int StilBold = 0;
    QString FontSpecificat;
};

// The customization of an area, or none; asked at every paint and print. Empty until a list of
// customizations installs itself.
using TSursaAjustari = std::function<const TAjustareTextArea*(const TFormularTextArea&)>;
TSursaAjustari& SursaAjustari();

// What an area draws once its customization is applied.
struct TTextEfectiv {
    QString Text;
    const TFontFormular* Font = nullptr;
    TAliniere Aliniere = TAliniere::Stanga;
    bool Bold = false;
    bool Italic = false;
    QString Fata;
};

// One rectangle of a printable page showing one line of text, placed in millimetres from the
// sheet's top-left corner. Its pixel bounds follow the page's zoom; on paper its position is
// computed again from the printer's resolution.
class TFormularTextArea : public QWidget {
    Q_OBJECT
public:
    explicit TFormularTextArea(QWidget* parinte = nullptr);
    ~TFormularTextArea() override;

    // Millimetres; stored, but the area moves on screen only at the next AsazaDinMm.
    double TopMm() const { return topMm_; }
    void SeteazaTopMm(double mm);
    double LeftMm() const { return leftMm_; }
    void SeteazaLeftMm(double mm);
    double WidthMm() const { return widthMm_; }
    void SeteazaWidthMm(double mm);
    double HeightMm() const { return heightMm_; }
    void SeteazaHeightMm(double mm);

    const QString& Text() const { return text_; }
    void SeteazaText(const QString& text);
    TFontFormular* Font() const { return font_; }
    void SeteazaFont(TFontFormular* font);
    TAliniere Alignment() const { return aliniere_; }
    void SeteazaAlignment(TAliniere aliniere) { aliniere_ = aliniere; }
    double ZoomLock() const { return zoomLock_; }
    void SeteazaZoomLock(double zoom) { zoomLock_ = zoom; }
    const QString& Denumire1() const { return denumire1_; }
    void SeteazaDenumire1(const QString& text) { denumire1_ = text; }
    const QString& Denumire2() const { return denumire2_; }
    void SeteazaDenumire2(const QString& text) { denumire2_ = text; }
    const QString& Denumire3() const { return denumire3_; }
    void SeteazaDenumire3(const QString& text) { denumire3_ = text; }
    const QStringList& SursaText() const { return sursaText_; }
    void SeteazaSursaText(const QStringList& linii) { sursaText_ = linii; }
    const QStringList& Log() const { return log_; }

    // The parent page's zoom and scale (100 and 96 without a page).
    double p_zoom() const;
    void Seteazap_zoom(double zoom);
    double p_dpi() const;

    bool MouseDeasupra() const { return mouseDeasupra_; }
    bool SeCiteste() const;
    void SeteazaCitire(bool seCiteste) { seCiteste_ = seCiteste; }

    // First geometry recorded for a pair of grade areas; kept however the area moves later.
    double ReferintaSus = 0.0;
    double ReferintaStanga = 0.0;
    double ReferintaLatime = 0.0;
    bool AreReferinta = false;
    void RetineReferinta();

    TTextEfectiv ValoriEfective() const;
    const TAjustareTextArea* Ajustare() const;

    void AsazaDinMm();
    virtual void FontSchimbat();
    virtual void FontEliberat();
    virtual void ZoomSchimbat();
    virtual void TiparesteTextArea(QPainter& pictor, const TMasuriDispozitiv& masuri, bool roteste,
                                   double stangaMm, double susMm, double inaltimePaginaMm,
                                   double latimePaginaMm, TDirectorModificari& director);

    // The rectangle on paper in device units relative to the printable area, right and bottom
    // included, before any turn.
    QRect DreptunghiImprimanta(const TMasuriDispozitiv& masuri, double stangaMm,
                               double susMm) const;

signals:
    // A click at run time; the field information window answers it.
    void Apasata(TFormularTextArea* zona);

protected:
    void paintEvent(QPaintEvent* eveniment) override;
    void moveEvent(QMoveEvent* eveniment) override;
    void resizeEvent(QResizeEvent* eveniment) override;
    void enterEvent(QEnterEvent* eveniment) override;
    void leaveEvent(QEvent* eveniment) override;
    void mouseReleaseEvent(QMouseEvent* eveniment) override;

private:
    void LimiteSchimbate();
    TFormularDePrintat* Pagina() const;

    double topMm_ = 0.0;
    double leftMm_ = 0.0;
    double widthMm_ = 0.0;
    double heightMm_ = 0.0;
    QString text_;
    TFontFormular* font_ = nullptr;
    TAliniere aliniere_ = TAliniere::Stanga;
    double zoomLock_ = 0.0;
    QString denumire1_;
    QString denumire2_;
    QString denumire3_;
    QStringList sursaText_;
    QStringList log_;

    bool fisZooming_ = false;
    bool fisSizing_ = false;
    bool mouseDeasupra_ = false;
    bool seCiteste_ = false;
    // The bounds last placed or accepted: notifications that change nothing are not changes.
    QRect limiteCunoscute_;
};
