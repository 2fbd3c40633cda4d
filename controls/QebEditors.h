#pragma once

#include "controls/QebStiluri.h"

#include <QColor>
#include <QEvent>
#include <QString>
#include <QTimer>
#include <QWidget>

class QPainter;

// A control of the library: drawn entirely by itself.
class TQebBaseControl : public QWidget {
    Q_OBJECT
public:
    explicit TQebBaseControl(QWidget* parinte = nullptr);

    QString Version() const;
    void SetVersion(const QString&) {} // the version is the library's, not the caller's

    // Gives the focus to the next tab stop among the controls of the parent (nested ones
    // included), in tab order; never wraps around to the first one.
    virtual void FocusNext();
};

// A control whose look follows its state:
//   0 read-only cold, 1 read-only hover, 2 read-only hot (focused),
//   3 cold, 4 hover, 5 hot (focused).
// The read-only group only changes the look and is entered only by an explicit SetState.
class TQebFieldBasedControl : public TQebBaseControl {
    Q_OBJECT
public:
    // Posted to the control once the mouse has left it while it showed a hover state.
    static constexpr QEvent::Type MesajMouseAfara = QEvent::Type(1124);

    explicit TQebFieldBasedControl(QWidget* parinte = nullptr);

    int State() const { return stare_; }
    // Stores the state and repaints; a hover state (1, 4) starts watching for the mouse leaving.
    virtual void SetState(int stare);
    virtual void PaintFrame(QPainter& p, int stare);
    // The style a state is painted with; "Don't know state" for any other number.
    virtual const TQebTextEditStyle& StyleForState(int stare);
    virtual TQebTextEditStyleRepository& StyleRepository();

    // The control's own colour; a disabled control whose colour is the button face is filled
    // with the button face instead of its style's background.
    QColor Color() const;
    void SetColor(const QColor& culoare);

protected:
    bool EsteDoarCitire() const { return stare_ < 3; }

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void MouseInauntru();
    void MouseAfara();
    void VerificaMouse();

    int stare_ = 3;
    QColor culoare_;
    // Polls the cursor on the GUI thread while a hover state is shown: a leave event is not
    // guaranteed (popups, grabs), and dies with the control, so nothing reaches a dead widget.
    QTimer veghetorMouse_;
};

// A single-line text box. The caret position P is 1-based (the caret stands before character
// P, 1 ... length+1); the selection runs from P (the anchor) to P+S (the moving end).
// The box never scrolls: AcceptText refuses any text wider than the box.
class TQebCustomTextEdit : public TQebFieldBasedControl {
    Q_OBJECT
public:
    explicit TQebCustomTextEdit(QWidget* parinte = nullptr);

    QString Text() const { return text_; }
    // Stores the text when AcceptText accepts it (maybe normalised) and it differs: the caret
    // goes to the end, nothing is selected, OnChange is raised. A refused text is ignored.
    void SetText(const QString& text);

    int CaretPos() const { return p_; }
    int SelLength() const { return s_; }
    // Clamped to the text.
    void SetSelection(int pozitie, int lungime);
    QString SelText() const;

    // Replaces the selection (or inserts at the caret) when the result is accepted.
    void ReplaceSelection(const QString& text);
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    bool KeepSelection() const { return pastreazaSelectia_; }
    void SetKeepSelection(bool pastreaza);
    bool RightAlignNonEdit() const { return dreaptaNeeditat_; }
    void SetRightAlignNonEdit(bool dreapta);
    bool AutoSelectOnEnter() const { return selecteazaLaIntrare_; }
    void SetAutoSelectOnEnter(bool selecteaza) { selecteazaLaIntrare_ = selecteaza; }

    // Whether `text` may become the control's text; may normalise it. The base rule: the text
    // drawn plus 8 pixels must fit in the box (anything fits before the box is first shown).
    virtual bool AcceptText(QString& text);
    virtual void PaintText(QPainter& p, int stare);
    // Called before each segment of the text is drawn.
    virtual void AdjustTextFont(QPainter& p, int stare, bool neselectat);

    QSize sizeHint() const override;

signals:
    void OnChange(TQebCustomTextEdit* sender);
    void OnLeft(TQebCustomTextEdit* sender);
    void OnRight(TQebCustomTextEdit* sender);
    void OnUp(TQebCustomTextEdit* sender);
    void OnDown(TQebCustomTextEdit* sender);

protected:
    // Where the text is drawn in a state: left edge, top and height in pixels.
    struct TPozitieText {
        int xPx = 0;
        int susPx = 0;
        int inaltimePx = 0;
    };
    TPozitieText PozitieText(int stare);
    // Drawn width of a text in the font of the current state.
    int LatimeText(const QString& text);

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool TastaCuModificatori(int tasta, bool shift, bool ctrl);
    bool TastaSimpla(int tasta);
    bool Tasteaza(const QString& text, Qt::KeyboardModifiers modificatori);
    void StergeLangaCursor(bool inainte);
    void Muta(int pozitie, int lungime);
    int CuvantStanga(int x) const;
    int CuvantDreapta(int x) const;
    int PozitiaLaX(int xPx);
    void ArataCursor();

    QString text_;
    int p_ = 1;
    int s_ = 0;
    bool pastreazaSelectia_ = false;
    bool dreaptaNeeditat_ = false;
    bool selecteazaLaIntrare_ = true;
    bool focusDinClic_ = false;
    bool trage_ = false;
    bool cursorVizibil_ = false;
    QTimer clipireCursor_;
};

// The text box of forms: adds no behaviour.
class TQebTextEdit : public TQebCustomTextEdit {
    Q_OBJECT
public:
    explicit TQebTextEdit(QWidget* parinte = nullptr);
};

// A box for a decimal number with at most NrCifreDupaVirgula decimals, "," as the decimal mark
// ("." typed becomes ","), at most 17 characters besides the mark. Digit groups are shown by
// small ticks, never by characters in the text. The value properties read and write the text
// as 64-bit integers scaled by 1, 100 or 10000; reading truncates surplus decimals.
class TQebNumEdit : public TQebTextEdit {
    Q_OBJECT
public:
    explicit TQebNumEdit(QWidget* parinte = nullptr);

    bool NoDots() const { return faraPuncte_; }
    void SetNoDots(bool faraPuncte);
    int NrCifreDupaVirgula() const { return cifreZecimale_; }
    void SetNrCifreDupaVirgula(int cifre) { cifreZecimale_ = cifre; }

    // Reads raise an Eroare when the scaled value does not fit in 64 bits.
    qint64 FaraZecimale() const;
    void SetFaraZecimale(qint64 valoare);
    qint64 CuDouaZecimale() const; // value x 100
    void SetCuDouaZecimale(qint64 valoare);
    qint64 CuPatruZecimale() const; // value x 10000
    void SetCuPatruZecimale(qint64 valoare);
    qint64 CuDoiPatruZecimale() const; // value x 10000, from two decimals
    void SetCuDoiPatruZecimale(qint64 valoare);
    // Fixed-point currency, value x 10000; written with exactly two decimals (cut, not rounded).
    qint64 AsCurrency() const;
    void SetAsCurrency(qint64 valoare);

    bool AcceptText(QString& text) override;
    void PaintText(QPainter& p, int stare) override;
    void AdjustTextFont(QPainter& p, int stare, bool neselectat) override;

private:
    qint64 CitesteScalat(int zecimale) const;
    void ScrieScalat(qint64 valoare, qint64 factor, int zecimale);

    bool faraPuncte_ = false;
    int cifreZecimale_ = 2;
};
