#include "controls/QebEditors.h"

#include "util/Culori.h"
#include "util/Eroare.h"

#include <QPainter>

namespace {
// Characters besides the decimal mark a number may have, its sign included.
constexpr int maximCaractere = 17;

qsizetype PozitiaVirgulei(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u',' || text[i] == u'.')
            return i;
    return -1;
}

QString Semn(qint64 valoare) {
    return valoare < 0 ? QStringLiteral("-") : QString();
}

// |valoare| without the overflow of negating the smallest 64-bit integer.
quint64 Modul(qint64 valoare) {
    return valoare < 0 ? quint64(0) - quint64(valoare) : quint64(valoare);
}

[[noreturn]] void PreaMare(const QString& text) {
    throw Eroare(QStringLiteral("Numarul %1 este prea mare").arg(text));
}
} // namespace

TQebNumEdit::TQebNumEdit(QWidget* parinte)
    : TQebTextEdit(parinte) {
    SetRightAlignNonEdit(true);
}

void TQebNumEdit::SetNoDots(bool faraPuncte) {
    faraPuncte_ = faraPuncte;
    update();
}

bool TQebNumEdit::AcceptText(QString& text) {
    if (text.isEmpty())
        return true;
    for (QChar c : text)
        if (!EsteCifra(c) && !InMultime(c, u"-,."))
            return false;
    const qsizetype minusuri = text.count(u'-');
    if (minusuri > 1 || (minusuri == 1 && text.front() != u'-'))
        return false;
    const qsizetype separatori = text.count(u',') + text.count(u'.');
    if (separatori > 1)
        return false;
    const qsizetype virgula = PozitiaVirgulei(text);
    if (virgula >= 0 && text.size() - virgula - 1 > cifreZecimale_)
        return false;
    if (text.size() - separatori > maximCaractere)
        return false;
    text.replace(u'.', u',');
    return TQebTextEdit::AcceptText(text);
}

qint64 TQebNumEdit::CitesteScalat(int zecimale) const {
    const QString text = Text();
    const qsizetype virgula = PozitiaVirgulei(text);
    const QString intreg = virgula < 0 ? text : text.left(virgula);
    const QString fractie = virgula < 0 ? QString() : text.mid(virgula + 1);
    // Surplus decimals are cut, never rounded.
    const QString cifre = intreg + fractie.leftJustified(zecimale, u'0', true);
    if (cifre.isEmpty() || cifre == u"-")
        return 0;
    bool ok = false;
    const qint64 valoare = cifre.toLongLong(&ok);
    if (!ok)
        PreaMare(text);
    return valoare;
}

void TQebNumEdit::ScrieScalat(qint64 valoare, qint64 factor, int zecimale) {
    const quint64 modul = Modul(valoare);
    QString text = Semn(valoare) + QString::number(modul / factor);
    if (modul % factor != 0)
        text += u',' + QString::number(modul % factor).rightJustified(zecimale, u'0');
    SetText(text);
}

qint64 TQebNumEdit::FaraZecimale() const {
    return CitesteScalat(0);
}

void TQebNumEdit::SetFaraZecimale(qint64 valoare) {
    SetText(QString::number(valoare));
}

qint64 TQebNumEdit::CuDouaZecimale() const {
    return CitesteScalat(2);
}

void TQebNumEdit::SetCuDouaZecimale(qint64 valoare) {
    ScrieScalat(valoare, 100, 2);
}

qint64 TQebNumEdit::CuPatruZecimale() const {
    return CitesteScalat(4);
}

void TQebNumEdit::SetCuPatruZecimale(qint64 valoare) {
    ScrieScalat(valoare, 10000, 4);
}

qint64 TQebNumEdit::CuDoiPatruZecimale() const {
    qint64 valoare = 0;
    if (__builtin_mul_overflow(CuDouaZecimale(), qint64(100), &valoare))
        PreaMare(Text());
    return valoare;
}

void TQebNumEdit::SetCuDoiPatruZecimale(qint64 valoare) {
    SetCuDouaZecimale(valoare / 100);
}

qint64 TQebNumEdit::AsCurrency() const {
    // The sign can only lead an accepted text, so this is the four-decimal reading.
    return CitesteScalat(4);
}

void TQebNumEdit::SetAsCurrency(qint64 valoare) {
    const quint64 modul = Modul(valoare);
    SetText(Semn(valoare) + QString::number(modul / 10000) + u',' +
            QString::number(modul % 10000 / 100).rightJustified(2, u'0'));
}

void TQebNumEdit::AdjustTextFont(QPainter& p, int, bool neselectat) {
    if (neselectat && Text().contains(u'-'))
        p.setPen(QColor(Qt::red));
}

void TQebNumEdit::PaintText(QPainter& p, int stare) {
    TQebTextEdit::PaintText(p, stare);
    const QString text = Text();
    if (faraPuncte_ || text.isEmpty())
        return;
    const TPozitieText poz = PozitieText(stare);
    const QFontMetrics fm(StyleForState(stare).Font());
    const qsizetype virgula = text.indexOf(u',');
    const QString intreg = virgula < 0 ? text : text.left(virgula);

    // Group ticks stand in for thousands separators, which the text never holds.
    p.setPen(QColor(Qt::blue));
    const int yPx = poz.susPx + poz.inaltimePx - 1;
    for (qsizetype j = 1; j < intreg.size(); ++j) {
        if ((intreg.size() - j) % 3 != 0 || intreg.left(j) == u"-")
            continue;
        const int xPx = poz.xPx + fm.horizontalAdvance(intreg.left(j)) - 1;
        p.drawLine(xPx, yPx - 1, xPx, yPx);
    }
    if (virgula >= 0) {
        p.setPen(QColor(Qt::red));
        const int xPx = poz.xPx + fm.horizontalAdvance(intreg + u',') - 2;
        p.drawLine(xPx, height() / 2, xPx, height() - 5);
    }
}
