#include "AjutorControale.h"

#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QSignalSpy>
#include <vector>

namespace {
struct Tasta {
    Qt::Key tasta;
    Qt::KeyboardModifiers modificatori = Qt::NoModifier;
};
const auto shift = Qt::ShiftModifier;
const auto ctrl = Qt::ControlModifier;

void Apasa(QWidget* control, const std::vector<Tasta>& taste) {
    for (const Tasta& t : taste)
        QTest::keyClick(control, t.tasta, t.modificatori);
}

class QebTastatura : public FereastraControale {};

struct CazTasta {
    const char* nume;
    QString text;
    int p, s;
    std::vector<Tasta> taste;
    QString textAsteptat;
    int pAsteptat, sAsteptat;
};

TEST_F(QebTastatura, KeyTable) {
    const QString cuvinte = QStringLiteral("abc def ghi");
    const CazTasta cazuri[] = {
        {"Shift+Home then Delete",
         "abcdef",
         4,
         0,
         {{Qt::Key_Home, shift}, {Qt::Key_Delete}},
         "def",
         1,
         0},
        {"Shift+End", "abcdef", 3, 0, {{Qt::Key_End, shift}}, "abcdef", 3, 4},
        {"Shift+Left at the start", "abc", 1, 0, {{Qt::Key_Left, shift}}, "abc", 1, 0},
        {"Shift+Left twice",
         "abc",
         3,
         0,
         {{Qt::Key_Left, shift}, {Qt::Key_Left, shift}},
         "abc",
         3,
         -2},
        {"Shift+Right at the end", "abc", 3, 1, {{Qt::Key_Right, shift}}, "abc", 3, 1},
        {"Shift+Right", "abc", 1, 0, {{Qt::Key_Right, shift}, {Qt::Key_Right, shift}}, "abc", 1, 2},
        {"Ctrl+Shift+Right",
         cuvinte,
         2,
         0,
         {{Qt::Key_Right, ctrl | shift}, {Qt::Key_Right, ctrl | shift}},
         cuvinte,
         2,
         6},
        {"Ctrl+Shift+Left",
         cuvinte,
         12,
         0,
         {{Qt::Key_Left, ctrl | shift}, {Qt::Key_Left, ctrl | shift}},
         cuvinte,
         12,
         -7},
        {"Ctrl+Right clears the selection", cuvinte, 1, 2, {{Qt::Key_Right, ctrl}}, cuvinte, 4, 0},
        {"Ctrl+Left at the start of leading blanks",
         "  ab",
         1,
         0,
         {{Qt::Key_Left, ctrl}},
         "  ab",
         1,
         0},
        {"Ctrl+Right over trailing blanks", "ab  ", 5, 0, {{Qt::Key_Right, ctrl}}, "ab  ", 5, 0},
        {"Ctrl+Right on empty text", "", 1, 0, {{Qt::Key_Right, ctrl}}, "", 1, 0},
        {"Backspace", "abcdef", 4, 0, {{Qt::Key_Backspace}}, "abdef", 3, 0},
        {"Backspace at the start", "abc", 1, 0, {{Qt::Key_Backspace}}, "abc", 1, 0},
        {"Backspace on a selection", "abcdef", 2, 3, {{Qt::Key_Backspace}}, "aef", 2, 0},
        {"Delete on a backward selection", "abcdef", 5, -3, {{Qt::Key_Delete}}, "aef", 2, 0},
        {"Delete", "abcdef", 4, 0, {{Qt::Key_Delete}}, "abcef", 4, 0},
        {"Delete at the end", "abc", 4, 0, {{Qt::Key_Delete}}, "abc", 4, 0},
        {"Home", "abc", 2, 1, {{Qt::Key_Home}}, "abc", 1, 0},
        {"End", "abc", 2, -1, {{Qt::Key_End}}, "abc", 4, 0},
        {"Left on a selection keeps the anchor", "abcdef", 2, 3, {{Qt::Key_Left}}, "abcdef", 2, 0},
        {"Right on a selection keeps the anchor",
         "abcdef",
         5,
         -3,
         {{Qt::Key_Right}},
         "abcdef",
         5,
         0},
        {"Left", "abc", 3, 0, {{Qt::Key_Left}}, "abc", 2, 0},
        {"Right at the end", "abc", 4, 0, {{Qt::Key_Right}}, "abc", 4, 0},
        {"Up moves left", "abc", 3, 0, {{Qt::Key_Up}}, "abc", 2, 0},
        {"Down moves right", "abc", 2, 0, {{Qt::Key_Down}}, "abc", 3, 0},
        {"Shift+Up does nothing", "abc", 2, 0, {{Qt::Key_Up, shift}}, "abc", 2, 0},
        {"Ctrl+A types nothing", "abc", 2, 0, {{Qt::Key_A, ctrl}}, "abc", 2, 0},
        {"a character replaces the selection", "abcdef", 5, -3, {{Qt::Key_X}}, "axef", 3, 0},
    };
    auto* control = Adauga<TQebTextEdit>(400);
    Arata();
    control->setFocus();
    for (const CazTasta& caz : cazuri) {
        SCOPED_TRACE(caz.nume);
        control->SetText(caz.text);
        control->SetSelection(caz.p, caz.s);
        Apasa(control, caz.taste);
        EXPECT_EQ(control->Text(), caz.textAsteptat);
        EXPECT_EQ(control->CaretPos(), caz.pAsteptat);
        EXPECT_EQ(control->SelLength(), caz.sAsteptat);
    }
}

TEST_F(QebTastatura, WordMovement) {
    auto* control = Adauga<TQebTextEdit>(400);
    control->SetText(QStringLiteral("abc def ghi"));
    Arata();
    control->setFocus();
    control->SetSelection(1, 0);
    for (int asteptat : {4, 8, 12, 12}) {
        QTest::keyClick(control, Qt::Key_Right, ctrl);
        EXPECT_EQ(control->CaretPos(), asteptat);
    }
    for (int asteptat : {9, 5, 1, 1}) {
        QTest::keyClick(control, Qt::Key_Left, ctrl);
        EXPECT_EQ(control->CaretPos(), asteptat);
    }
    // Separators are blanks, tabs, line breaks, commas and full stops.
    control->SetText(QStringLiteral("ab,cd.ef"));
    control->SetSelection(1, 0);
    QTest::keyClick(control, Qt::Key_Right, ctrl);
    EXPECT_EQ(control->CaretPos(), 3);
    QTest::keyClick(control, Qt::Key_Right, ctrl);
    EXPECT_EQ(control->CaretPos(), 6);
}

TEST_F(QebTastatura, ArrowsRaiseTheirEventsAtTheEnds) {
    auto* control = Adauga<TQebTextEdit>(400);
    control->SetText(QStringLiteral("ab"));
    Arata();
    control->setFocus();
    QSignalSpy stanga(control, &TQebCustomTextEdit::OnLeft);
    QSignalSpy dreapta(control, &TQebCustomTextEdit::OnRight);
    QSignalSpy sus(control, &TQebCustomTextEdit::OnUp);
    QSignalSpy jos(control, &TQebCustomTextEdit::OnDown);
    struct {
        int p;
        Qt::Key tasta;
        int pAsteptat;
        int stanga, dreapta, sus, jos; // running counts
    } pasi[] = {
        {2, Qt::Key_Left, 1, 0, 0, 0, 0},  {1, Qt::Key_Left, 1, 1, 0, 0, 0},
        {2, Qt::Key_Up, 1, 1, 0, 1, 0},    {1, Qt::Key_Up, 1, 2, 0, 2, 0},
        {3, Qt::Key_Right, 3, 2, 1, 2, 0}, {2, Qt::Key_Down, 3, 2, 1, 2, 1},
        {3, Qt::Key_Down, 3, 2, 2, 2, 2},
    };
    for (const auto& pas : pasi) {
        control->SetSelection(pas.p, 0);
        QTest::keyClick(control, pas.tasta);
        EXPECT_EQ(control->CaretPos(), pas.pAsteptat);
        EXPECT_EQ(stanga.size(), pas.stanga);
        EXPECT_EQ(dreapta.size(), pas.dreapta);
        EXPECT_EQ(sus.size(), pas.sus);
        EXPECT_EQ(jos.size(), pas.jos);
    }
    ASSERT_FALSE(stanga.isEmpty());
    EXPECT_EQ(stanga.first().first().value<TQebCustomTextEdit*>(), control);
}

// Records the keys its children pass on.
class Parinte : public QWidget {
public:
    QList<int> Taste;

protected:
    void keyPressEvent(QKeyEvent* e) override { Taste << e->key(); }
};

TEST_F(QebTastatura, OnlyUnnamedKeysWithoutModifiersArePassedOn) {
    auto* parinte = new Parinte;
    parinte->setParent(&fereastra);
    parinte->setGeometry(0, 0, 400, 100);
    auto* control = Adauga<TQebTextEdit>(300, parinte);
    Arata();
    control->setFocus();
    Apasa(control, {{Qt::Key_Escape},
                    {Qt::Key_F5},
                    {Qt::Key_Up, shift},
                    {Qt::Key_Escape, ctrl},
                    {Qt::Key_Left},
                    {Qt::Key_A}});
    EXPECT_EQ(parinte->Taste, (QList<int>{Qt::Key_Escape, Qt::Key_F5}));
    EXPECT_EQ(control->Text(), QStringLiteral("a"));
}

TEST_F(QebTastatura, EditingKeysWinOverTheWindowsShortcuts) {
    auto* control = Adauga<TQebTextEdit>(300);
    int declansari = 0;
    for (QKeySequence tasta : {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::Key_Delete),
                               QKeySequence(Qt::Key_A), QKeySequence(Qt::Key_F2)}) {
        auto* actiune = new QAction(&fereastra);
        actiune->setShortcut(tasta);
        fereastra.addAction(actiune);
        QObject::connect(actiune, &QAction::triggered, [&] { ++declansari; });
    }
    control->SetText(QStringLiteral("abc"));
    Arata();
    control->setFocus();
    control->SetSelection(1, 1);
    Apasa(control, {{Qt::Key_X, ctrl}, {Qt::Key_Delete}, {Qt::Key_A}});
    EXPECT_EQ(control->Text(), QStringLiteral("ac"));
    EXPECT_EQ(declansari, 0);
    QTest::keyClick(control, Qt::Key_F2);
    EXPECT_EQ(declansari, 1);
}

