#pragma once

#include <QMainWindow>

class QAction;
class TListaElevi;

// The main window: the menu of configuration, import and help commands over the student list.
class TCertalivMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TCertalivMain(QWidget* parent = nullptr);

    TListaElevi* ListaElevi;
    QAction* Configurarediploma1;
    QAction* Configurarescoala1;
    QAction* Configurarenota1;
    QAction* Configurareimprimanta2;
    QAction* ImportdinExcel1;
    QAction* Desprenoi1;

    void Configurarescoala1Click();
    void Configurarenota1Click();
    void Configurareimprimanta2Click();
};
