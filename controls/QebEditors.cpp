#include "controls/QebEditors.h"

#include "util/Culori.h"
#include "util/Eroare.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <algorithm>
#include <utility>

namespace {
const QStringView separatoriCuvinte = u"\t\n\r ,.";

bool EsteSeparator(QChar c) {
    return InMultime(c, separatoriCuvinte);
}

bool EsteCaracterTastat(QChar c) {
    return c.unicode() > 31 && c.unicode() != 127;
}

// A pasted text is held to what could be typed: line breaks around it (a copied spreadsheet
// cell ends in one) are dropped, other control characters become spaces.
QString TextLipit(QString text) {
    while (!text.isEmpty() && (text.back() == u'\n' || text.back() == u'\r'))
        text.chop(1);
    while (!text.isEmpty() && (text.front() == u'\n' || text.front() == u'\r'))
        text.remove(0, 1);
    for (QChar& c : text)
        if (!EsteCaracterTastat(c))
            c = u' ';
    return text;
}
} // namespace

// ---------------------------------------------------------------------------------------------

TQebBaseControl::TQebBaseControl(QWidget* parinte)
    : QWidget(parinte) {
}

QString TQebBaseControl::Version() const {
    return QStringLiteral("1.0");
}

void TQebBaseControl::FocusNext() {
    QWidget* parinte = parentWidget();
    if (!parinte)
        return;
    // The focus chain of the window, walked from the window itself, is the tab order.
    QWidget* fereastra = window();
    bool dupaAcesta = false;
    for (QWidget* w = fereastra->nextInFocusChain(); w && w != fereastra;
         w = w->nextInFocusChain()) {
        if (w == this) {
            dupaAcesta = true;
            continue;
        }
        if (dupaAcesta && parinte->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) &&
            w->isEnabled() && w->isVisible()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// ---------------------------------------------------------------------------------------------

TQebFieldBasedControl::TQebFieldBasedControl(QWidget* parinte)
    : TQebBaseControl(parinte) {
    setMouseTracking(true);
    veghetorMouse_.setInterval(100);
    connect(&veghetorMouse_, &QTimer::timeout, this, &TQebFieldBasedControl::VerificaMouse);
}

void TQebFieldBasedControl::SetState(int stare) {
    if (stare < 0 || stare > 5)
        throw Eroare(QStringLiteral("Don't know state"));
    stare_ = stare;
    if (stare == 1 || stare == 4)
        veghetorMouse_.start();
    update();
}

void TQebFieldBasedControl::PaintFrame(QPainter& p, int stare) {
    const TQebTextEditStyle& stil = StyleForState(stare);
    const QColor fataButon = QApplication::palette().color(QPalette::Active, QPalette::Button);
    const QColor fundal =
        !isEnabled() && Color() == fataButon ? fataButon : stil.BkColor().Culoare();
    p.fillRect(rect(), fundal);
    p.setPen(QPen(stil.BorderColor().Culoare(), 0));
    p.setBrush(Qt::NoBrush);
    // The border grows inward, so a wide border never leaves the control.
    for (int i = 0; i < stil.BorderWidth(); ++i)
        p.drawRect(i, i, width() - 1 - 2 * i, height() - 1 - 2 * i);
}

const TQebTextEditStyle& TQebFieldBasedControl::StyleForState(int stare) {
    TQebTextEditStyleRepository& r = StyleRepository();
    switch (stare) {
    case 0:
        return r.ReadOnlyCold();
    case 1:
        return r.ReadOnlyHover();
    case 2:
        return r.ReadOnlyHot();
    case 3:
        return r.Cold();
    case 4:
        return r.Hover();
    case 5:
        return r.Hot();
    }
    throw Eroare(QStringLiteral("Don't know state"));
}

TQebTextEditStyleRepository& TQebFieldBasedControl::StyleRepository() {
    return TQebTextEditStyleRepository::Global();
}

QColor TQebFieldBasedControl::Color() const {
    return culoare_.isValid() ? culoare_
                              : QApplication::palette().color(QPalette::Active, QPalette::Base);
}

void TQebFieldBasedControl::SetColor(const QColor& culoare) {
    culoare_ = culoare;
    update();
}

bool TQebFieldBasedControl::event(QEvent* e) {
    if (e->type() == MesajMouseAfara) {
        MouseAfara();
        return true;
    }
    return TQebBaseControl::event(e);
}

void TQebFieldBasedControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintFrame(p, stare_);
}

void TQebFieldBasedControl::focusInEvent(QFocusEvent* e) {
    SetState(EsteDoarCitire() ? 2 : 5);
    TQebBaseControl::focusInEvent(e);
}

void TQebFieldBasedControl::focusOutEvent(QFocusEvent* e) {
    SetState(EsteDoarCitire() ? 0 : 3);
    TQebBaseControl::focusOutEvent(e);
}

void TQebFieldBasedControl::enterEvent(QEnterEvent* e) {
    MouseInauntru();
    TQebBaseControl::enterEvent(e);
}

void TQebFieldBasedControl::leaveEvent(QEvent* e) {
    MouseAfara();
    TQebBaseControl::leaveEvent(e);
}

void TQebFieldBasedControl::mouseMoveEvent(QMouseEvent* e) {
    const QPoint poz = e->position().toPoint();
    if (poz.x() > width() || poz.y() > height() || poz.x() < 0 || poz.y() < 0)
        MouseAfara();
    else
        MouseInauntru();
    TQebBaseControl::mouseMoveEvent(e);
}

void TQebFieldBasedControl::mouseReleaseEvent(QMouseEvent* e) {
    // Releasing the button ends the mouse capture: the state follows the focus alone.
    if (EsteDoarCitire())
        SetState(hasFocus() ? 2 : 0);
    else
        SetState(hasFocus() ? 5 : 3);
    TQebBaseControl::mouseReleaseEvent(e);
}

void TQebFieldBasedControl::MouseInauntru() {
    if (stare_ == 0)
        SetState(1);
    else if (stare_ == 3)
        SetState(4);
}

void TQebFieldBasedControl::MouseAfara() {
    if (stare_ == 1)
        SetState(0);
    else if (stare_ == 4)
        SetState(3);
}

void TQebFieldBasedControl::VerificaMouse() {
    const QPoint stangaSus = mapToGlobal(QPoint(0, 0));
    const QPoint cursor = QCursor::pos();
    // A point on the edge counts as inside.
    const bool afara = cursor.x() < stangaSus.x() || cursor.x() > stangaSus.x() + width() ||
                       cursor.y() < stangaSus.y() || cursor.y() > stangaSus.y() + height();
    if (afara || !isVisible()) {
        veghetorMouse_.stop();
        QCoreApplication::postEvent(this, new QEvent(MesajMouseAfara));
    }
}

// ---------------------------------------------------------------------------------------------

TQebCustomTextEdit::TQebCustomTextEdit(QWidget* parinte)
    : TQebFieldBasedControl(parinte) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    resize(100, 24);
    connect(&clipireCursor_, &QTimer::timeout, this, [this] {
        cursorVizibil_ = !cursorVizibil_;
        update();
    });
}