TEST_F(QebTastatura, TypesRomanianLettersAndIgnoresControlCharacters) {
    auto* control = Adauga<TQebTextEdit>(400);
    Arata();
    control->setFocus();
    QSignalSpy schimbari(control, &TQebCustomTextEdit::OnChange);
    Tasteaza(control, QStringLiteral("Știință ăâî"));
    Tasteaza(control, QStringLiteral("\x01\x1b\x7f\t"));
    EXPECT_EQ(control->Text(), QStringLiteral("Știință ăâî"));
    EXPECT_EQ(schimbari.size(), 11);
}

TEST_F(QebTastatura, FullBoxRefusesFurtherCharacters) {
    auto* control = Adauga<TQebTextEdit>(100);
    const QString lung = QString(40, u'W');
    control->SetText(lung); // before the box is shown its width is not final
    EXPECT_EQ(control->Text(), lung);
    Arata();
    control->SetText(QString());
    Tasteaza(control, lung);
    const QString text = control->Text();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_LT(Latime(control, text) + 8, 100);
    EXPECT_GE(Latime(control, text + u'W') + 8, 100);
    control->SetText(lung);
    EXPECT_EQ(control->Text(), text);
}

TEST_F(QebTastatura, SettingTextRaisesOnChangeOnlyWhenItChanges) {
    auto* control = Adauga<TQebNumEdit>(200);
    Arata();
    QSignalSpy schimbari(control, &TQebCustomTextEdit::OnChange);
    control->SetText(QStringLiteral("12"));
    control->SetText(QStringLiteral("12"));
    control->SetText(QStringLiteral("1a"));
    EXPECT_EQ(schimbari.size(), 1);
    EXPECT_EQ(control->CaretPos(), 3);
}

