#include "Ajutor.h"
#include "util/Ferestre.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

void PrintTo(const QRect& r, std::ostream* os) {
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << "x" << r.height() << ")";
}

namespace {
TEST(Ferestre, CentrareaInZonaDeLucru) {
    const struct {
        const char* nume;
        QRect zonaLucru, fereastra, asteptat;
    } cazuri[] = {
        {"1920x1200 cu bara jos", QRect(0, 0, 1920, 1160), QRect(7, 9, 800, 600),
         QRect(560, 280, 800, 600)},
        {"diferenta impara trunchiata", QRect(0, 0, 1920, 1080), QRect(0, 0, 801, 601),
         QRect(559, 239, 801, 601)},
        {"al doilea ecran, bara sus", QRect(1920, 40, 1920, 1040), QRect(0, 0, 400, 300),
         QRect(2680, 410, 400, 300)},
        {"mai mare decat zona", QRect(1920, 40, 1920, 1040), QRect(0, 0, 2500, 1300),
         QRect(1920, 40, 2500, 1300)},
        {"mai lata doar", QRect(0, 0, 1024, 738), QRect(0, 0, 1100, 500), QRect(0, 119, 1100, 500)},
    };
    for (const auto& caz : cazuri)
        EXPECT_EQ(GeometrieCentrata(caz.zonaLucru, caz.fereastra), caz.asteptat) << caz.nume;
}

TEST(Ferestre, CandSeUmpleEcranul) {
    const struct {
        const char* nume;
        QRect ecran, zonaLucru;
        std::optional<QRect> asteptat;
    } cazuri[] = {
        {"1920x1200", QRect(0, 0, 1920, 1200), QRect(0, 0, 1920, 1160), std::nullopt},
        {"2560x1440", QRect(0, 0, 2560, 1440), QRect(0, 0, 2560, 1400), std::nullopt},
        {"1920x1080", QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040), QRect(15, 15, 1890, 1010)},
        {"1920x1080 in dreapta", QRect(1920, 0, 1920, 1080), QRect(1920, 30, 1920, 1050),
         QRect(1935, 45, 1890, 1020)},
        {"portret 1200x1920", QRect(0, 0, 1200, 1920), QRect(0, 0, 1200, 1880),
         QRect(15, 15, 1170, 1850)},
    };
    for (const auto& caz : cazuri)
        EXPECT_EQ(GeometrieUmplere(caz.ecran, caz.zonaLucru), caz.asteptat) << caz.nume;

    const QRect zona(0, 0, 1920, 1040);
    EXPECT_TRUE(TrebuieUmplut(zona, QRect(0, 0, 1909, 1029)));
    EXPECT_FALSE(TrebuieUmplut(zona, QRect(0, 0, 1908, 1029)));
    EXPECT_FALSE(TrebuieUmplut(zona, QRect(0, 0, 1909, 1028)));
}

// Two simulated screens side by side: 1920x1200 on the left, 1920x1080 on the right.
class FerestreLaEcrane : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
        fereastra_ = std::make_unique<QWidget>();
        fereastra_->resize(800, 600);
    }

    bool Maximizata() const { return fereastra_->windowState().testFlag(Qt::WindowMaximized); }

    std::unique_ptr<QWidget> fereastra_;
};

TEST_F(FerestreLaEcrane, PeEcranMareFereastraDoarSeCentreaza) {
    QCursor::setPos(500, 500);
    UmpleEcranul(fereastra_.get());
    EXPECT_EQ(fereastra_->geometry(), QRect(560, 300, 800, 600));
    fereastra_->show();
    QTest::qWait(50);
    EXPECT_FALSE(Maximizata());
}

TEST_F(FerestreLaEcrane, PeEcranMicFereastraUmpleSiSeMaximizeazaLaAfisare) {
    QCursor::setPos(2500, 500);
    UmpleEcranul(fereastra_.get());
    EXPECT_EQ(fereastra_->geometry(), QRect(1935, 15, 1890, 1050));
    QTest::qWait(50);
    EXPECT_FALSE(Maximizata()); // not while hidden
    fereastra_->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Maximizata(); }, 2000));
}

TEST_F(FerestreLaEcrane, CentrareaFolosesteEcranulCursorului) {
    QCursor::setPos(3000, 100);
    CentreazaFereastra(fereastra_.get(), false);
    EXPECT_EQ(fereastra_->geometry(), QRect(1920 + 560, 240, 800, 600));
    QCursor::setPos(100, 100);
    CentreazaFereastra(fereastra_.get(), false);
    EXPECT_EQ(fereastra_->geometry(), QRect(560, 300, 800, 600));

    // A cursor on no screen means the primary one, whichever the platform made primary.
    const QRect primar = QGuiApplication::primaryScreen()->availableGeometry();
    QCursor::setPos(primar.left() == 0 ? 3000 : 100, 100);
    CentreazaFereastra(fereastra_.get(), false);
    ASSERT_FALSE(primar.contains(fereastra_->geometry()));
    QCursor::setPos(-5000, -5000);
    CentreazaFereastra(fereastra_.get(), false);
    EXPECT_EQ(fereastra_->geometry(), GeometrieCentrata(primar, QRect(0, 0, 800, 600)));
    EXPECT_TRUE(primar.contains(fereastra_->geometry()));
}

TEST_F(FerestreLaEcrane, OFereastraCatZonaSePoateUmpleLaCerere) {
    QCursor::setPos(3000, 100);
    fereastra_->resize(1915, 1075);
    CentreazaFereastra(fereastra_.get(), false);
    EXPECT_EQ(fereastra_->geometry(), QRect(1922, 2, 1915, 1075));

    CentreazaFereastra(fereastra_.get(), true);
    EXPECT_EQ(fereastra_->geometry(), QRect(1935, 15, 1890, 1050));
    fereastra_->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Maximizata(); }, 2000));
}
} // namespace

int main(int argc, char** argv) {
    QTemporaryDir dosar;
    const QString config = dosar.filePath(QStringLiteral("ecrane.json"));
    QFile fisier(config);
    if (!fisier.open(QIODevice::WriteOnly))
        return 2;
    fisier.write(R"({"windowFrameMargins": false, "screens": [
        {"name": "stanga", "x": 0, "y": 0, "width": 1920, "height": 1200, "logicalDpi": 96},
        {"name": "dreapta", "x": 1920, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96}
    ]})");
    fisier.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication aplicatie(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