QSize TQebCustomTextEdit::sizeHint() const {
    return QSize(100, 24);
}

void TQebCustomTextEdit::SetText(const QString& text) {
    QString candidat = text;
    if (!AcceptText(candidat) || candidat == text_)
        return;
    text_ = candidat;
    p_ = text_.size() + 1;
    s_ = 0;
    ArataCursor();
    update();
    emit OnChange(this);
}

void TQebCustomTextEdit::SetSelection(int pozitie, int lungime) {
    const int capat = text_.size() + 1;
    p_ = std::clamp(pozitie, 1, capat);
    s_ = std::clamp(p_ + lungime, 1, capat) - p_;
    ArataCursor();
    update();
}

QString TQebCustomTextEdit::SelText() const {
    return text_.mid(std::min(p_, p_ + s_) - 1, std::abs(s_));
}

void TQebCustomTextEdit::ReplaceSelection(const QString& text) {
    const int inceput = std::min(p_, p_ + s_);
    const int sfarsit = std::max(p_, p_ + s_);
    QString candidat = text_.left(inceput - 1) + text + text_.mid(sfarsit - 1);
    if (!AcceptText(candidat) || candidat == text_)
        return;
    text_ = candidat;
    s_ = 0;
    p_ = std::min(inceput + int(text.size()), int(text_.size()) + 1);
    ArataCursor();
    update();
    emit OnChange(this);
}

void TQebCustomTextEdit::CopyToClipboard() {
    const QString selectie = SelText();
    if (!selectie.isEmpty())
        QGuiApplication::clipboard()->setText(selectie);
}

void TQebCustomTextEdit::CutToClipboard() {
    CopyToClipboard();
    ReplaceSelection(QString());
}

void TQebCustomTextEdit::PasteFromClipboard() {
    const QString text = TextLipit(QGuiApplication::clipboard()->text());
    if (!text.isEmpty())
        ReplaceSelection(text);
}

