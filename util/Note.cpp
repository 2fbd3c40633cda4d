#include "util/Note.h"

namespace {
struct TParti {
    QString intregi;
    QString zecimale;
    int contor = 1;
};

// Walks a grade text; `opresteLaAltceva`: any other character ends the collecting.
TParti Imparte(const QString& text, bool opresteLaAltceva) {
    TParti parti;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            if (parti.contor == 1)
                parti.intregi += c;
            else if (parti.contor == 2)
                parti.zecimale += c;
        } else if (c == u',' || c == u'.') {
            ++parti.contor;
        } else if (opresteLaAltceva) {
            parti.contor = 5;
        }
    }
    return parti;
}

QString DouaZecimale(QString zecimale) {
    while (zecimale.size() < 2)
        zecimale += u'0';
    return zecimale;
}
} // namespace

qint64 NotaDinText(const QString& text) {
    const TParti parti = Imparte(text, true);
    bool ok = false;
    qint64 intregi = parti.intregi.toLongLong(&ok);
    if (!ok)
        intregi = 0;
    const qint64 zecimale = DouaZecimale(parti.zecimale).left(2).toLongLong();
    return intregi * 10000 + zecimale * 100;
}

bool EsteNotaValida(const QString& text) {
    const TParti parti = Imparte(text, false);
    if (parti.contor > 2 || parti.intregi.size() > 2 || parti.zecimale.size() > 2)
        return false;
    bool ok = false;
    const int valoare = (parti.intregi + DouaZecimale(parti.zecimale)).toInt(&ok);
    return ok && valoare >= 500 && valoare <= 1000;
}
