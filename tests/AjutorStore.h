#pragma once

#include "profile/ProfilDiploma.h"
#include "store/DM.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>
#include <vector>

// The store's tests run with their own profile class, "TEST" (database DB/TEST.FDB, profile
// file TEST.binprof beside the program), and the tables ELEVI and SCOALA. Registered once.
void InregistreazaClaseleDeTest();

inline const QString FormularTest = QStringLiteral("F");
inline const QString PaginaTest = QStringLiteral("P");

// A profile line of form F, page P.
TLinieProfilDiploma LinieTest(const QString& camp, const QString& asociatCu,
                              const QString& similarCu = {},
                              const QString& onorez = QStringLiteral("DA"),
                              const QString& tip = QStringLiteral("TEXT"));

// A temporary program folder: BLANK.FDB copied from the build (unless told otherwise) and the
// test profile written from `linii`. The program folder points here while it lives.
class TDosarProgramTest {
public:
    explicit TDosarProgramTest(const std::vector<TLinieProfilDiploma>& linii, bool cuBlank = true);
    ~TDosarProgramTest();

    void ScrieProfil(const std::vector<TLinieProfilDiploma>& linii) const;
    QString Cale(const QString& nume) const;
    QString CaleBazaDeDate() const { return Cale(QStringLiteral("DB/TEST.FDB")); }

private:
    QTemporaryDir dosar_;
};

// SQL run from the tests through the data module: a query's rows, and a statement committed in
// a transaction of its own.
std::vector<std::vector<QVariant>> Randuri(const QString& sql);
QVariant Scalar(const QString& sql);
void ExecutaSiConfirma(const QString& sql);