void TQebCustomTextEdit::SetKeepSelection(bool pastreaza) {
    pastreazaSelectia_ = pastreaza;
    update();
}

void TQebCustomTextEdit::SetRightAlignNonEdit(bool dreapta) {
    dreaptaNeeditat_ = dreapta;
    update();
}

bool TQebCustomTextEdit::AcceptText(QString& text) {
    // Before the box is first shown its final width is unknown: whatever is loaded into it stays.
    if (!testAttribute(Qt::WA_WState_Created))
        return true;
    return LatimeText(text) + 8 < width();
}

int TQebCustomTextEdit::LatimeText(const QString& text) {
    return QFontMetrics(StyleForState(State()).Font()).horizontalAdvance(text);
}

TQebCustomTextEdit::TPozitieText TQebCustomTextEdit::PozitieText(int stare) {
    const QFontMetrics fm(StyleForState(stare).Font());
    TPozitieText poz;
    poz.inaltimePx = fm.height();
    poz.susPx = (height() - poz.inaltimePx) / 2;
    const bool focalizat = stare == 2 || stare == 5;
    poz.xPx = dreaptaNeeditat_ && !focalizat ? width() - 4 - fm.horizontalAdvance(text_) : 4;
    return poz;
}

void TQebCustomTextEdit::PaintText(QPainter& p, int stare) {
    if (text_.isEmpty())
        return;
    const TQebTextEditStyle& stil = StyleForState(stare);
    p.setFont(stil.Font());
    p.setBrush(Qt::NoBrush);
    const QFontMetrics fm(stil.Font());
    const TPozitieText poz = PozitieText(stare);
    const QColor culoareText = stil.FontColor().Culoare();

    const QPalette paleta = QApplication::palette();
    QColor fundalSelectie = paleta.color(QPalette::Active, QPalette::Highlight);
    const QColor textSelectie = paleta.color(QPalette::Active, QPalette::HighlightedText);
    const bool focalizat = stare == 2 || stare == 5;
    const bool selectieVizibila = focalizat || pastreazaSelectia_;
    if (!focalizat) {
        TQebColorVariation estompat;
        estompat.SetBaseColor(fundalSelectie);
        estompat.SetVariation(TQebColorVariationEnum::cvLiteBlue);
        fundalSelectie = estompat.Culoare();
    }

    const int inceput = std::min(p_, p_ + s_) - 1;
    const int sfarsit = std::max(p_, p_ + s_) - 1;
    const struct {
        int de, la;
        bool selectat;
    } segmente[] = {
        {0, inceput, false}, {inceput, sfarsit, true}, {sfarsit, int(text_.size()), false}};
    for (const auto& segment : segmente) {
        const QString bucata = text_.mid(segment.de, segment.la - segment.de);
        const int xPx = poz.xPx + fm.horizontalAdvance(text_.left(segment.de));
        const bool neselectat = !segment.selectat || !selectieVizibila;
        if (neselectat) {
            p.setPen(culoareText);
        } else {
            p.fillRect(xPx, poz.susPx, fm.horizontalAdvance(bucata), poz.inaltimePx,
                       fundalSelectie);
            p.setPen(textSelectie);
        }
        AdjustTextFont(p, stare, neselectat);
        if (!bucata.isEmpty())
            p.drawText(QPoint(xPx, poz.susPx + fm.ascent()), bucata);
    }
}

void TQebCustomTextEdit::AdjustTextFont(QPainter&, int, bool) {
}

void TQebCustomTextEdit::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintFrame(p, State());
    PaintText(p, State());
    if (hasFocus() && cursorVizibil_) {
        const int xPx = 4 + LatimeText(text_.left(p_ + s_ - 1));
        p.fillRect(xPx, 3, 2, height() - 6, StyleForState(State()).FontColor().Culoare());
    }
}

void TQebCustomTextEdit::ArataCursor() {
    cursorVizibil_ = hasFocus();
    const int clipireMs = QGuiApplication::styleHints()->cursorFlashTime();
    if (cursorVizibil_ && clipireMs > 0)
        clipireCursor_.start(clipireMs / 2);
    else
        clipireCursor_.stop();
}

void TQebCustomTextEdit::Muta(int pozitie, int lungime) {
    p_ = pozitie;
    s_ = lungime;
    ArataCursor();
    update();
}

