#include "util/Cuvinte.h"

#include "util/Culori.h"
#include "util/Eroare.h"

#include <QDate>
#include <QStringList>
#include <array>

namespace {
// Grade words keep the letters of code page 1250: cedilla Ş and Ţ, breve Ă.
const std::array<QString, 11> cuvinteNota = {QString(),
                                             QStringLiteral("UNU"),
                                             QStringLiteral("DOI"),
                                             QStringLiteral("TREI"),
                                             QStringLiteral("PATRU"),
                                             QStringLiteral("CINCI"),
                                             QStringLiteral("ŞASE"),
                                             QStringLiteral("ŞAPTE"),
                                             QStringLiteral("OPT"),
                                             QStringLiteral("NOUĂ"),
                                             QStringLiteral("ZECE")};

// 11 to 19; the twelve is written without the breve, unlike every other word here.
const std::array<QString, 9> cuvinteNotaSprezece = {
    QStringLiteral("UNSPREZECE"),    QStringLiteral("DOUASPREZECE"),
    QStringLiteral("TREISPREZECE"),  QStringLiteral("PATRUSPREZECE"),
    QStringLiteral("CINCISPREZECE"), QStringLiteral("ŞASESPREZECE"),
    QStringLiteral("ŞAPTESPREZECE"), QStringLiteral("OPTSPREZECE"),
    QStringLiteral("NOUĂSPREZECE")};

// 20 to 90.
const std::array<QString, 8> cuvinteNotaZeci = {
    QStringLiteral("DOUĂZECI"),  QStringLiteral("TREIZECI"), QStringLiteral("PATRUZECI"),
    QStringLiteral("CINCIZECI"), QStringLiteral("ŞAIZECI"),  QStringLiteral("ŞAPTEZECI"),
    QStringLiteral("OPTZECI"),   QStringLiteral("NOUĂZECI")};

QString ZecimaleNotaInLitere(int f) {
    const int zeci = f / 10, unitati = f % 10;
    if (f < 10)
        return QStringLiteral("ZERO") + cuvinteNota[f];
    if (f == 10)
        return cuvinteNota[10];
    if (f < 20)
        return cuvinteNotaSprezece[f - 11];
    if (unitati == 0)
        return cuvinteNotaZeci[zeci - 2];
    return cuvinteNotaZeci[zeci - 2] + QStringLiteral("ŞI") + cuvinteNota[unitati];
}

// Amount words are plain letters without diacritics.
const std::array<QString, 10> cifreMasculin = {QStringLiteral("ZERO"),  QStringLiteral("UNU"),
                                               QStringLiteral("DOI"),   QStringLiteral("TREI"),
                                               QStringLiteral("PATRU"), QStringLiteral("CINCI"),
                                               QStringLiteral("SASE"),  QStringLiteral("SAPTE"),
                                               QStringLiteral("OPT"),   QStringLiteral("NOUA")};

const std::array<QString, 10> cifreFeminin = {QStringLiteral("ZERO"),  QStringLiteral("UNA"),
                                              QStringLiteral("DOUA"),  QStringLiteral("TREI"),
                                              QStringLiteral("PATRU"), QStringLiteral("CINCI"),
                                              QStringLiteral("SASE"),  QStringLiteral("SAPTE"),
                                              QStringLiteral("OPT"),   QStringLiteral("NOUA")};

// 10 to 19.
const std::array<QString, 10> numereSprezece = {
    QStringLiteral("ZECE"),          QStringLiteral("UNSPREZECE"),
    QStringLiteral("DOUASPREZECE"),  QStringLiteral("TREISPREZECE"),
    QStringLiteral("PATRUSPREZECE"), QStringLiteral("CINCISPREZECE"),
    QStringLiteral("SASESPREZECE"),  QStringLiteral("SAPTESPREZECE"),
    QStringLiteral("OPTSPREZECE"),   QStringLiteral("NOUASPREZECE")};

// 20 to 90.
const std::array<QString, 8> numereZeci = {QStringLiteral("DOUAZECI"),  QStringLiteral("TREIZECI"),
                                           QStringLiteral("PATRUZECI"), QStringLiteral("CINCIZECI"),
                                           QStringLiteral("SASEZECI"),  QStringLiteral("SAPTEZECI"),
                                           QStringLiteral("OPTZECI"),   QStringLiteral("NOUAZECI")};

// 100 to 900.
const std::array<QString, 9> sute = {
    QStringLiteral("UNASUTA"),   QStringLiteral("DOUASUTE"),  QStringLiteral("TREISUTE"),
    QStringLiteral("PATRUSUTE"), QStringLiteral("CINCISUTE"), QStringLiteral("SASESUTE"),
    QStringLiteral("SAPTESUTE"), QStringLiteral("OPTSUTE"),   QStringLiteral("NOUASUTE")};

[[noreturn]] void InAfaraIntervalului(qint64 n, const char* interval, bool seAfla = false) {
    throw Eroare(QStringLiteral("Numarul %1 %2 in intervalul %3")
                     .arg(n)
                     .arg(seAfla ? QStringLiteral("nu se afla") : QStringLiteral("nu este"))
                     .arg(QLatin1String(interval)));
}

QString Cifra(qint64 cifra, bool feminin) {
    if (cifra < 0 || cifra > 9)
        throw Eroare(QStringLiteral("cifrele sunt de la 0 la 9 -> %1").arg(cifra));
    return (feminin ? cifreFeminin : cifreMasculin)[cifra];
}

QString Sub100(qint64 n, bool feminin) {
    // A negative number would otherwise index the tables; it is as much out of range as 100.
    if (n < 0 || n >= 100)
        InAfaraIntervalului(n, "0..99");
    if (n < 10)
        return Cifra(n, feminin);
    if (n < 20)
        return numereSprezece[n - 10];
    const QString& zeci = numereZeci[n / 10 - 2];
    if (n % 10 == 0)
        return zeci;
    return zeci + QStringLiteral("SI") + Cifra(n % 10, feminin);
}

QString Sub1000(qint64 n, bool feminin) {
    if (n < 0 || n >= 1000)
        InAfaraIntervalului(n, "0..999", true);
    if (n < 100)
        return Sub100(n, feminin);
    QString rezultat = sute[n / 100 - 1];
    if (n % 100 != 0)
        rezultat += Sub100(n % 100, feminin);
    return rezultat;
}
} // namespace

