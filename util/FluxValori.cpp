#include "util/FluxValori.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>

namespace {
const QString InvalidPropertyValue = QStringLiteral("Invalid property value");
const QString StreamReadError = QStringLiteral("Stream read error");
} // namespace

TCititorValori::TCititorValori(QByteArray date)
    : date_(std::move(date)) {
}

QByteArray TCititorValori::CitesteOcteti(qint64 numar) {
    if (numar < 0 || numar > date_.size() - pozitie_)
        throw EroareFlux(StreamReadError, pozitie_);
    QByteArray octeti = date_.mid(pozitie_, numar);
    pozitie_ += numar;
    return octeti;
}

quint8 TCititorValori::CitesteTag() {
    return quint8(CitesteOcteti(1).at(0));
}

qint32 TCititorValori::CitesteInt32() {
    return qFromLittleEndian<qint32>(CitesteOcteti(4).constData());
}

void TCititorValori::ValoareInvalida(qint64 pozitieTag) const {
    throw EroareFlux(InvalidPropertyValue, pozitieTag);
}

qint32 TCititorValori::CitesteIntreg() {
    const qint64 inceput = pozitie_;
    switch (CitesteTag()) {
    case TagValoare::Int8:
        return qint8(CitesteOcteti(1).at(0));
    case TagValoare::Int16:
        return qFromLittleEndian<qint16>(CitesteOcteti(2).constData());
    case TagValoare::Int32:
        return CitesteInt32();
    default:
        ValoareInvalida(inceput);
    }
}

QString TCititorValori::CitesteText() {
    const qint64 inceput = pozitie_;
    switch (CitesteTag()) {
    case TagValoare::String: {
        const auto lungime = quint8(CitesteOcteti(1).at(0));
        return QStringDecoder("windows-1250")(CitesteOcteti(lungime));
    }
    case TagValoare::LString:
        return QStringDecoder("windows-1250")(CitesteOcteti(CitesteInt32()));
    case TagValoare::WString: {
        const qint64 unitati = CitesteInt32();
        const QByteArray octeti = CitesteOcteti(unitati < 0 ? -1 : unitati * 2);
        QString text(qsizetype(unitati), Qt::Uninitialized);
        qFromLittleEndian<char16_t>(octeti.constData(), unitati, text.data());
        return text;
    }
    case TagValoare::Utf8String:
        return QString::fromUtf8(CitesteOcteti(CitesteInt32()));
    default:
        ValoareInvalida(inceput);
    }
}

void TScriitorValori::ScrieInt32(qint32 valoare) {
    char octeti[4];
    qToLittleEndian(valoare, octeti);
    date_.append(octeti, 4);
}

void TScriitorValori::ScrieIntreg(qint32 valoare) {
    if (valoare >= -128 && valoare <= 127) {
        date_.append(char(TagValoare::Int8));
        date_.append(char(qint8(valoare)));
    } else if (valoare >= -32768 && valoare <= 32767) {
        date_.append(char(TagValoare::Int16));
        char octeti[2];
        qToLittleEndian(qint16(valoare), octeti);
        date_.append(octeti, 2);
    } else {
        date_.append(char(TagValoare::Int32));
        ScrieInt32(valoare);
    }
}

void TScriitorValori::ScrieText(const QString& text) {
    QStringEncoder codificator("windows-1250");
    const QByteArray octeti = codificator(text);
    if (codificator.hasError())
        throw Eroare(QStringLiteral("Textul \"%1\" are litere care nu exista in pagina de cod 1250")
                         .arg(text));
    if (octeti.size() <= 255) {
        date_.append(char(TagValoare::String));
        date_.append(char(quint8(octeti.size())));
    } else {
        date_.append(char(TagValoare::LString));
        ScrieInt32(qint32(octeti.size()));
    }
    date_.append(octeti);
}

void TScriitorValori::ScrieTextUtf16(const QString& text) {
    date_.append(char(TagValoare::WString));
    ScrieInt32(qint32(text.size()));
    for (QChar c : text) {
        char octeti[2];
        qToLittleEndian(c.unicode(), octeti);
        date_.append(octeti, 2);
    }
}

void TScriitorValori::ScrieTextUtf8(const QString& text) {
    const QByteArray octeti = text.toUtf8();
    date_.append(char(TagValoare::Utf8String));
    ScrieInt32(qint32(octeti.size()));
    date_.append(octeti);
}
