#include "Ajutor.h"
#include "app/Aplicatie.h"
#include "app/CertalivMain.h"
#include "app/Pornire.h"
#include "app/cil/PluginuriCIL.h"
#include "settings/InfoGlobal.h"
#include "settings/RegistruUtilizator.h"
#include "store/DM.h"
#include "util/DosarProgram.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A program folder holding what the program ships beside itself, in which the data module makes
// its database.
class DosarProgramTemporar {
public:
    DosarProgramTemporar() {
        for (const char* fisier : {"BLANK.FDB", "CIL2009.binprof"})
            EXPECT_TRUE(QFile::copy(QStringLiteral(CERTALIV_DIR_PROGRAM "/") + fisier,
                                    dosar_.filePath(QString::fromLatin1(fisier))));
        SeteazaDosarProgram(dosar_.path());
        SeteazaFisierRegistru(dosar_.filePath(QStringLiteral("registru.reg")));
    }
    ~DosarProgramTemporar() {
        SeteazaDosarProgram(QString());
        SeteazaFisierRegistru(QString());
    }

private:
    QTemporaryDir dosar_;
};

TEST(Pornire, FereastraPrincipala) {
    DosarProgramTemporar dosar;
    InregistreazaPluginuriCIL();
    auto program = CreeazaProgramul();
    // The data module comes first and outlives the windows.
    ASSERT_TRUE(program->DM);
    EXPECT_TRUE(ExistaDM());
    EXPECT_TRUE(QFile::exists(DosarProgram() + QStringLiteral("/DB/CIL2009.FDB")));
    ASSERT_TRUE(program->FereastraPrincipala);
    EXPECT_EQ(program->FereastraPrincipala->windowTitle(), QStringLiteral("Certaliv"));
    // The default grade formats reach the user's settings at every start.
    EXPECT_EQ(TCheieRegistru(TInfoGlobal2005::CaleCheieGlobal())
                  .CitesteText(QStringLiteral("NotaDiploma")),
              QStringLiteral("NOTA/LITERE"));
    EXPECT_TRUE(program->FereastraPrincipala->Configurarenota1->isEnabled());
    EXPECT_TRUE(program->FereastraPrincipala->Configurareimprimanta2->isEnabled());
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
