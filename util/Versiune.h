#pragma once

#include <QString>

// Version information of a program file. This platform keeps no version resource in the
// executable: the running program's version is the one its build stamped into this library; any
// other file has none.
class TCEVersionInfo {
public:
    // Reads the running program's version.
    TCEVersionInfo();
    explicit TCEVersionInfo(const QString& fileName);

    // Fills every property from `fileName`; a file without version information gets
    // NuEsteDisponibil() in all of them.
    void GetInfo(const QString& fileName);

    const QString& CompanyName() const { return companyName_; }
    const QString& FileDescription() const { return fileDescription_; }
    const QString& FileVersion() const { return fileVersion_; }
    const QString& InternalName() const { return internalName_; }
    const QString& LegalCopyright() const { return legalCopyright_; }
    const QString& LegalTradeMarks() const { return legalTradeMarks_; }
    const QString& OriginalFilename() const { return originalFilename_; }
    const QString& ProductName() const { return productName_; }
    const QString& ProductVersion() const { return productVersion_; }
    const QString& Comments() const { return comments_; }
    const QString& MajorVersion() const { return majorVersion_; }
    const QString& MinorVersion() const { return minorVersion_; }
    const QString& Release() const { return release_; }
    const QString& Build() const { return build_; }

    static QString NuEsteDisponibil(); // "<info not available>"

private:
    void FaraInformatii();
    void ImparteVersiunea();

    QString companyName_, fileDescription_, fileVersion_, internalName_, legalCopyright_,
        legalTradeMarks_, originalFilename_, productName_, productVersion_, comments_;
    QString majorVersion_, minorVersion_, release_, build_;
};

// The running program's version: major, minor, release and build joined with ".".
QString VersiuneProgram();

// Test seam: replaces the version stamped by the build ("" = a program without a version) and
// returns the previous one.
QString SeteazaVersiuneaProgramului(const QString& versiune);
