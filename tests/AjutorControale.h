#pragma once

#include "Ajutor.h"
#include "controls/QebEditors.h"
#include "util/Culori.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QStyleHints>
#include <QTest>
#include <QWidget>

// A shown, active window, nothing focused, to put edit controls in; the caret does not blink, so
// grabs see it.
class FereastraControale : public ::testing::Test {
protected:
    void SetUp() override {
        QGuiApplication::styleHints()->setCursorFlashTime(0);
        fereastra.resize(500, 300);
    }

    template <class T> T* Adauga(int latimePx = 300, QWidget* parinte = nullptr) {
        auto* control = new T(parinte ? parinte : &fereastra);
        control->setGeometry(10, 10 + 30 * numar_++, latimePx, 24);
        return control;
    }

    void Arata() {
        fereastra.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fereastra));
        fereastra.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fereastra));
        // Activation focuses the first control; each test gives the focus itself.
        if (QWidget* focalizat = QApplication::focusWidget())
            focalizat->clearFocus();
    }

    QWidget fereastra;

private:
    int numar_ = 0;
};

// Types each character as its own key press, as a keyboard would (keyClicks cannot send
// characters beyond Latin-1).
inline void Tasteaza(QWidget* control, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline int Latime(TQebCustomTextEdit* control, const QString& text) {
    return QFontMetrics(control->StyleForState(control->State()).Font()).horizontalAdvance(text);
}

inline QImage Imagine(QWidget* control) {
    return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QColor CuloareSistem(QPalette::ColorRole rol) {
    return QApplication::palette().color(QPalette::Active, rol);
}
