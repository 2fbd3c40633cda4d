#include "AjutorControale.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <memory>

namespace {
using enum TQebColorVariationEnum;

struct CazVariatie {
    TQebColorVariationEnum variatie;
    QColor baza;
    QColor asteptat;
};

TEST(QebColorVariation, ShiftsEachChannelAndClamps) {
    const QColor baza(100, 150, 200);
    const QColor margini(250, 5, 128);
    const CazVariatie cazuri[] = {
        {cvNoVariation, baza, baza},
        {cvLiteBlue, baza, QColor(80, 130, 200)},
        {cvLiteGreen, baza, QColor(80, 150, 180)},
        {cvLiteRed, baza, QColor(100, 130, 180)},
        {cvLiteLiteBlue, baza, QColor(90, 140, 200)},
        {cvLiteLiteGreen, baza, QColor(90, 150, 190)},
        {cvLiteLiteRed, baza, QColor(100, 140, 190)},
        {cvLite, baza, QColor(120, 170, 220)},
        {cvLiteLite, baza, QColor(110, 160, 210)},
        {cvLite, margini, QColor(255, 25, 148)},
        {cvLiteBlue, margini, QColor(230, 0, 128)},
    };
    for (const CazVariatie& caz : cazuri) {
        TQebColorVariation culoare;
        culoare.SetBaseColor(caz.baza);
        culoare.SetVariation(caz.variatie);
        EXPECT_EQ(culoare.Culoare(), caz.asteptat) << int(caz.variatie);
    }
}

TEST(QebColorVariation, UnknownVariationIsAnError) {
    TQebColorVariation culoare;
    culoare.SetVariation(static_cast<TQebColorVariationEnum>(42));
    EXPECT_EQ(MesajulErorii([&] { culoare.Culoare(); }), QStringLiteral("Don't know variation"));
}

TEST(QebColorVariation, SystemColourFollowsThePaletteAndChangesAreReported) {
    const QPalette vechi = QApplication::palette();
    TQebColorVariation culoare; // the window colour
    int schimbari = 0;
    culoare.LaSchimbare = [&] {
        ++schimbari;
    };
    culoare.SetVariation(cvLite);
    QPalette paleta = vechi;
    paleta.setColor(QPalette::Base, QColor(10, 20, 30));
    QApplication::setPalette(paleta);
    EXPECT_EQ(culoare.Culoare(), QColor(30, 40, 50));
    QApplication::setPalette(vechi);
    EXPECT_EQ(schimbari, 1);
}

TEST(QebTextEditStyleRepository, DefaultStyles) {
    const QColor fereastra = CuloareSistem(QPalette::Base);
    const QColor umbra = CuloareSistem(QPalette::Dark);
    const QColor buton = CuloareSistem(QPalette::Button);
    const auto ajustata = [](QColor c, int d) {
        return QColor(std::clamp(c.red() + d, 0, 255), std::clamp(c.green() + d, 0, 255),
                      std::clamp(c.blue() + d, 0, 255));
    };
    TQebTextEditStyleRepository r;
    struct {
        const char* nume;
        TQebTextEditStyle& stil;
        QColor fundal, chenar;
        int latimeChenar;
    } cazuri[] = {
        {"Cold", r.Cold(),
         QColor(fereastra.red(), fereastra.green(), (fereastra.blue() + 251) % 256), umbra, 1},
        {"Hot", r.Hot(), AjusteazaCuloare(fereastra, -10, -10, 0), QColor(Qt::black), 2},
        {"Hover", r.Hover(), AjusteazaCuloare(fereastra, -20, 0, -20),
         AjusteazaCuloare(umbra, -20, 0, -20), 1},
        {"ReadOnlyCold", r.ReadOnlyCold(), ajustata(buton, 20), umbra, 1},
        {"ReadOnlyHot", r.ReadOnlyHot(), AjusteazaCuloare(buton, 0, -10, -10), umbra, 1},
        {"ReadOnlyHover", r.ReadOnlyHover(), AjusteazaCuloare(buton, 0, -20, -20), umbra, 1},
    };
    for (const auto& caz : cazuri) {
        SCOPED_TRACE(caz.nume);
        EXPECT_EQ(caz.stil.BkColor().Culoare(), caz.fundal);
        EXPECT_EQ(caz.stil.BorderColor().Culoare(), caz.chenar);
        EXPECT_EQ(caz.stil.BorderWidth(), caz.latimeChenar);
        EXPECT_EQ(caz.stil.FontColor().Culoare(), CuloareSistem(QPalette::Text));
        EXPECT_EQ(caz.stil.Font().pointSize(), 9);
        EXPECT_EQ(QFontInfo(caz.stil.Font()).family(), QStringLiteral("Liberation Sans"));
    }
}

TEST(QebTextEditStyleRepository, ColdBlueWrapsBelowZero) {
    const QPalette vechi = QApplication::palette();
    QPalette paleta = vechi;
    paleta.setColor(QPalette::Base, QColor(200, 200, 3));
    QApplication::setPalette(paleta);
    TQebTextEditStyleRepository r;
    QApplication::setPalette(vechi);
    EXPECT_EQ(r.Cold().BkColor().Culoare(), QColor(200, 200, 254));
}

TEST(QebTextEditStyleRepository, AssigningCopiesTheStyle) {
    TQebTextEditStyleRepository r;
    TQebTextEditStyle sursa;
    sursa.BkColor().SetBaseColor(QColor(1, 2, 3));
    sursa.BkColor().SetVariation(cvLite);
    sursa.SetBorderWidth(3);
    r.SetHover(sursa);
    sursa.SetBorderWidth(7); // the repository holds a copy
    EXPECT_EQ(r.Hover().BkColor().Culoare(), QColor(21, 22, 23));
    EXPECT_EQ(r.Hover().BorderWidth(), 3);
}

// ---------------------------------------------------------------------------------------------

class QebStari : public FereastraControale {};

enum class Eveniment { FocusPrimit, FocusPierdut, MouseInauntru, MouseAfara, Mesaj1124, Eliberare };

void Trimite(TQebTextEdit* control, Eveniment eveniment) {
    const auto mouse = [&](QEvent::Type tip, QPoint poz) {
        QMouseEvent e(tip, poz, control->mapToGlobal(poz), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(control, &e);
    };
    switch (eveniment) {
    case Eveniment::FocusPrimit: {
        QFocusEvent e(QEvent::FocusIn, Qt::OtherFocusReason);
        QApplication::sendEvent(control, &e);
        break;
    }
    case Eveniment::FocusPierdut: {
        QFocusEvent e(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(control, &e);
        break;
    }
    case Eveniment::MouseInauntru:
        mouse(QEvent::MouseMove, QPoint(5, 5));
        break;
    case Eveniment::MouseAfara:
        mouse(QEvent::MouseMove, QPoint(control->width() + 1, 5));
        break;
    case Eveniment::Mesaj1124: {
        QEvent e(QEvent::Type(1124));
        QApplication::sendEvent(control, &e);
        break;
    }
    case Eveniment::Eliberare:
        mouse(QEvent::MouseButtonRelease, QPoint(5, 5));
        break;
    }
}

TEST_F(QebStari, TransitionsKeepTheGroup) {
    auto* control = Adauga<TQebTextEdit>();
    struct {
        Eveniment eveniment;
        int dupa[6]; // the state reached from 0 ... 5
    } tabel[] = {
        {Eveniment::FocusPrimit, {2, 2, 2, 5, 5, 5}},
        {Eveniment::FocusPierdut, {0, 0, 0, 3, 3, 3}},
        {Eveniment::Eliberare, {0, 0, 0, 3, 3, 3}}, // the control has no focus
        {Eveniment::MouseInauntru, {1, 1, 2, 4, 4, 5}},
        {Eveniment::MouseAfara, {0, 0, 2, 3, 3, 5}},
        {Eveniment::Mesaj1124, {0, 0, 2, 3, 3, 5}},
    };
    for (const auto& rand : tabel)
        for (int de = 0; de < 6; ++de) {
            control->SetState(de);
            Trimite(control, rand.eveniment);
            EXPECT_EQ(control->State(), rand.dupa[de])
                << "event " << int(rand.eveniment) << " from " << de;
        }
}

TEST_F(QebStari, StartsColdAndRefusesUnknownStates) {
    auto* control = Adauga<TQebTextEdit>();
    EXPECT_EQ(control->State(), 3);
    EXPECT_EQ(MesajulErorii([&] { control->SetState(6); }), QStringLiteral("Don't know state"));
    EXPECT_EQ(MesajulErorii([&] { control->StyleForState(-1); }),
              QStringLiteral("Don't know state"));
    EXPECT_EQ(control->State(), 3);
}

TEST_F(QebStari, RealFocusMakesTheControlHot) {
    auto* a = Adauga<TQebTextEdit>();
    auto* b = Adauga<TQebTextEdit>();
    Arata();
    a->setFocus();
    EXPECT_EQ(a->State(), 5);
    b->SetState(0);
    b->setFocus();
    EXPECT_EQ(a->State(), 3);
    EXPECT_EQ(b->State(), 2);
}

TEST_F(QebStari, WatcherReportsTheMouseLeaving) {
    auto* control = Adauga<TQebTextEdit>();
    Arata();
    const QPoint centru = control->mapToGlobal(control->rect().center());
    QCursor::setPos(centru);
    if (QCursor::pos() != centru)
        GTEST_SKIP() << "the platform cannot place the cursor";
    Trimite(control, Eveniment::MouseInauntru);
    ASSERT_EQ(control->State(), 4);
    QTest::qWait(350); // three polls with the cursor inside change nothing
    EXPECT_EQ(control->State(), 4);
    QCursor::setPos(centru + QPoint(0, 100));
    EXPECT_TRUE(QTest::qWaitFor([&] { return control->State() == 3; }, 1000));
}

TEST_F(QebStari, WatcherOfADestroyedControlPostsNothing) {
    QPointer<TQebTextEdit> control = Adauga<TQebTextEdit>();
    Arata();
    QCursor::setPos(control->mapToGlobal(control->rect().center()));
    Trimite(control, Eveniment::MouseInauntru);
    ASSERT_EQ(control->State(), 4);
    delete control.data();
    QCursor::setPos(QPoint(0, 0));
    QTest::qWait(250);
    EXPECT_TRUE(control.isNull());
}

// ---------------------------------------------------------------------------------------------

class QebDesen : public FereastraControale {};

TEST_F(QebDesen, FrameUsesTheStyleOfTheState) {
    auto* control = Adauga<TQebTextEdit>(120);
    Arata();
    TQebTextEditStyleRepository& r = TQebTextEditStyleRepository::Global();
    QImage img = Imagine(control);
    EXPECT_EQ(img.pixel(0, 0), r.Cold().BorderColor().Culoare().rgb());
    EXPECT_EQ(img.pixel(119, 23), r.Cold().BorderColor().Culoare().rgb());
    EXPECT_EQ(img.pixel(1, 1), r.Cold().BkColor().Culoare().rgb());

    control->setFocus();
    img = Imagine(control);
    for (QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(118, 22)})
        EXPECT_EQ(img.pixelColor(p), QColor(Qt::black)) << p.x(); // a border two pixels wide
    EXPECT_EQ(img.pixelColor(60, 2), r.Hot().BkColor().Culoare());
}

TEST_F(QebDesen, DisabledButtonFaceControlIsFilledWithButtonFace) {
    auto* control = Adauga<TQebTextEdit>(120);
    control->setEnabled(false);
    Arata();
    const QColor fundal = TQebTextEditStyleRepository::Global().Cold().BkColor().Culoare();
    EXPECT_EQ(Imagine(control).pixelColor(60, 12), fundal);
    control->SetColor(CuloareSistem(QPalette::Button));
    EXPECT_EQ(Imagine(control).pixelColor(60, 12), CuloareSistem(QPalette::Button));
}

TEST_F(QebDesen, DesignatedRepositoryShowsAtTheNextPaint) {
    auto* control = Adauga<TQebTextEdit>(120);
    Arata();
    {
        TQebTextEditStyleRepository propriu;
        TQebTextEditStyleRepository::Designate(&propriu);
        EXPECT_EQ(&control->StyleRepository(), &propriu);
        propriu.Cold().BkColor().SetBaseColor(QColor(200, 10, 10));
        EXPECT_EQ(Imagine(control).pixelColor(60, 12), QColor(200, 10, 10));
    }
    // A destroyed repository is no longer used.
    EXPECT_EQ(&control->StyleRepository(), &TQebTextEditStyleRepository::Global());
    EXPECT_NE(Imagine(control).pixelColor(60, 12), QColor(200, 10, 10));
}

// The columns inside the border, left to right, whose every pixel from y0 to y1 has the colour.
QList<int> ColoaneDeCuloare(const QImage& img, QColor culoare, int y0, int y1) {
    QList<int> coloane;
    for (int x = 2; x < img.width() - 2; ++x) {
        bool toata = true;
        for (int y = y0; y <= y1 && toata; ++y)
            toata = img.pixelColor(x, y) == culoare;
        if (toata)
            coloane << x;
    }
    return coloane;
}

TEST_F(QebDesen, CaretStandsAtTheMovingEnd) {
    auto* control = Adauga<TQebTextEdit>(200);
    control->SetText(QStringLiteral("abc"));
    control->SetAutoSelectOnEnter(false);
    Arata();
    control->setFocus();
    const QColor cerneala = control->StyleForState(5).FontColor().Culoare();
    const int jos = control->height() - 4;
    const auto caretLa = [&](const QString& inainte) {
        const int x = 4 + Latime(control, inainte);
        return QList<int>{x, x + 1};
    };
    EXPECT_EQ(ColoaneDeCuloare(Imagine(control), cerneala, 3, jos), caretLa("abc"));
    QTest::keyClick(control, Qt::Key_Left);
    EXPECT_EQ(ColoaneDeCuloare(Imagine(control), cerneala, 3, jos), caretLa("ab"));
    QTest::keyClick(control, Qt::Key_Left, Qt::ShiftModifier); // the moving end goes left
    EXPECT_EQ(control->CaretPos(), 3);
    EXPECT_EQ(ColoaneDeCuloare(Imagine(control), cerneala, 3, jos), caretLa("a"));
    control->clearFocus();
    EXPECT_TRUE(ColoaneDeCuloare(Imagine(control), cerneala, 3, jos).isEmpty());
}

int Numara(const QImage& img, QColor culoare) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) == culoare;
    return n;
}

