#include "AjutorStore.h"

#include "profile/Registru.h"
#include "profile/Tabele.h"
#include "store/Interogare.h"
#include "util/DosarProgram.h"
#include "util/FluxValori.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
class TProfilTest : public TListaLiniiProfilDiploma {
public:
    TProfilTest() { IncarcaDinFisier(DosarProgram() + QStringLiteral("/TEST.binprof")); }
};

class TClasaProfilTest : public TClasaProfilDiploma {
public:
    QString NumeClasa() const override { return QStringLiteral("TProfilTest"); }
    std::unique_ptr<TListaLiniiProfilDiploma> Create() const override {
        return std::make_unique<TProfilTest>();
    }
    QString NumeProfil() const override { return QStringLiteral("TEST"); }
    QString ListaCampuriElev() const override { return QStringLiteral("{F.P.NUME} / {F.P.CNP}"); }
};

class TTabeleTest : public TListaLiniiTabel {
public:
    TTabeleTest() {
        AdaugaTabel(QStringLiteral("ELEVI"), QString());
        AdaugaTabel(QStringLiteral("SCOALA"), QStringLiteral("{F.P.SCOALA}"));
    }
};

class TClasaTabeleTest : public TClasaTabele {
public:
    QString NumeClasa() const override { return QStringLiteral("TTabeleTest"); }
    std::unique_ptr<TListaLiniiTabel> Create() const override {
        return std::make_unique<TTabeleTest>();
    }
};
} // namespace

void InregistreazaClaseleDeTest() {
    static const TClasaProfilTest profil;
    static const TClasaTabeleTest tabele;
    static const bool inregistrate = [] {
        InregistreazaProfil(profil);
        InregistreazaTabele(tabele);
        return true;
    }();
    Q_UNUSED(inregistrate);
}

TLinieProfilDiploma LinieTest(const QString& camp, const QString& asociatCu,
                              const QString& similarCu, const QString& onorez, const QString& tip) {
    TLinieProfilDiploma linie;
    linie.COD_FORMULAR = FormularTest;
    linie.COD_PAGINA = PaginaTest;
    linie.COD_CAMP = camp;
    linie.SIMILAR_CU = similarCu;
    linie.ONOREZ_SIMILAR = onorez;
    linie.ETICHETA_EDITOR = QStringLiteral("[Grup]") + camp;
    linie.VIZIBIL = QStringLiteral("DA");
    linie.TIP_DE_DATE = tip;
    linie.ASOCIAT_CU = asociatCu;
    linie.GRUP = QStringLiteral("Grup");
    linie.ORDINE = 10;
    linie.LATIME_SUGERATA = 100;
    return linie;
}

TDosarProgramTest::TDosarProgramTest(const std::vector<TLinieProfilDiploma>& linii, bool cuBlank) {
    InregistreazaClaseleDeTest();
    if (!dosar_.isValid())
        throw std::runtime_error("no temporary folder");
    if (cuBlank && !QFile::copy(QStringLiteral(CERTALIV_DIR_PROGRAM "/BLANK.FDB"),
                                Cale(QStringLiteral("BLANK.FDB"))))
        throw std::runtime_error("BLANK.FDB is missing from the build");
    ScrieProfil(linii);
    SeteazaDosarProgram(dosar_.path());
}

TDosarProgramTest::~TDosarProgramTest() {
    SeteazaDosarProgram(QString());
}

QString TDosarProgramTest::Cale(const QString& nume) const {
    return dosar_.filePath(nume);
}

void TDosarProgramTest::ScrieProfil(const std::vector<TLinieProfilDiploma>& linii) const {
    TScriitorValori scriitor;
    scriitor.ScrieText(QStringLiteral("test"));
    scriitor.ScrieIntreg(0);
    scriitor.ScrieIntreg(int(linii.size()));
    for (const TLinieProfilDiploma& l : linii) {
        scriitor.ScrieIntreg(0);
        for (const QString* text :
             {&l.COD_FORMULAR, &l.COD_PAGINA, &l.COD_CAMP, &l.SIMILAR_CU, &l.ONOREZ_SIMILAR,
              &l.ETICHETA_EDITOR, &l.FORMULA, &l.VIZIBIL, &l.TIP_DE_DATE, &l.ASOCIAT_CU, &l.GRUP})
            scriitor.ScrieText(*text);
        scriitor.ScrieIntreg(l.ORDINE);
        scriitor.ScrieIntreg(l.LATIME_SUGERATA);
        scriitor.ScrieText(l.COD_LINIE);
    }
    QFile fisier(Cale(QStringLiteral("TEST.binprof")));
    if (!fisier.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        fisier.write(scriitor.Date()) != scriitor.Date().size())
        throw std::runtime_error("cannot write TEST.binprof");
}

std::vector<std::vector<QVariant>> Randuri(const QString& sql) {
    TCitire citire(DM().Tr());
    TInterogare interogare(sql);
    interogare.Executa();
    std::vector<std::vector<QVariant>> randuri;
    while (interogare.Urmator()) {
        std::vector<QVariant> rand;
        for (int i = 0; i < interogare.NumarColoane(); ++i)
            rand.push_back(interogare.Valoare(i));
        randuri.push_back(std::move(rand));
    }
    return randuri;
}

QVariant Scalar(const QString& sql) {
    const auto randuri = Randuri(sql);
    if (randuri.empty() || randuri[0].empty())
        return {};
    return randuri[0][0];
}

void ExecutaSiConfirma(const QString& sql) {
    TScriere scriere(DM().Tr());
    TInterogare(sql).Executa();
    scriere.Confirma();
}
