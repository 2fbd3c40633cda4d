#include "Ajutor.h"
#include "util/Culori.h"

namespace {
TEST(Culori, AjustareaLimiteazaFiecareComponenta) {
    const struct {
        QColor culoare;
        int dR, dG, dB;
        QColor asteptat;
    } cazuri[] = {
        {QColor(100, 150, 200), -20, -20, 0, QColor(80, 130, 200)},
        {QColor(10, 5, 250), -20, 0, 20, QColor(0, 5, 255)},
        {QColor(255, 255, 255), 20, 20, 20, QColor(255, 255, 255)},
        {QColor(0, 0, 0), -10, -10, 0, QColor(0, 0, 0)},
        {QColor(Qt::red), 0, -10, -10, QColor(255, 0, 0)},
    };
    for (const auto& caz : cazuri)
        EXPECT_EQ(AjusteazaCuloare(caz.culoare, caz.dR, caz.dG, caz.dB), caz.asteptat)
            << caz.culoare.name().toStdString();

    // A colour in another spec is converted to RGB before the offsets apply.
    const TComponenteRgb c = ComponenteCuloare(QColor::fromHsv(240, 255, 255));
    EXPECT_EQ(c.rosu, 0);
    EXPECT_EQ(c.verde, 0);
    EXPECT_EQ(c.albastru, 255);
}

TEST(Culori, HsvDupaModelulHexcon) {
    const struct {
        QColor culoare;
        double h, s, v;
    } cazuri[] = {
        {QColor(255, 0, 0), 0, 1, 1},
        {QColor(0, 255, 0), 1.0 / 3, 1, 1},
        {QColor(0, 0, 255), 2.0 / 3, 1, 1},
        {QColor(255, 0, 255), 5.0 / 6, 1, 1}, // negative hue wrapped into 0..1
        {QColor(255, 255, 0), 1.0 / 6, 1, 1}, // red and green equal: hue from red
        {QColor(128, 128, 128), 0, 0, 128 / 255.0},
        {QColor(0, 0, 0), 0, 0, 0},
    };
    for (const auto& caz : cazuri) {
        const TCuloareHsv hsv = RgbInHsv(caz.culoare);
        EXPECT_NEAR(hsv.nuanta, caz.h, 1e-9) << caz.culoare.name().toStdString();
        EXPECT_NEAR(hsv.saturatie, caz.s, 1e-9) << caz.culoare.name().toStdString();
        EXPECT_NEAR(hsv.valoare, caz.v, 1e-9) << caz.culoare.name().toStdString();
    }
}

TEST(Culori, HsvSiInapoiDaAceeasiCuloare) {
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 51) {
                const QColor c(r, g, b);
                ASSERT_EQ(HsvInRgb(RgbInHsv(c)), c) << r << "," << g << "," << b;
            }
    // A hue of exactly 1 is the same as 0.
    EXPECT_EQ(HsvInRgb({1.0, 1.0, 1.0}), QColor(255, 0, 0));
}

TEST(Culori, DegradeulAreUnPasInPlus) {
    const QList<QColor> culori = Degrade(QColor(0, 0, 0), QColor(255, 255, 255), 4);
    ASSERT_EQ(culori.size(), 5);
    EXPECT_EQ(culori.first(), QColor(0, 0, 0));
    // Colour k weighs (N + 1 - k) parts of the first and k of the second: the last one is 4/5 of
    // the way.
    EXPECT_EQ(culori.at(4), QColor(204, 204, 204));
    for (int k = 1; k < culori.size(); ++k)
        EXPECT_GT(culori.at(k).red(), culori.at(k - 1).red());

    EXPECT_EQ(Degrade(Qt::red, Qt::blue, 0), QList<QColor>{QColor(255, 0, 0)});
    EXPECT_TRUE(Degrade(Qt::red, Qt::blue, -1).isEmpty());
}

TEST(Culori, MaximMinimSiCaractere) {
    EXPECT_EQ(Maxim(3, -7), 3);
    EXPECT_EQ(Minim(3, -7), -7);
    const struct {
        QChar c;
        bool cifra, litera;
    } cazuri[] = {{u'0', true, false},  {u'9', true, false},          {u'a', false, true},
                  {u'Z', false, true},  {u' ', false, false},         {u'@', false, false},
                  {u'[', false, false}, {QChar(0x0103), false, false}};
    for (const auto& caz : cazuri) {
        EXPECT_EQ(EsteCifra(caz.c), caz.cifra) << QString(caz.c);
        EXPECT_EQ(EsteLitera(caz.c), caz.litera) << QString(caz.c);
        EXPECT_EQ(EsteAlfanumeric(caz.c), caz.cifra || caz.litera) << QString(caz.c);
    }
    EXPECT_TRUE(InMultime(u',', u"0123456789,-"));
    EXPECT_FALSE(InMultime(u'.', u"0123456789,-"));
    EXPECT_FALSE(InMultime(u'a', u""));
}
} // namespace
