#include "Ajutor.h"
#include "AjutorStore.h"

#include <QElapsedTimer>

namespace {
const std::vector<TLinieProfilDiploma> ProfilSimplu = {
    LinieTest(QStringLiteral("NUME"), QStringLiteral("ELEVI")),
    LinieTest(QStringLiteral("CNP"), QStringLiteral("ELEVI"), {}, QStringLiteral("DA"),
              QStringLiteral("CNP")),
    LinieTest(QStringLiteral("SCOALA"), QStringLiteral("SCOALA")),
};

TEST(PornireDM, PrimaPornireDinSablon) {
    TDosarProgramTest dosar(ProfilSimplu);
    QElapsedTimer ceas;
    ceas.start();
    {
        TDM dm;
        EXPECT_EQ(dm.CaleBazaDeDate(), dosar.CaleBazaDeDate());
        EXPECT_EQ(Scalar(QStringLiteral("SELECT VERSIUNE FROM CONFID_DB")).toInt(), 3);
        std::printf("pornire %lld ms\n", ceas.restart());
    }
    std::printf("inchidere %lld ms\n", ceas.restart());
}
} // namespace
