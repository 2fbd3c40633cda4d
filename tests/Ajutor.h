#pragma once

#include "util/Eroare.h"
#include "util/Mesaje.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

// Lets gtest print QStrings in failure messages.
inline std::ostream& operator<<(std::ostream& os, const QString& text) {
    return os << text.toStdString();
}
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text;
}

// Answers every message box with `raspuns` and records its text, while it lives.
class MesajeInregistrate {
public:
    explicit MesajeInregistrate(QMessageBox::StandardButton raspuns = QMessageBox::Ok);
    ~MesajeInregistrate();

    QStringList Texte;

private:
    FunctieMesaj anterior_;
};

// Runs `actiune` and returns the message of the Eroare it throws ("" when none).
template <class F> QString MesajulErorii(F&& actiune) {
    try {
        actiune();
    } catch (const Eroare& e) {
        return e.Mesaj();
    }
    return {};
}
