#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

class QSettings;

// A key of the current user's settings store, the way the program knew the registry: paths like
// "Software\Firma\Produs", named values that are either strings or 32-bit numbers.
// Opening a key creates it. Writes reach the store when the key object is destroyed.
class TCheieRegistru {
public:
    explicit TCheieRegistru(const QString& cale);
    ~TCheieRegistru();
    TCheieRegistru(const TCheieRegistru&) = delete;
    TCheieRegistru& operator=(const TCheieRegistru&) = delete;

    enum class TipValoare { Lipsa, Text, Numar };
    TipValoare Tip(const QString& nume) const;

    // The stored value, or nothing when absent or of the other type.
    std::optional<QString> CitesteText(const QString& nume) const;
    std::optional<qint32> CitesteNumar(const QString& nume) const;

    void ScrieText(const QString& nume, const QString& valoare);
    void ScrieNumar(const QString& nume, qint32 valoare);

    bool ExistaCheia() const;

private:
    QString Cheie(const QString& nume) const;

    QString grup_;
    std::unique_ptr<QSettings> setari_;
};

// The file that holds the store; tests point it at a temporary file (empty: the user's own).
QString FisierRegistru();
void SeteazaFisierRegistru(const QString& fisier);
