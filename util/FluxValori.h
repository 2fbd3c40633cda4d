#pragma once

#include "util/Eroare.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// The tagged binary value format of the profile and customization files: a one-byte tag,
// then the value. Integers: 2 (int8), 3 (int16 LE), 4 (int32 LE). Texts: 6 (byte length,
// CP1250), 12 (int32 length, CP1250), 18 (int32 count of UTF-16LE units), 20 (int32 length,
// UTF-8).
namespace TagValoare {
constexpr quint8 Int8 = 2;
constexpr quint8 Int16 = 3;
constexpr quint8 Int32 = 4;
constexpr quint8 String = 6;
constexpr quint8 LString = 12;
constexpr quint8 WString = 18;
constexpr quint8 Utf8String = 20;
} // namespace TagValoare

// A malformed stream. The message is the fixed text callers expect; `Pozitie` tells where.
class EroareFlux : public Eroare {
public:
    EroareFlux(const QString& mesaj, qint64 pozitie)
        : Eroare(mesaj)
        , pozitie_(pozitie) {}
    qint64 Pozitie() const { return pozitie_; }

private:
    qint64 pozitie_;
};

class TCititorValori {
public:
    explicit TCititorValori(QByteArray date);

    qint32 CitesteIntreg();
    QString CitesteText();

    qint64 Pozitie() const { return pozitie_; }

private:
    quint8 CitesteTag();
    QByteArray CitesteOcteti(qint64 numar);
    qint32 CitesteInt32();
    [[noreturn]] void ValoareInvalida(qint64 pozitieTag) const;

    QByteArray date_;
    qint64 pozitie_ = 0;
};

class TScriitorValori {
public:
    // The smallest integer tag that holds the value.
    void ScrieIntreg(qint32 valoare);
    // Tag 6 up to 255 bytes, tag 12 beyond. A character that code page 1250 lacks is refused.
    void ScrieText(const QString& text);
    void ScrieTextUtf16(const QString& text);
    void ScrieTextUtf8(const QString& text);
    void ScrieOcteti(const QByteArray& octeti) { date_.append(octeti); }

    const QByteArray& Date() const { return date_; }

private:
    void ScrieInt32(qint32 valoare);

    QByteArray date_;
};
