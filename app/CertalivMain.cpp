#include "app/CertalivMain.h"

#include "app/ListaElevi.h"
#include "entry/ListaGenerica.h"
#include "print/PrintWiz.h"
#include "settings/EditorConfigGlobal.h"
#include "util/Ferestre.h"

#include <QMenuBar>

TCertalivMain::TCertalivMain(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("CertalivMain"));
    setWindowTitle(QStringLiteral("Certaliv"));
    resize(870, 640);

    QMenu* configurare = menuBar()->addMenu(QStringLiteral("Configurare"));
    Configurarediploma1 = configurare->addAction(QStringLiteral("Configurare diploma"));
    Configurarescoala1 = configurare->addAction(QStringLiteral("Configurare scoala"));
    configurare->addSeparator();
    Configurarenota1 = configurare->addAction(QStringLiteral("Configurare nota"));
    Configurareimprimanta2 = configurare->addAction(QStringLiteral("Configurare imprimanta"));
    QMenu* preluare = menuBar()->addMenu(QStringLiteral("Preluare date"));
    ImportdinExcel1 = preluare->addAction(QStringLiteral("Import din Excel"));
    QMenu* ajutor = menuBar()->addMenu(QStringLiteral("Ajutor"));
    Desprenoi1 = ajutor->addAction(QStringLiteral("Despre noi"));

    // Commands whose windows are not part of this version stay visible but disabled.
    for (QAction* comanda : {Configurarediploma1, ImportdinExcel1, Desprenoi1})
        comanda->setEnabled(false);
    connect(Configurarescoala1, &QAction::triggered, this, &TCertalivMain::Configurarescoala1Click);
    connect(Configurarenota1, &QAction::triggered, this, &TCertalivMain::Configurarenota1Click);
    connect(Configurareimprimanta2, &QAction::triggered, this,
            &TCertalivMain::Configurareimprimanta2Click);

    UmpleEcranul(this);
    ListaElevi = new TListaElevi(this);
    setCentralWidget(ListaElevi);
    ListaElevi->IncarcaElevi();
}

void TCertalivMain::Configurarescoala1Click() {
    TListaGenerica lista(this);
    lista.setWindowTitle(QStringLiteral("Configurare scoala"));
    lista.NumeTabel = QStringLiteral("SCOALA");
    lista.Reincarca();
    lista.exec();
}

void TCertalivMain::Configurarenota1Click() {
    TEditorConfigGlobal fereastra(this);
    fereastra.exec();
}

void TCertalivMain::Configurareimprimanta2Click() {
    TPrintWiz fereastra(this);
    fereastra.Executa();
}
