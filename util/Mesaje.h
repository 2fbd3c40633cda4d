#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// Every message box of the program goes through here, so tests can answer it and read its text.
using FunctieMesaj = std::function<QMessageBox::StandardButton(
    QWidget* parinte, QMessageBox::Icon icon, const QString& text,
    QMessageBox::StandardButtons butoane)>;

QMessageBox::StandardButton ArataMesaj(QWidget* parinte, QMessageBox::Icon icon,
                                       const QString& text,
                                       QMessageBox::StandardButtons butoane = QMessageBox::Ok);

// Asks Yes/No; true for Yes.
bool IntreabaDaNu(QWidget* parinte, const QString& text);

// Replaces the message boxes (an empty function restores the real ones); returns the previous.
FunctieMesaj InlocuiesteMesaje(FunctieMesaj functie);
