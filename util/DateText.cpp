#include "util/DateText.h"

#include "util/Cuvinte.h"

#include <array>

namespace {
const std::array<QString, 12> luni = {
    QStringLiteral("ianuarie"),  QStringLiteral("februarie"), QStringLiteral("martie"),
    QStringLiteral("aprilie"),   QStringLiteral("mai"),       QStringLiteral("iunie"),
    QStringLiteral("iulie"),     QStringLiteral("august"),    QStringLiteral("septembrie"),
    QStringLiteral("octombrie"), QStringLiteral("noiembrie"), QStringLiteral("decembrie")};

QString DouaCifre(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
} // namespace

QString DataCuLunaInLitere(const QDate& data) {
    if (!data.isValid())
        return {};
    return QStringLiteral("%1 %2 %3").arg(data.day()).arg(luni[data.month() - 1]).arg(data.year());
}

QString ZiSiLuna(const QDate& data) {
    if (!data.isValid())
        return {};
    return DouaCifre(data.day()) + u'/' + DouaCifre(data.month());
}

QString ZiLunaSiAn(const QDate& data) {
    if (!data.isValid())
        return {};
    // The third and fourth characters of the year; a short year shows "?" where digits lack.
    const QString an = CompleteazaLaDreapta(QString::number(data.year()), 4, u'?');
    return ZiSiLuna(data) + u'/' + an.mid(2, 2);
}