void TQebCustomTextEdit::focusInEvent(QFocusEvent* e) {
    TQebFieldBasedControl::focusInEvent(e);
    if (!EsteDoarCitire()) {
        if (selecteazaLaIntrare_) {
            p_ = 1;
            s_ = text_.size();
        } else {
            p_ = text_.size() + 1;
            s_ = 0;
        }
    }
    // The press that brought the focus must not then move the caret and lose the selection.
    focusDinClic_ = e->reason() == Qt::MouseFocusReason;
    ArataCursor();
    update();
}

void TQebCustomTextEdit::focusOutEvent(QFocusEvent* e) {
    TQebFieldBasedControl::focusOutEvent(e);
    focusDinClic_ = false;
    trage_ = false;
    ArataCursor();
    update();
}

bool TQebCustomTextEdit::event(QEvent* e) {
    // Keys the box edits with are not taken by the window's shortcuts while it has the focus.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        const bool ctrl = k->modifiers() & Qt::ControlModifier;
        const bool alt = k->modifiers() & Qt::AltModifier;
        bool propriu = false;
        switch (k->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Delete:
        case Qt::Key_Insert:
        case Qt::Key_Backspace:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            propriu = !alt;
            break;
        case Qt::Key_C:
        case Qt::Key_V:
        case Qt::Key_X:
            propriu = ctrl && !alt;
            break;
        default:
            propriu = !ctrl && !alt && !k->text().isEmpty() && EsteCaracterTastat(k->text()[0]);
        }
        if (propriu) {
            e->accept();
            return true;
        }
    }
    return TQebFieldBasedControl::event(e);
}

void TQebCustomTextEdit::keyPressEvent(QKeyEvent* e) {
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    bool tratat = true;
    if (shift || ctrl)
        TastaCuModificatori(e->key(), shift, ctrl); // unnamed combinations are swallowed
    else
        tratat = TastaSimpla(e->key());

    QString text = e->text();
    if (text.isEmpty() && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter))
        text = QStringLiteral("\r");
    if (Tasteaza(text, e->modifiers()))
        tratat = true;
    if (tratat)
        e->accept();
    else
        e->ignore(); // passed on to whoever handles the key next
}

bool TQebCustomTextEdit::TastaCuModificatori(int tasta, bool shift, bool ctrl) {
    const int lungime = text_.size();
    if (shift && !ctrl) {
        switch (tasta) {
        case Qt::Key_End:
            Muta(p_, lungime + 1 - p_);
            return true;
        case Qt::Key_Home:
            Muta(p_, 1 - p_);
            return true;
        case Qt::Key_Left:
            if (p_ + s_ >= 2)
                Muta(p_, s_ - 1);
            return true;
        case Qt::Key_Right:
            if (p_ + s_ <= lungime)
                Muta(p_, s_ + 1);
            return true;
        case Qt::Key_Insert:
            PasteFromClipboard();
            return true;
        case Qt::Key_Delete:
            CutToClipboard();
            return true;
        }
    } else if (ctrl && !shift) {
        switch (tasta) {
        case Qt::Key_Left:
            Muta(CuvantStanga(p_), 0);
            return true;
        case Qt::Key_Right:
            Muta(CuvantDreapta(p_), 0);
            return true;
        case Qt::Key_Delete:
        case Qt::Key_C:
            CopyToClipboard();
            return true;
        case Qt::Key_V:
            PasteFromClipboard();
            return true;
        case Qt::Key_X:
            CutToClipboard();
            return true;
        }
    } else if (ctrl && shift) {
        switch (tasta) {
        case Qt::Key_Left:
            Muta(p_, CuvantStanga(p_ + s_) - p_);
            return true;
        case Qt::Key_Right:
            Muta(p_, CuvantDreapta(p_ + s_) - p_);
            return true;
        }
    }
    return false;
}

bool TQebCustomTextEdit::TastaSimpla(int tasta) {
    const int lungime = text_.size();
    switch (tasta) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (s_ != 0)
            ReplaceSelection(QString());
        else
            StergeLangaCursor(tasta == Qt::Key_Delete);
        return true;
    case Qt::Key_Home:
        Muta(1, 0);
        return true;
    case Qt::Key_End:
        Muta(lungime + 1, 0);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
        if (tasta == Qt::Key_Up)
            emit OnUp(this);
        if (s_ != 0) {
            Muta(p_, 0);
        } else {
            if (p_ == 1)
                emit OnLeft(this);
            Muta(std::max(1, p_ - 1), 0);
        }
        return true;
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (tasta == Qt::Key_Down)
            emit OnDown(this);
        if (s_ != 0) {
            Muta(p_, 0);
        } else {
            if (p_ == lungime + 1)
                emit OnRight(this);
            Muta(std::min(lungime + 1, p_ + 1), 0);
        }
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true; // handled as the typed carriage return
    }
    return false;
}

