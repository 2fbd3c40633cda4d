#include "Ajutor.h"
#include "app/Aplicatie.h"
#include "app/CertalivMain.h"
#include "app/Pornire.h"

#include <QPushButton>
#include <QTest>

namespace {
TEST(Pornire, FereastraPrincipala) {
    auto program = CreeazaProgramul();
    ASSERT_TRUE(program->FereastraPrincipala);
    EXPECT_EQ(program->FereastraPrincipala->windowTitle(), QStringLiteral("Certaliv"));
    program->FereastraPrincipala->show();
    EXPECT_TRUE(program->FereastraPrincipala->close());
}

// A widget whose click handler fails like any handler of the program may.
class ButonCareEsueaza : public QPushButton {
public:
    ButonCareEsueaza() {
        connect(this, &QPushButton::clicked, this,
                [] { throw Eroare(QStringLiteral("Va rog selectati un elev!")); });
    }
};

TEST(Pornire, EroareaUnuiHandlerEsteAratataSiFereastraRamane) {
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Certaliv"));

    MesajeInregistrate mesaje;
    ButonCareEsueaza buton;
    buton.show();
    QTest::mouseClick(&buton, Qt::LeftButton);
    EXPECT_EQ(mesaje.Texte, QStringList{QStringLiteral("Va rog selectati un elev!")});
    EXPECT_TRUE(buton.isVisible());
    QTest::mouseClick(&buton, Qt::LeftButton);
    EXPECT_EQ(mesaje.Texte.size(), 2);
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own application object, with its general error handler.
    TAplicatie aplicatie(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