// ---------------------------------------------------------------------------------------------

class QebFocus : public FereastraControale {};

TEST_F(QebFocus, EnterMovesToTheNextTabStopOfTheContainerOnly) {
    auto* primul = Adauga<TQebTextEdit>();
    auto* dezactivat = Adauga<TQebTextEdit>();
    dezactivat->setEnabled(false);
    auto* cutie = new QWidget(&fereastra);
    cutie->setGeometry(0, 100, 400, 100);
    auto* imbricat = Adauga<TQebTextEdit>(300, cutie);
    auto* ultimul = Adauga<TQebTextEdit>();
    Arata();

    primul->setFocus();
    QTest::keyClick(primul, Qt::Key_Return);
    EXPECT_TRUE(imbricat->hasFocus()); // the disabled one skipped, the nested one reached
    QTest::keyClick(imbricat, Qt::Key_Enter);
    EXPECT_TRUE(imbricat->hasFocus()); // the last of its own container
    ultimul->setFocus();
    QTest::keyClick(ultimul, Qt::Key_Return);
    EXPECT_TRUE(ultimul->hasFocus()); // never wraps to the first
}

TEST_F(QebFocus, EnteringSelectsAllOrPutsTheCaretAtTheEnd) {
    auto* a = Adauga<TQebTextEdit>();
    auto* b = Adauga<TQebTextEdit>();
    a->SetText(QStringLiteral("abcd"));
    b->SetText(QStringLiteral("xyz"));
    b->SetAutoSelectOnEnter(false);
    Arata();
    a->setFocus();
    EXPECT_EQ(a->CaretPos(), 1);
    EXPECT_EQ(a->SelLength(), 4);
    b->setFocus();
    EXPECT_EQ(b->CaretPos(), 4);
    EXPECT_EQ(b->SelLength(), 0);
}

// ---------------------------------------------------------------------------------------------

class QebClipboard : public FereastraControale {};

