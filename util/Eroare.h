#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Every failure of the program travels as an Eroare carrying the message the user reads.
class Eroare : public std::exception {
public:
    explicit Eroare(QString mesaj);

    const QString& Mesaj() const noexcept { return mesaj_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString mesaj_;
    QByteArray utf8_;
};

// The text to show for any exception caught by a general handler.
QString MesajExceptie(const std::exception& e);
