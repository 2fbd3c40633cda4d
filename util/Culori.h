#pragma once

#include <QChar>
#include <QColor>
#include <QList>
#include <QStringView>

// Colours are QColor: they go straight into palettes, brushes and pens. A colour that is not
// RGB (a palette role resolved to another spec) is converted to RGB before any arithmetic.

struct TComponenteRgb {
    int rosu = 0; // 0..255
    int verde = 0;
    int albastru = 0;
};

// Hue, saturation and value, each 0..1.
struct TCuloareHsv {
    double nuanta = 0;
    double saturatie = 0;
    double valoare = 0;
};

TComponenteRgb ComponenteCuloare(const QColor& culoare);

// Adds the offsets to the three components, each clamped to 0..255.
QColor AjusteazaCuloare(const QColor& culoare, int dRosu, int dVerde, int dAlbastru);

TCuloareHsv RgbInHsv(const QColor& culoare);
QColor HsvInRgb(const TCuloareHsv& hsv);

// pasi + 1 colours interpolated in HSV from culoare1 toward culoare2; none for negative pasi.
QList<QColor> Degrade(const QColor& culoare1, const QColor& culoare2, int pasi);

int Maxim(int a, int b);
int Minim(int a, int b);

bool EsteCifra(QChar c);
bool EsteLitera(QChar c); // ASCII letters only
bool EsteAlfanumeric(QChar c);
// Whether c is one of the characters of `multime`.
bool InMultime(QChar c, QStringView multime);