TEST_F(QebDesen, SelectionIsHighlightedWhenFocusedOrKept) {
    auto* control = Adauga<TQebTextEdit>(200);
    auto* altul = Adauga<TQebTextEdit>(200);
    control->SetText(QStringLiteral("abcdef"));
    Arata();
    const QColor evidentiere = CuloareSistem(QPalette::Highlight);
    const QColor estompata = AjusteazaCuloare(evidentiere, -20, -20, 0);
    control->setFocus(); // selects all
    EXPECT_GT(Numara(Imagine(control), evidentiere), 50);
    altul->setFocus();
    control->SetSelection(2, 3);
    EXPECT_EQ(Numara(Imagine(control), evidentiere), 0);
    EXPECT_EQ(Numara(Imagine(control), estompata), 0);
    control->SetKeepSelection(true);
    EXPECT_GT(Numara(Imagine(control), estompata), 20);
}

// Pixels of `culoare` in column x, top to bottom.
QList<int> RanduriInColoana(const QImage& img, int x, QColor culoare) {
    QList<int> randuri;
    for (int y = 0; y < img.height(); ++y)
        if (img.pixelColor(x, y) == culoare)
            randuri << y;
    return randuri;
}

TEST_F(QebDesen, NumberShowsGroupTicksAndDecimalMarkAndAlignsRightUntilFocused) {
    auto* numar = Adauga<TQebNumEdit>(200);
    numar->SetText(QStringLiteral("1234567,5"));
    Arata();
    const QFontMetrics fm(numar->StyleForState(3).Font());
    const int sus = (24 - fm.height()) / 2;
    const int jos = sus + fm.height() - 1;
    const QColor albastru(Qt::blue), rosu(Qt::red);

    for (int stare : {3, 5}) {
        SCOPED_TRACE(stare);
        if (stare == 5)
            numar->setFocus();
        const int x0 = stare == 3 ? 200 - 4 - fm.horizontalAdvance(numar->Text()) : 4;
        const QImage img = Imagine(numar);
        // Groups of three counted from the decimal mark: after "1" and after "1234".
        for (const char* grup : {"1", "1234"}) {
            const int x = x0 + fm.horizontalAdvance(QString::fromLatin1(grup)) - 1;
            EXPECT_EQ(RanduriInColoana(img, x, albastru), (QList<int>{jos - 1, jos})) << grup;
        }
        EXPECT_EQ(Numara(img, albastru), 4);
        const int xVirgula = x0 + fm.horizontalAdvance(QStringLiteral("1234567,")) - 2;
        EXPECT_EQ(RanduriInColoana(img, xVirgula, rosu).size(), 24 - 4 - 12);
    }

    numar->SetNoDots(true);
    EXPECT_EQ(Numara(Imagine(numar), albastru), 0);
}

TEST_F(QebDesen, NegativeNumberIsRedAndItsSignStartsNoGroup) {
    auto* numar = Adauga<TQebNumEdit>(200);
    numar->SetText(QStringLiteral("-123456"));
    Arata();
    const QImage img = Imagine(numar);
    const auto rosiatice = [](const QImage& imagine) {
        int n = 0;
        for (int y = 0; y < imagine.height(); ++y)
            for (int x = 0; x < imagine.width(); ++x) {
                const QColor c = imagine.pixelColor(x, y);
                n += c.red() > 150 && c.green() < 100 && c.blue() < 100;
            }
        return n;
    };
    EXPECT_GT(rosiatice(img), 20);
    EXPECT_EQ(Numara(img, QColor(Qt::blue)), 2); // one tick, after "-123", none after "-"
    numar->SetText(QStringLiteral("123456"));
    EXPECT_EQ(rosiatice(Imagine(numar)), 0);
}
} // namespace
