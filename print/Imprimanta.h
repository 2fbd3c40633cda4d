#pragma once

#include <QStringList>
#include <memory>

class QPrinter;

// The system's printers as the program sees them. Tests put their own in place, which
// "print" into PDF files.
class TSistemImprimante {
public:
    virtual ~TSistemImprimante() = default;
    // Printer names in the system's order.
    virtual QStringList Nume() const;
    virtual QString Implicita() const;
    // Points `imprimanta` at the printer named `nume`.
    virtual void Selecteaza(QPrinter& imprimanta, const QString& nume) const;
};

const TSistemImprimante& SistemImprimante();
std::unique_ptr<TSistemImprimante> InlocuiesteSistemImprimante(std::unique_ptr<TSistemImprimante>);

// The application's current printer: the printer recorded by the wizard when it still exists,
// else the system's default. Every print of the program goes through it.
QPrinter& ImprimantaCurenta();
void SeteazaImprimantaCurenta(const QString& nume);
QString NumeImprimantaCurenta();
// Its position in SistemImprimante().Nume(), -1 when it is not there.
int IndexImprimantaCurenta();
// Frees the current printer (at the end of the run, before the application object goes).
void ElibereazaImprimantaCurenta();

// The mode of every print: A4, high resolution, grey scale, portrait or landscape.
void PregatesteImprimanta(bool portret);
