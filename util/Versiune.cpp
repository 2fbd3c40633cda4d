#include "util/Versiune.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <utility>

#ifndef CERTALIV_VERSIUNE
#define CERTALIV_VERSIUNE ""
#endif

namespace {
QString& VersiuneaProgramului() {
    static QString versiune = QStringLiteral(CERTALIV_VERSIUNE);
    return versiune;
}

bool EsteProgramulCurent(const QString& fisier) {
    const QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty() || fisier.isEmpty())
        return false;
    const QString canonic = QFileInfo(fisier).canonicalFilePath();
    return !canonic.isEmpty() && canonic == QFileInfo(program).canonicalFilePath();
}
} // namespace

QString SeteazaVersiuneaProgramului(const QString& versiune) {
    return std::exchange(VersiuneaProgramului(), versiune);
}

QString TCEVersionInfo::NuEsteDisponibil() {
    return QStringLiteral("<info not available>");
}

TCEVersionInfo::TCEVersionInfo()
    : TCEVersionInfo(QCoreApplication::applicationFilePath()) {
}

TCEVersionInfo::TCEVersionInfo(const QString& fileName) {
    GetInfo(fileName);
}

void TCEVersionInfo::FaraInformatii() {
    const QString lipsa = NuEsteDisponibil();
    for (QString* text :
         {&companyName_, &fileDescription_, &fileVersion_, &internalName_, &legalCopyright_,
          &legalTradeMarks_, &originalFilename_, &productName_, &productVersion_, &comments_,
          &majorVersion_, &minorVersion_, &release_, &build_})
        *text = lipsa;
}

void TCEVersionInfo::GetInfo(const QString& fileName) {
    const QString versiune = VersiuneaProgramului();
    if (!EsteProgramulCurent(fileName) || versiune.isEmpty()) {
        FaraInformatii();
        return;
    }
    const QFileInfo fisier(fileName);
    companyName_ = QCoreApplication::organizationName();
    fileDescription_ = QCoreApplication::applicationName();
    fileVersion_ = versiune;
    internalName_ = fisier.completeBaseName();
    legalCopyright_.clear();
    legalTradeMarks_.clear();
    originalFilename_ = fisier.fileName();
    productName_ = QCoreApplication::applicationName();
    productVersion_ = versiune;
    comments_.clear();
    ImparteVersiunea();
}

void TCEVersionInfo::ImparteVersiunea() {
    const QChar separator = fileVersion_.contains(u'.')   ? u'.'
                            : fileVersion_.contains(u',') ? u','
                                                          : QChar();
    if (separator.isNull()) {
        majorVersion_ = minorVersion_ = release_ = build_ = NuEsteDisponibil();
        return;
    }
    // Split at the first three separators; the build keeps whatever follows the third. A part
    // the version does not give (1.2) counts as 0.
    QStringList parti = fileVersion_.split(separator);
    while (parti.size() > 4) {
        const QString rest = parti.takeAt(4);
        parti[3] += separator + rest;
    }
    while (parti.size() < 4)
        parti.append(QStringLiteral("0"));
    majorVersion_ = parti.at(0).trimmed();
    minorVersion_ = parti.at(1).trimmed();
    release_ = parti.at(2).trimmed();
    build_ = parti.at(3).trimmed();
}

QString VersiuneProgram() {
    const TCEVersionInfo info;
    return QStringList{info.MajorVersion(), info.MinorVersion(), info.Release(), info.Build()}.join(
        u'.');
}