bool TQebCustomTextEdit::Tasteaza(const QString& text, Qt::KeyboardModifiers modificatori) {
    // Ctrl alone makes control codes; Ctrl+Alt is AltGr, which types characters.
    if ((modificatori & Qt::ControlModifier) && !(modificatori & Qt::AltModifier))
        return false;
    bool tratat = false;
    QString deInserat;
    const auto insereaza = [&] {
        if (!deInserat.isEmpty())
            ReplaceSelection(std::exchange(deInserat, QString()));
    };
    for (QChar c : text) {
        if (c == u'\r') {
            insereaza();
            FocusNext();
            tratat = true;
        } else if (EsteCaracterTastat(c)) {
            deInserat += c; // a surrogate pair stays together
            tratat = true;
        }
    }
    insereaza();
    return tratat;
}

void TQebCustomTextEdit::StergeLangaCursor(bool inainte) {
    const int index = inainte ? p_ - 1 : p_ - 2;
    if (index < 0 || index >= text_.size())
        return;
    QString candidat = text_;
    candidat.remove(index, 1);
    if (!AcceptText(candidat) || candidat == text_)
        return;
    text_ = candidat;
    const int pozitie = inainte ? p_ : std::max(1, p_ - 1);
    Muta(std::min(pozitie, int(text_.size()) + 1), 0);
    emit OnChange(this);
}

int TQebCustomTextEdit::CuvantStanga(int x) const {
    // 1-based access to the text, as the positions are.
    const auto sep = [this](int i) {
        return EsteSeparator(text_[i - 1]);
    };
    const int n = text_.size();
    if (n == 0)
        return 1;
    int i = std::min(x - 1, n);
    while (i >= 1 && sep(i))
        --i;
    int j = 1;
    for (int k = i - 1; k >= 1; --k)
        if (sep(k)) {
            j = k;
            break;
        }
    while (j <= n && sep(j))
        ++j;
    // Leading separators would otherwise carry the caret rightwards.
    return std::min(j, x);
}

int TQebCustomTextEdit::CuvantDreapta(int x) const {
    const auto sep = [this](int i) {
        return EsteSeparator(text_[i - 1]);
    };
    const int n = text_.size();
    if (n == 0)
        return 1;
    int i = std::max(1, std::min(n, x + 1));
    while (i <= n && sep(i))
        ++i;
    int j = n;
    for (int k = i; k <= n; ++k)
        if (sep(k)) {
            j = k;
            break;
        }
    while (j <= n && !sep(j))
        ++j;
    // Trailing separators would otherwise carry the caret leftwards.
    return std::max(j, x);
}

int TQebCustomTextEdit::PozitiaLaX(int xPx) {
    const int n = text_.size();
    const int d = xPx - 4;
    if (n == 0 || d < 0)
        return 1;
    const QFontMetrics fm(StyleForState(State()).Font());
    int anterior = 0;
    for (int k = 1; k <= n; ++k) {
        const int curent = fm.horizontalAdvance(text_.left(k));
        if (d <= curent)
            return d - anterior >= curent - d ? k + 1 : k; // ties go right
        anterior = curent;
    }
    return n + 1;
}

void TQebCustomTextEdit::mousePressEvent(QMouseEvent* e) {
    const bool abiaFocalizat = std::exchange(focusDinClic_, false);
    if (e->button() != Qt::LeftButton) {
        TQebFieldBasedControl::mousePressEvent(e);
        return;
    }
    if (!hasFocus()) {
        setFocus(Qt::MouseFocusReason);
        focusDinClic_ = false;
        return;
    }
    if (abiaFocalizat)
        return;
    trage_ = true;
    Muta(PozitiaLaX(e->position().toPoint().x()), 0);
}

void TQebCustomTextEdit::mouseMoveEvent(QMouseEvent* e) {
    TQebFieldBasedControl::mouseMoveEvent(e);
    if (trage_ && (e->buttons() & Qt::LeftButton) && hasFocus())
        Muta(p_, PozitiaLaX(e->position().toPoint().x()) - p_);
}

void TQebCustomTextEdit::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        trage_ = false;
    TQebFieldBasedControl::mouseReleaseEvent(e);
}

// ---------------------------------------------------------------------------------------------

TQebTextEdit::TQebTextEdit(QWidget* parinte)
    : TQebCustomTextEdit(parinte) {
}
