#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

class QPainter;
class TDirectorModificari;
class TFormularTextArea;
struct TMasuriDispozitiv;

// Screen scale: millimetres to whole pixels (truncated, never rounded) and back.
int MmLaPixeli(double dpi, double mm);
double PixeliLaMm(int pixeli, double dpi);

// A background picture: the decoded image, its format ("jpeg", "bmp", ...; empty for none) and,
// for a JPEG picture, the stream it came from, so saving it again loses nothing.
struct TImagineFundal {
    QImage Imagine;
    QByteArray Format;
    QByteArray DateJpeg;

    bool EsteGoala() const { return Imagine.isNull(); }
    bool EsteJpeg() const { return Format == "jpeg"; }
    static TImagineFundal DinJpeg(const QByteArray& jpeg);
    static TImagineFundal DinImagine(const QImage& imagine, const QByteArray& format);
};

// Background files are JPEG streams with every byte combined with one mask byte; the operation
// is its own inverse.
QByteArray MascheazaFundal(QByteArray date);
// Writes a JPEG stream as a background file, creating the missing folders.
void ScrieFisierFundal(const QString& cale, const QByteArray& jpeg);

// One physical sheet of a pre-printed form, shown at a zoom over the picture of the blank. Its
// text areas are its children; it is the only authority for the screen scale.
class TFormularDePrintat : public QWidget {
    Q_OBJECT
public:
    explicit TFormularDePrintat(QWidget* parinte = nullptr);
    ~TFormularDePrintat() override;

    double Zoom() const { return zoom_; }
    void SeteazaZoom(double zoom);
    double Latime() const { return latimeMm_; }
    void SeteazaLatime(double mm);
    double Inaltime() const { return inaltimeMm_; }
    void SeteazaInaltime(double mm);

    bool TextAreaTransparent() const { return transparent_; }
    void SeteazaTextAreaTransparent(bool valoare);
    bool TextAreaWithBorder() const { return cuChenar_; }
    void SeteazaTextAreaWithBorder(bool valoare);
    bool TextAreaBaseLine1() const { return baza1_; }
    void SeteazaTextAreaBaseLine1(bool valoare);
    bool TextAreaBaseLine2() const { return baza2_; }
    void SeteazaTextAreaBaseLine2(bool valoare);
    // Stored only: no guide line is drawn for them.
    bool TextAreaTopLine1() const { return sus1_; }
    void SeteazaTextAreaTopLine1(bool valoare);
    bool TextAreaTopLine2() const { return sus2_; }
    void SeteazaTextAreaTopLine2(bool valoare);
    QColor TextAreaBaseLine1_color() const { return culoareBaza1_; }
    void SeteazaTextAreaBaseLine1_color(const QColor& culoare);
    QColor TextAreaBaseLine2_color() const { return culoareBaza2_; }
    void SeteazaTextAreaBaseLine2_color(const QColor& culoare);
    QColor TextAreaTopLine1_color() const { return culoareSus1_; }
    void SeteazaTextAreaTopLine1_color(const QColor& culoare);
    QColor TextAreaTopLine2_color() const { return culoareSus2_; }
    void SeteazaTextAreaTopLine2_color(const QColor& culoare);
    // Distance in millimetres of the second base line below the first.
    double TextAreaBaseLine2_delta() const { return deltaBaza2Mm_; }
    void SeteazaTextAreaBaseLine2_delta(double mm);
    double TextAreaTopLine1_delta() const { return deltaSus1Mm_; }
    void SeteazaTextAreaTopLine1_delta(double mm);

    const TImagineFundal& BkImage() const { return fundal_; }
    void SeteazaBkImage(const TImagineFundal& imagine);
    const QString& BkImage_FileName() const { return numeFisierFundal_; }
    void SeteazaBkImage_FileName(const QString& cale);
    // Trace of the last assignment of the file name, for diagnosis.
    const QString& BkImage_DummyMsg() const { return mesajFundal_; }
    void SeteazaBkImage_DummyMsg(const QString& text) { mesajFundal_ = text; }

    const QString& DenumireFormular() const { return denumire_; }
    void SeteazaDenumireFormular(const QString& text) { denumire_ = text; }
    // Layout-level printer offsets, millimetres added to every printed position.
    double DeltaStanga() const { return deltaStangaMm_; }
    void SeteazaDeltaStanga(double mm) { deltaStangaMm_ = mm; }
    double DeltaSus() const { return deltaSusMm_; }
    void SeteazaDeltaSus(double mm) { deltaSusMm_ = mm; }

    // While a layout builds the page: the file name loads the background instead of writing it
    // and the areas take their pixel bounds as given.
    bool SeCiteste() const { return seCiteste_; }
    void SeteazaCitire(bool seCiteste) { seCiteste_ = seCiteste; }

    double Dpi() const;
    void RecalculeazaDimensiuni();
    void IncarcaFundal(const QString& cale);
    void SalveazaFundal(const QString& cale) const;

    // The text areas in child order.
    QList<TFormularTextArea*> TextAreas() const;
    TFormularTextArea* TextAreaNumarul(int numar) const;
    int NumarMaximTextArea() const;

    // Draws every text area onto a started print job; the background is never printed.
    void Tipareste(QPainter& pictor, const TMasuriDispozitiv& masuri, bool roteste,
                   TDirectorModificari& director, double stangaMm, double susMm) const;

protected:
    void paintEvent(QPaintEvent* eveniment) override;
    void resizeEvent(QResizeEvent* eveniment) override;

private:
    void Redeseneaza() { update(); }

    double zoom_ = 100.0;
    double latimeMm_ = 10.0;
    double inaltimeMm_ = 10.0;
    bool transparent_ = true;
    bool cuChenar_ = false;
    bool baza1_ = false;
    bool baza2_ = false;
    bool sus1_ = false;
    bool sus2_ = false;
    QColor culoareBaza1_ = Qt::red;
    QColor culoareBaza2_ = Qt::blue;
    QColor culoareSus1_ = Qt::red;
    QColor culoareSus2_ = Qt::blue;
    double deltaBaza2Mm_ = 1.0;
    double deltaSus1Mm_ = 1.0;
    TImagineFundal fundal_;
    QString numeFisierFundal_;
    QString mesajFundal_;
    QString denumire_;
    double deltaStangaMm_ = 0.0;
    double deltaSusMm_ = 0.0;
    bool seCiteste_ = false;

    QImage cache_;
    int atribuiriNumeFisier_ = 0;
};