TEST_F(QebClipboard, CopyCutAndPaste) {
    auto* control = Adauga<TQebTextEdit>(400);
    Arata();
    control->setFocus();
    QClipboard* clipboard = QGuiApplication::clipboard();
    struct {
        const char* nume;
        int p, s;
        QString inainte;
        Tasta tasta;
        QString text, dupa;
        int p2;
    } cazuri[] = {
        {"Ctrl+C", 2, 3, "x", {Qt::Key_C, ctrl}, "abcdef", "bcd", 2},
        {"Ctrl+Insert is not copy", 2, 3, "x", {Qt::Key_Insert, ctrl}, "abcdef", "x", 2},
        {"Ctrl+Delete", 5, -3, "x", {Qt::Key_Delete, ctrl}, "abcdef", "bcd", 5},
        {"nothing selected leaves the clipboard", 2, 0, "x", {Qt::Key_C, ctrl}, "abcdef", "x", 2},
        {"Ctrl+X", 2, 3, "x", {Qt::Key_X, ctrl}, "aef", "bcd", 2},
        {"Shift+Delete", 2, 3, "x", {Qt::Key_Delete, shift}, "aef", "bcd", 2},
        {"Ctrl+V", 2, 3, "XY", {Qt::Key_V, ctrl}, "aXYef", "XY", 4},
        {"Shift+Insert", 7, 0, "Ță", {Qt::Key_Insert, shift}, "abcdefȚă", "Ță", 9},
        {"pasting nothing", 2, 3, "", {Qt::Key_V, ctrl}, "abcdef", "", 2},
        {"a copied cell's line break", 7, 0, "gh\r\n", {Qt::Key_V, ctrl}, "abcdefgh", "gh\r\n", 9},
        {"inner control characters", 1, 6, "a\tb", {Qt::Key_V, ctrl}, "a b", "a\tb", 4},
    };
    for (const auto& caz : cazuri) {
        SCOPED_TRACE(caz.nume);
        control->SetText(QStringLiteral("abcdef"));
        control->SetSelection(caz.p, caz.s);
        clipboard->setText(caz.inainte);
        Apasa(control, {caz.tasta});
        EXPECT_EQ(control->Text(), caz.text);
        EXPECT_EQ(clipboard->text(), caz.dupa);
        EXPECT_EQ(control->CaretPos(), caz.p2);
    }
}

TEST_F(QebClipboard, NumberRefusesPastedText) {
    auto* numar = Adauga<TQebNumEdit>(200);
    numar->SetText(QStringLiteral("12"));
    Arata();
    numar->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(numar, Qt::Key_V, ctrl);
    EXPECT_EQ(numar->Text(), QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("3.5"));
    QTest::keyClick(numar, Qt::Key_V, ctrl);
    EXPECT_EQ(numar->Text(), QStringLiteral("3,5"));
}

// ---------------------------------------------------------------------------------------------

class QebMouse : public FereastraControale {};

TEST_F(QebMouse, ClickPutsTheCaretAtTheNearestPosition) {
    auto* control = Adauga<TQebTextEdit>(300);
    const QString text = QStringLiteral("Wil.mj");
    control->SetText(text);
    Arata();
    control->setFocus();
    const int capatPx = 4 + Latime(control, text);
    for (int x = 0; x <= capatPx + 15; ++x) {
        control->SetSelection(1, text.size()); // a click clears any selection
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(x, 12));
        const int p = control->CaretPos();
        ASSERT_EQ(control->SelLength(), 0);
        // No other position is nearer to x; on a tie the right one wins.
        const int distanta = std::abs(4 + Latime(control, text.left(p - 1)) - x);
        for (int alta = 1; alta <= text.size() + 1; ++alta) {
            const int d = std::abs(4 + Latime(control, text.left(alta - 1)) - x);
            EXPECT_TRUE(d > distanta || (d == distanta && alta <= p))
                << "x " << x << ": " << p << " against " << alta;
        }
    }
}

TEST_F(QebMouse, FirstClickOnlyFocusesAndDragSelects) {
    auto* altul = Adauga<TQebTextEdit>(300);
    auto* control = Adauga<TQebTextEdit>(300);
    control->SetText(QStringLiteral("abcdef"));
    Arata();
    altul->setFocus();
    const auto xLa = [&](int p) {
        return 4 + Latime(control, control->Text().left(p - 1));
    };
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(xLa(3), 12));
    EXPECT_TRUE(control->hasFocus());
    EXPECT_EQ(control->CaretPos(), 1);
    EXPECT_EQ(control->SelLength(), 6);

    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(xLa(2), 12));
    QMouseEvent mutare(QEvent::MouseMove, QPointF(xLa(5), 12),
                       QPointF(control->mapToGlobal(QPoint(xLa(5), 12))), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &mutare);
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(xLa(5), 12));
    EXPECT_EQ(control->CaretPos(), 2);
    EXPECT_EQ(control->SelLength(), 3);
    EXPECT_EQ(control->SelText(), QStringLiteral("bcd"));
}
} // namespace
