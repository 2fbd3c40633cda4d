#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Tests never need a display; widgets are painted off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicatie(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
