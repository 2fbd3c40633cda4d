#include "print/Imprimanta.h"

#include "print/SetariImprimanta.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
std::unique_ptr<TSistemImprimante>& Sistem() {
    static std::unique_ptr<TSistemImprimante> sistem = std::make_unique<TSistemImprimante>();
    return sistem;
}

std::unique_ptr<QPrinter>& Curenta() {
    static std::unique_ptr<QPrinter> imprimanta;
    return imprimanta;
}

QString& NumeCurenta() {
    static QString nume;
    return nume;
}
} // namespace

QStringList TSistemImprimante::Nume() const {
    return QPrinterInfo::availablePrinterNames();
}

QString TSistemImprimante::Implicita() const {
    return QPrinterInfo::defaultPrinterName();
}

void TSistemImprimante::Selecteaza(QPrinter& imprimanta, const QString& nume) const {
    imprimanta.setOutputFormat(QPrinter::NativeFormat);
    imprimanta.setPrinterName(nume);
}

const TSistemImprimante& SistemImprimante() {
    return *Sistem();
}

std::unique_ptr<TSistemImprimante>
InlocuiesteSistemImprimante(std::unique_ptr<TSistemImprimante> sistem) {
    Curenta().reset();
    return std::exchange(Sistem(), std::move(sistem));
}

QPrinter& ImprimantaCurenta() {
    if (!Curenta()) {
        Curenta() = std::make_unique<QPrinter>(QPrinter::HighResolution);
        const QStringList nume = SistemImprimante().Nume();
        const QString inregistrata = NumeImprimantaInregistrata();
        NumeCurenta() = nume.contains(inregistrata) && !inregistrata.isEmpty()
                            ? inregistrata
                            : SistemImprimante().Implicita();
        if (!NumeCurenta().isEmpty())
            SistemImprimante().Selecteaza(*Curenta(), NumeCurenta());
    }
    return *Curenta();
}

void SeteazaImprimantaCurenta(const QString& nume) {
    QPrinter& imprimanta = ImprimantaCurenta();
    SistemImprimante().Selecteaza(imprimanta, nume);
    NumeCurenta() = nume;
}

QString NumeImprimantaCurenta() {
    ImprimantaCurenta();
    return NumeCurenta();
}

int IndexImprimantaCurenta() {
    return int(SistemImprimante().Nume().indexOf(NumeImprimantaCurenta()));
}

void ElibereazaImprimantaCurenta() {
    Curenta().reset();
}

void PregatesteImprimanta(bool portret) {
    QPrinter& imprimanta = ImprimantaCurenta();
    imprimanta.setPageOrientation(portret ? QPageLayout::Portrait : QPageLayout::Landscape);
    imprimanta.setPageSize(QPageSize(QPageSize::A4));
    imprimanta.setColorMode(QPrinter::GrayScale);
}
