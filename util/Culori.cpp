#include "util/Culori.h"

#include <algorithm>
#include <cmath>

namespace {
int Limiteaza(int componenta) {
    return std::clamp(componenta, 0, 255);
}

bool Egale(double a, double b) {
    return std::abs(a - b) < 0.001;
}
} // namespace

TComponenteRgb ComponenteCuloare(const QColor& culoare) {
    const QColor rgb = culoare.toRgb();
    return {rgb.red(), rgb.green(), rgb.blue()};
}

QColor AjusteazaCuloare(const QColor& culoare, int dRosu, int dVerde, int dAlbastru) {
    const TComponenteRgb c = ComponenteCuloare(culoare);
    return QColor(Limiteaza(c.rosu + dRosu), Limiteaza(c.verde + dVerde),
                  Limiteaza(c.albastru + dAlbastru));
}

TCuloareHsv RgbInHsv(const QColor& culoare) {
    const TComponenteRgb c = ComponenteCuloare(culoare);
    const double r = c.rosu / 255.0, g = c.verde / 255.0, b = c.albastru / 255.0;
    const double maxim = std::max({r, g, b});
    const double minim = std::min({r, g, b});
    TCuloareHsv hsv;
    hsv.valoare = maxim;
    if (maxim <= 0 || Egale(maxim, minim))
        return hsv; // grey: no hue, no saturation
    const double delta = maxim - minim;
    hsv.saturatie = delta / maxim;
    double h;
    if (Egale(r, maxim))
        h = (g - b) / delta;
    else if (Egale(g, maxim))
        h = 2 + (b - r) / delta;
    else
        h = 4 + (r - g) / delta;
    h /= 6;
    if (h < 0)
        h += 1;
    if (h >= 1)
        h -= 1;
    hsv.nuanta = h;
    return hsv;
}

QColor HsvInRgb(const TCuloareHsv& hsv) {
    const double v = hsv.valoare, s = hsv.saturatie;
    double r = v, g = v, b = v;
    if (s > 0) {
        const double h6 = hsv.nuanta * 6;
        const double sector = std::floor(h6);
        const double f = h6 - sector;
        const double p = v * (1 - s);
        const double q = v * (1 - s * f);
        const double t = v * (1 - s * (1 - f));
        // A hue of exactly 1 is sector 6, the same as sector 0.
        switch (int(sector) % 6) {
        case 0:
            r = v, g = t, b = p;
            break;
        case 1:
            r = q, g = v, b = p;
            break;
        case 2:
            r = p, g = v, b = t;
            break;
        case 3:
            r = p, g = q, b = v;
            break;
        case 4:
            r = t, g = p, b = v;
            break;
        default:
            r = v, g = p, b = q;
            break;
        }
    }
    auto octet = [](double x) {
        return Limiteaza(int(std::lround(x * 255)));
    };
    return QColor(octet(r), octet(g), octet(b));
}

QList<QColor> Degrade(const QColor& culoare1, const QColor& culoare2, int pasi) {
    QList<QColor> culori;
    if (pasi < 0)
        return culori;
    const TCuloareHsv a = RgbInHsv(culoare1);
    const TCuloareHsv b = RgbInHsv(culoare2);
    const double n = pasi + 1.0;
    auto amesteca = [n](double x, double y, int k) {
        return ((n - k) * x + k * y) / n;
    };
    culori.reserve(pasi + 1);
    for (int k = 0; k <= pasi; ++k)
        culori.append(
            HsvInRgb({amesteca(a.nuanta, b.nuanta, k), amesteca(a.saturatie, b.saturatie, k),
                      amesteca(a.valoare, b.valoare, k)}));
    return culori;
}

int Maxim(int a, int b) {
    return a > b ? a : b;
}

int Minim(int a, int b) {
    return a < b ? a : b;
}

bool EsteCifra(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool EsteLitera(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool EsteAlfanumeric(QChar c) {
    return EsteCifra(c) || EsteLitera(c);
}

bool InMultime(QChar c, QStringView multime) {
    return multime.contains(c);
}