QString NotaInLitere(int notaX100, int mod) {
    // Grades are never negative; one that is would index the tables, so it reads as 0.
    const int g = qMax(notaX100, 0);
    const int i = g / 100, f = g % 100;
    QString w = i <= 10 ? cuvinteNota[i] : QString();
    QString p = w;
    bool zecimaleInLitere = false;
    if (i != 10 && f != 0) {
        p = w + QStringLiteral(", ") + QStringLiteral("%1").arg(f, 2, 10, QLatin1Char('0'));
        w = w + QStringLiteral(", ") + ZecimaleNotaInLitere(f);
        zecimaleInLitere = true;
    }
    switch (mod) {
    case 1:
        return u'(' + w + u')';
    case 2:
        return u'(' + p + u')';
    case 3:
        return u'(' + p + (zecimaleInLitere ? QStringLiteral("%)") : QStringLiteral(")"));
    default:
        return {};
    }
}

QString FormateazaValoare(int zecimale, qint64 valoare) {
    // The magnitude is unsigned so that the smallest 64-bit value has one too.
    const bool negativ = valoare < 0;
    const quint64 absolut = negativ ? quint64(0) - quint64(valoare) : quint64(valoare);
    const QString cifre = QString::number(absolut / 10000);
    QString rezultat;
    for (qsizetype k = 0; k < cifre.size(); ++k) {
        if (k > 0 && (cifre.size() - k) % 3 == 0)
            rezultat += u'.';
        rezultat += cifre.at(k);
    }
    if (zecimale > 0) {
        const QString fractie = QStringLiteral("%1").arg(absolut % 10000, 4, 10, QLatin1Char('0'));
        rezultat += u',' + fractie.left(zecimale);
    }
    return negativ ? u'-' + rezultat : rezultat;
}

QString CifraInLitere(qint64 cifra) {
    return Cifra(cifra, false);
}

QString CifraInLitereFeminin(qint64 cifra) {
    return Cifra(cifra, true);
}

QString NumarSub100(qint64 n) {
    return Sub100(n, false);
}

QString NumarSub100Feminin(qint64 n) {
    return Sub100(n, true);
}

QString NumarSub1000(qint64 n) {
    return Sub1000(n, false);
}

QString NumarSub1000Feminin(qint64 n) {
    return Sub1000(n, true);
}

