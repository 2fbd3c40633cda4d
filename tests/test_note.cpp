#include "Ajutor.h"
#include "util/Note.h"

namespace {
TEST(Note, NotaDinText) {
    const struct {
        const char* text;
        qint64 valoare;
    } cazuri[] = {{"9,5", 95000},  {"10", 100000},   {"7,456", 74500},
                  {"8a,5", 80000}, {"9.5.3", 95000}, {"", 0},
                  {"abc", 0},      {",75", 7500},    {"9,05", 90500}};
    for (const auto& caz : cazuri)
        EXPECT_EQ(NotaDinText(QString::fromUtf8(caz.text)), caz.valoare) << caz.text;
}

TEST(Note, EsteNotaValida) {
    const struct {
        const char* text;
        bool nota;
    } cazuri[] = {{"9,50", true},   {"10", true},     {"5", true},      {"7.25", true},
                  {"9 ,5", true},   {"4,99", false},  {"10,01", false}, {"100", false},
                  {"9,505", false}, {"9,5,0", false}, {"", false},      {"FB", false}};
    for (const auto& caz : cazuri)
        EXPECT_EQ(EsteNotaValida(QString::fromUtf8(caz.text)), caz.nota) << caz.text;
}
} // namespace
