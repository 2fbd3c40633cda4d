#include "util/DosarProgram.h"

#include <QCoreApplication>

namespace {
QString& DosarInlocuit() {
    static QString dosar;
    return dosar;
}
} // namespace

QString DosarProgram() {
    if (!DosarInlocuit().isEmpty())
        return DosarInlocuit();
    return QCoreApplication::applicationDirPath();
}

void SeteazaDosarProgram(const QString& dosar) {
    DosarInlocuit() = dosar;
}
