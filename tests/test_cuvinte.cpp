#include "Ajutor.h"
#include "util/Cuvinte.h"

namespace {
TEST(Cuvinte, NotaInLitereInCeleTreiModuri) {
    const struct {
        int nota;
        const char *mod1, *mod2, *mod3;
    } cazuri[] = {
        {963, "(NOUĂ, ŞAIZECIŞITREI)", "(NOUĂ, 63)", "(NOUĂ, 63%)"},
        {950, "(NOUĂ, CINCIZECI)", "(NOUĂ, 50)", "(NOUĂ, 50%)"},
        {905, "(NOUĂ, ZEROCINCI)", "(NOUĂ, 05)", "(NOUĂ, 05%)"},
        {712, "(ŞAPTE, DOUASPREZECE)", "(ŞAPTE, 12)", "(ŞAPTE, 12%)"},
        {721, "(ŞAPTE, DOUĂZECIŞIUNU)", "(ŞAPTE, 21)", "(ŞAPTE, 21%)"},
        {700, "(ŞAPTE)", "(ŞAPTE)", "(ŞAPTE)"},
        {1000, "(ZECE)", "(ZECE)", "(ZECE)"},
        {510, "(CINCI, ZECE)", "(CINCI, 10)", "(CINCI, 10%)"},
        {619, "(ŞASE, NOUĂSPREZECE)", "(ŞASE, 19)", "(ŞASE, 19%)"},
        {899, "(OPT, NOUĂZECIŞINOUĂ)", "(OPT, 99)", "(OPT, 99%)"},
        {101, "(UNU, ZEROUNU)", "(UNU, 01)", "(UNU, 01%)"},
        {400, "(PATRU)", "(PATRU)", "(PATRU)"},
    };
    for (const auto& caz : cazuri) {
        EXPECT_EQ(NotaInLitere(caz.nota, 1), QString::fromUtf8(caz.mod1)) << caz.nota;
        EXPECT_EQ(NotaInLitere(caz.nota, 2), QString::fromUtf8(caz.mod2)) << caz.nota;
        EXPECT_EQ(NotaInLitere(caz.nota, 3), QString::fromUtf8(caz.mod3)) << caz.nota;
    }
    // The words are those of code page 1250: cedilla Ş, not the comma-below Ș.
    EXPECT_TRUE(NotaInLitere(600, 1).contains(QChar(0x015E)));
    EXPECT_EQ(NotaInLitere(963, 0), QString());
    EXPECT_EQ(NotaInLitere(963, 4), QString());
}

TEST(Cuvinte, FormateazaValoareTaieZecimalele) {
    const struct {
        int zecimale;
        qint64 valoare;
        const char* text;
    } cazuri[] = {
        {2, 96300, "9,63"},
        {2, 100000, "10,00"},
        {0, 12345670000LL, "1.234.567"},
        {3, 95000, "9,500"},
        {2, 96399, "9,63"}, // cut, never rounded
        {4, 12340012, "1.234,0012"},
        {6, 5, "0,0005"},
        {0, 9999, "0"},
        {2, -1234567891, "-123.456,78"},
        {0, 1230000000, "123.000"},
        {0, 10000000, "1.000"},
        {0, std::numeric_limits<qint64>::min(), "-922.337.203.685.477"},
        {4, std::numeric_limits<qint64>::max(), "922.337.203.685.477,5807"},
    };
    for (const auto& caz : cazuri)
        EXPECT_EQ(FormateazaValoare(caz.zecimale, caz.valoare), QString::fromUtf8(caz.text))
            << caz.valoare;
}

TEST(Cuvinte, NumarInLitere) {
    const struct {
        qint64 n;
        const char* text;
    } cazuri[] = {
        {0, "ZERO"},
        {7, "SAPTE"},
        {12, "DOUASPREZECE"},
        {21, "DOUAZECISIUNU"},
        {60, "SASEZECI"},
        {101, "UNASUTAUNU"},
        {200, "DOUASUTE"},
        {1000, "UNAMIE"},
        {1001, "UNAMIEUNU"},
        {2500, "DOUAMIICINCISUTE"},
        {21000, "DOUAZECISIUNAMII"},
        {1000000, "UNAMILIOANE"},
        {2000000, "DOUAMILIOANE"},
        {2000002, "DOUAMILIOANEDOI"},
        {999999999,
         "NOUASUTENOUAZECISINOUAMILIOANENOUASUTENOUAZECISINOUAMIINOUASUTENOUAZECISINOUA"},
    };
    for (const auto& caz : cazuri)
        EXPECT_EQ(NumarInLitere(caz.n), QString::fromUtf8(caz.text)) << caz.n;

    EXPECT_EQ(CifraInLitereFeminin(2), QStringLiteral("DOUA"));
    EXPECT_EQ(NumarSub100Feminin(31), QStringLiteral("TREIZECISIUNA"));
    EXPECT_EQ(NumarSub1000Feminin(102), QStringLiteral("UNASUTADOUA"));
}

TEST(Cuvinte, NumereInAfaraIntervaluluiDauEroare) {
    const struct {
        const char* nume;
        std::function<QString()> actiune;
        const char* mesaj;
    } cazuri[] = {
        {"negativ", [] { return NumarInLitere(-5); }, "Numarul -5 nu se afla in intervalul 0..999"},
        {"un miliard", [] { return NumarInLitere(1000000000); },
         "Numarul 1000 nu se afla in intervalul 0..999"},
        {"milioane negative", [] { return NumarInLitere(-2000000); },
         "Numarul -2 nu se afla in intervalul 0..999"},
        {"sub milion", [] { return NumarSubMilion(1000000); },
         "Numarul 1000000 nu este in intervalul 0..999999"},
        {"mii negative", [] { return NumarSubMilion(-2000); },
         "Numarul -2000 nu este in intervalul 0..999999"},
        {"sub 1000", [] { return NumarSub1000Feminin(1000); },
         "Numarul 1000 nu se afla in intervalul 0..999"},
        {"sub 100", [] { return NumarSub100(100); }, "Numarul 100 nu este in intervalul 0..99"},
        {"sub 100 negativ", [] { return NumarSub100Feminin(-1); },
         "Numarul -1 nu este in intervalul 0..99"},
        {"cifra", [] { return CifraInLitere(10); }, "cifrele sunt de la 0 la 9 -> 10"},
        {"cifra negativa", [] { return CifraInLitereFeminin(-3); },
         "cifrele sunt de la 0 la 9 -> -3"},
    };
    for (const auto& caz : cazuri)
        EXPECT_EQ(MesajulErorii(caz.actiune), QString::fromUtf8(caz.mesaj)) << caz.nume;
}

TEST(Cuvinte, ConvertesteDiacritice) {
    const struct {
        const char *text, *rezultat;
    } cazuri[] = {
        {"NOU@A", "NOUĂ"},
        {"Rom@hn@a", "Română"},
        {"@Stiin@tele", "Ştiinţele"},
        {"@I@i@H@h@s@T@t@a", "ÎîÂâşŢţă"},
        {"a@xb", "ab"},
        {"x@@y", "x@y"},
        {"@@@", "@"},
        {"capat@", "capat"},
        {"", ""},
        {"fara escape", "fara escape"},
    };
    for (const auto& caz : cazuri)
        EXPECT_EQ(ConvertesteDiacritice(QString::fromUtf8(caz.text)),
                  QString::fromUtf8(caz.rezultat))
            << caz.text;
}

TEST(Cuvinte, LitereMariSiMiciCuAmbeleFormeAleLuiSSiT) {
    const struct {
        const char *mici, *mari;
    } perechi[] = {
        {"nouă, şaizecişitrei", "NOUĂ, ŞAIZECIŞITREI"}, // cedilla
        {"nouă, șaizecișitrei", "NOUĂ, ȘAIZECIȘITREI"}, // comma below
        {"ţ ț", "Ţ Ț"},
        {"12,50 (zece)", "12,50 (ZECE)"},
    };
    for (const auto& p : perechi) {
        EXPECT_EQ(LitereMari(QString::fromUtf8(p.mici)), QString::fromUtf8(p.mari)) << p.mici;
        EXPECT_EQ(LitereMici(QString::fromUtf8(p.mari)), QString::fromUtf8(p.mici)) << p.mari;
    }
    // Â, Î and letters of other languages keep their case.
    EXPECT_EQ(LitereMari(QString::fromUtf8("îâé")), QString::fromUtf8("îâé"));
    EXPECT_EQ(LitereMici(QString::fromUtf8("ÎÂÉ")), QString::fromUtf8("ÎÂÉ"));
    EXPECT_EQ(LitereMici(NotaInLitere(963, 1)), QString::fromUtf8("(nouă, şaizecişitrei)"));
}

TEST(Cuvinte, CompleteazaLaDreapta) {
    EXPECT_EQ(CompleteazaLaDreapta(QStringLiteral("9,5"), 5, u'0'), QStringLiteral("9,500"));
    EXPECT_EQ(CompleteazaLaDreapta(QStringLiteral("10,00"), 3, u'0'), QStringLiteral("10,00"));
    EXPECT_EQ(CompleteazaLaDreapta(QString(), 2, u'?'), QStringLiteral("??"));
    EXPECT_EQ(CompleteazaLaDreapta(QStringLiteral("ab"), -1, u'?'), QStringLiteral("ab"));
}

TEST(Cuvinte, CNPValid) {
    const struct {
        const char* cnp;
        bool valid;
        const char* motiv;
    } cazuri[] = {
        {"1960305123454", true, "valid"},
        {"2960305123456", true, "femeie"},
        {"5001231123458", true, "nascut dupa 2000"},
        {"6040229123458", true, "29 februarie 2004"},
        {"1000229123456", true, "29 februarie 2000"},
        {"1040229123459", true, "04 inseamna 2004, an bisect"},
        {"1960305000021", true, "rest 10, cifra de control 1"},
        {"1960305000020", false, "rest 10 dar cifra de control 0"},
        {"1960305123455", false, "cifra de control gresita"},
        {"196030512345", false, "12 cifre"},
        {"19603051234540", false, "14 cifre"},
        {"19603051234a4", false, "litera"},
        {"", false, "gol"},
        {"3960305123458", false, "incepe cu 3"},
        {"4960305123451", false, "incepe cu 4"},
        {"7960305123455", false, "incepe cu 7"},
        {"8960305123457", false, "incepe cu 8"},
        {"9960305123459", false, "incepe cu 9"},
        {"1960005123453", false, "luna 00"},
        {"1961305123455", false, "luna 13"},
        {"1850431123459", false, "31 aprilie"},
        {"1010229123454", false, "29 februarie 2001"},
        {"1050229123457", false, "05 inseamna 1905, an nebisect"},
    };
    for (const auto& caz : cazuri)
        EXPECT_EQ(CNPValid(QString::fromUtf8(caz.cnp)), caz.valid) << caz.motiv;
    // Digits of other scripts are not digits of a CNP.
    QString arab = QStringLiteral("1960305123454");
    arab[1] = QChar(0x0669);
    EXPECT_FALSE(CNPValid(arab));
}
} // namespace
