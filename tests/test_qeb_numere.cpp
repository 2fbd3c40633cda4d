#include "AjutorControale.h"

#include <limits>

namespace {
class QebNumar : public FereastraControale {
protected:
    TQebNumEdit* Numar(int zecimale = 2) {
        auto* numar = Adauga<TQebNumEdit>(400);
        numar->SetNrCifreDupaVirgula(zecimale);
        return numar;
    }
};

TEST_F(QebNumar, TypingKeepsAtMostTheAllowedDecimals) {
    auto* numar = Numar();
    Arata();
    numar->setFocus();
    for (Qt::Key tasta : {Qt::Key_1, Qt::Key_2, Qt::Key_Period, Qt::Key_3, Qt::Key_4, Qt::Key_5})
        QTest::keyClick(numar, tasta);
    EXPECT_EQ(numar->Text(), QStringLiteral("12,34"));
    Tasteaza(numar, QStringLiteral("-x "));
    EXPECT_EQ(numar->Text(), QStringLiteral("12,34"));
}

TEST_F(QebNumar, AcceptsOnlyWellFormedNumbers) {
    auto* numar = Numar();
    Arata();
    const struct {
        const char* text;
        const char* rezultat; // nullptr: refused
    } cazuri[] = {
        {"--1", nullptr},
        {"1-", nullptr},
        {"1,2,3", nullptr},
        {"1.2,3", nullptr},
        {"1a", nullptr},
        {"1 ", nullptr},
        {"1,234", nullptr},
        {"1.5", "1,5"},
        {",5", ",5"},
        {"-", "-"},
        {"", ""},
        {"12345678901234567", "12345678901234567"},
        {"123456789012345678", nullptr},
        {"-1234567890123456", "-1234567890123456"},
        {"-12345678901234567", nullptr},
        {"123456789012345,67", "123456789012345,67"},
        {"1234567890123456,7", "1234567890123456,7"},
        {"1234567890123456,78", nullptr},
    };
    for (const auto& caz : cazuri) {
        SCOPED_TRACE(caz.text);
        numar->SetText(QStringLiteral("5"));
        numar->SetText(QString::fromLatin1(caz.text));
        EXPECT_EQ(numar->Text(),
                  caz.rezultat ? QString::fromLatin1(caz.rezultat) : QStringLiteral("5"));
    }
}

TEST_F(QebNumar, ReadsTruncateAndNeverRound) {
    auto* numar = Numar(4);
    const struct {
        const char* text;
        qint64 faraZecimale, cuDoua, cuPatru, cuDoiPatru;
    } cazuri[] = {
        {"7,5", 7, 750, 75000, 75000},
        {"7", 7, 700, 70000, 70000},
        {"-0,05", 0, -5, -500, -500},
        {"12,3456", 12, 1234, 123456, 123400},
        {"-3,999", -3, -399, -39990, -39900},
        {",5", 0, 50, 5000, 5000},
        {"-", 0, 0, 0, 0},
        {"", 0, 0, 0, 0},
    };
    for (const auto& caz : cazuri) {
        SCOPED_TRACE(caz.text);
        numar->SetText(QString::fromLatin1(caz.text));
        ASSERT_EQ(numar->Text(), QString::fromLatin1(caz.text));
        EXPECT_EQ(numar->FaraZecimale(), caz.faraZecimale);
        EXPECT_EQ(numar->CuDouaZecimale(), caz.cuDoua);
        EXPECT_EQ(numar->CuPatruZecimale(), caz.cuPatru);
        EXPECT_EQ(numar->CuDoiPatruZecimale(), caz.cuDoiPatru);
        EXPECT_EQ(numar->AsCurrency(), caz.cuPatru);
    }
}

TEST_F(QebNumar, WritesGoThroughTheTextRules) {
    enum Proprietate { FaraZecimale, CuDoua, CuPatru, CuDoiPatru, Moneda };
    const struct {
        Proprietate proprietate;
        int zecimale;
        qint64 valoare;
        const char* text; // "1" means refused: the text stays
    } cazuri[] = {
        {FaraZecimale, 2, -42, "-42"},
        {CuDoua, 2, 700, "7"},
        {CuDoua, 2, 750, "7,50"},
        {CuDoua, 2, 5, "0,05"},
        {CuDoua, 2, -150, "-1,50"},
        {CuDoua, 2, -50, "-0,50"},
        {CuDoua, 0, 750, "1"},
        {CuDoua, 2, std::numeric_limits<qint64>::min(), "1"}, // too many characters
        {CuPatru, 4, 12345, "1,2345"},
        {CuPatru, 4, -5, "-0,0005"},
        {CuPatru, 2, 12345, "1"},
        {CuDoiPatru, 2, 123456, "12,34"},
        {CuDoiPatru, 2, -123400, "-12,34"},
        {Moneda, 2, 99990, "9,99"},
        {Moneda, 2, 50000, "5,00"},
        {Moneda, 2, -25000, "-2,50"},
        {Moneda, 1, 50000, "1"},
    };
    auto* numar = Numar();
    for (const auto& caz : cazuri) {
        SCOPED_TRACE(caz.valoare);
        numar->SetNrCifreDupaVirgula(4);
        numar->SetText(QStringLiteral("1"));
        numar->SetNrCifreDupaVirgula(caz.zecimale);
        switch (caz.proprietate) {
        case FaraZecimale:
            numar->SetFaraZecimale(caz.valoare);
            break;
        case CuDoua:
            numar->SetCuDouaZecimale(caz.valoare);
            break;
        case CuPatru:
            numar->SetCuPatruZecimale(caz.valoare);
            break;
        case CuDoiPatru:
            numar->SetCuDoiPatruZecimale(caz.valoare);
            break;
        case Moneda:
            numar->SetAsCurrency(caz.valoare);
            break;
        }
        EXPECT_EQ(numar->Text(), QString::fromLatin1(caz.text));
    }
}

TEST_F(QebNumar, ScaledReadThatDoesNotFitIsAnError) {
    auto* numar = Numar(0);
    numar->SetText(QStringLiteral("99999999999999999"));
    EXPECT_EQ(numar->FaraZecimale(), 99999999999999999);
    EXPECT_EQ(MesajulErorii([&] { numar->CuDouaZecimale(); }),
              QStringLiteral("Numarul 99999999999999999 este prea mare"));
    numar->SetNrCifreDupaVirgula(2);
    numar->SetText(QStringLiteral("999999999999999,99"));
    EXPECT_EQ(numar->CuDouaZecimale(), 99999999999999999);
    EXPECT_EQ(MesajulErorii([&] { numar->CuDoiPatruZecimale(); }),
              QStringLiteral("Numarul 999999999999999,99 este prea mare"));
}
} // namespace