QString NumarSubMilion(qint64 n) {
    const qint64 mii = n / 1000, rest = n % 1000;
    // A negative count of thousands would word nothing at all.
    if (mii >= 1000 || mii < 0)
        InAfaraIntervalului(n, "0..999999");
    if (mii == 0)
        return NumarSub1000(rest);
    QString rezultat =
        mii == 1 ? QStringLiteral("UNAMIE") : NumarSub1000Feminin(mii) + QStringLiteral("MII");
    if (rest != 0)
        rezultat += NumarSub1000(rest);
    return rezultat;
}

QString NumarInLitere(qint64 n) {
    const qint64 milioane = n / 1000000, rest = n % 1000000;
    if (milioane == 0)
        return NumarSubMilion(rest);
    QString rezultat = NumarSub1000Feminin(milioane) + QStringLiteral("MILIOANE");
    if (rest != 0)
        rezultat += NumarSubMilion(rest);
    return rezultat;
}

QString ConvertesteDiacritice(const QString& text) {
    QString rezultat;
    rezultat.reserve(text.size());
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text.at(k);
        if (c != u'@') {
            rezultat += c;
            continue;
        }
        if (++k >= text.size())
            break; // a final lone "@"
        switch (text.at(k).unicode()) {
        case u'A':
            rezultat += QChar(0x0102);
            break; // Ă
        case u'a':
            rezultat += QChar(0x0103);
            break; // ă
        case u'H':
            rezultat += QChar(0x00C2);
            break; // Â
        case u'h':
            rezultat += QChar(0x00E2);
            break; // â
        case u'I':
            rezultat += QChar(0x00CE);
            break; // Î
        case u'i':
            rezultat += QChar(0x00EE);
            break; // î
        case u'S':
            rezultat += QChar(0x015E);
            break; // Ş
        case u's':
            rezultat += QChar(0x015F);
            break; // ş
        case u'T':
            rezultat += QChar(0x0162);
            break; // Ţ
        case u't':
            rezultat += QChar(0x0163);
            break; // ţ
        case u'@':
            rezultat += u'@';
            break;
        default:
            break; // an unknown escape produces nothing
        }
    }
    return rezultat;
}

namespace {
// Lower case paired with upper case: ă, ş and ţ in both the cedilla and the comma-below forms.
constexpr std::array<std::pair<char16_t, char16_t>, 5> pereche = {
    {{0x0103, 0x0102}, {0x015F, 0x015E}, {0x0163, 0x0162}, {0x0219, 0x0218}, {0x021B, 0x021A}}};

QString SchimbaLitere(const QString& text, bool inMari) {
    QString rezultat = text;
    for (QChar& c : rezultat) {
        const char16_t u = c.unicode();
        if (inMari && u >= u'a' && u <= u'z')
            c = QChar(u - u'a' + u'A');
        else if (!inMari && u >= u'A' && u <= u'Z')
            c = QChar(u - u'A' + u'a');
        else
            for (const auto& [mica, mare] : pereche)
                if (u == (inMari ? mica : mare))
                    c = QChar(inMari ? mare : mica);
    }
    return rezultat;
}
} // namespace

QString LitereMari(const QString& text) {
    return SchimbaLitere(text, true);
}

QString LitereMici(const QString& text) {
    return SchimbaLitere(text, false);
}

QString CompleteazaLaDreapta(const QString& text, int lungime, QChar caracter) {
    if (text.size() >= lungime)
        return text;
    return text + QString(lungime - text.size(), caracter);
}

bool CNPValid(const QString& text) {
    if (text.size() != 13)
        return false;
    int cifre[13];
    for (int k = 0; k < 13; ++k) {
        // Only the ASCII digits: QChar::isDigit would also take other scripts' digits.
        if (!EsteCifra(text.at(k)))
            return false;
        cifre[k] = text.at(k).unicode() - u'0';
    }
    if (cifre[0] != 1 && cifre[0] != 2 && cifre[0] != 5 && cifre[0] != 6)
        return false;
    const int an2 = cifre[1] * 10 + cifre[2];
    const int luna = cifre[3] * 10 + cifre[4];
    const int zi = cifre[5] * 10 + cifre[6];
    const int an = an2 > 4 ? 1900 + an2 : 2000 + an2;
    if (!QDate::isValid(an, luna, zi))
        return false;
    static constexpr int ponderi[12] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
    int suma = 0;
    for (int k = 0; k < 12; ++k)
        suma += cifre[k] * ponderi[k];
    const int rest = suma % 11;
    return cifre[12] == (rest == 10 ? 1 : rest);
}
