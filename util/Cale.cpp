#include "util/Cale.h"

QString NormalizeazaCale(const QString& cale, QChar separator) {
    const QString retea = QStringLiteral("\\\\");
    const bool eRetea = cale.startsWith(retea);
    QString rezultat = eRetea ? cale.mid(2) : cale;
    const QChar celalalt = separator == u'\\' ? u'/' : u'\\';
    rezultat.replace(celalalt, separator);
    const QString dublu(2, separator);
    while (rezultat.contains(dublu))
        rezultat.replace(dublu, QString(separator));
    return eRetea ? retea + rezultat : rezultat;
}
