#include "print/SetariImprimanta.h"

#include "settings/RegistruUtilizator.h"
#include "settings/TextCuVirgule.h"
#include "util/Eroare.h"

#include <QLocale>

namespace {
TAllStuffReg*& Curente() {
    static TAllStuffReg* setari = nullptr;
    return setari;
}

const QString ValoareAll = QStringLiteral("all");
const QString ValoareFata = QStringLiteral("OglindescFata");
const QString ValoareVerso = QStringLiteral("OglindescVerso");

QString Bool(bool valoare) {
    return valoare ? QStringLiteral("1") : QStringLiteral("0");
}

QLocale LocalUtilizator() {
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    return local;
}
} // namespace

QString RealInText(double valoare) {
    return LocalUtilizator().toString(valoare, 'g', 15);
}

double TextInReal(const QString& text) {
    bool ok = false;
    const double valoare = LocalUtilizator().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw Eroare(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return valoare;
}

int TextInIntreg(const QString& text) {
    bool ok = false;
    const int valoare = text.trimmed().toInt(&ok);
    if (!ok)
        throw Eroare(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return valoare;
}

TAllStuffReg* SetariCurente() {
    return Curente();
}

QString NumeImprimantaInregistrata() {
    const auto all = TCheieRegistru(TAllStuffReg::CaleCheie()).CitesteText(ValoareAll);
    const QStringList elemente = CitesteTextCuVirgule(all.value_or(QString()));
    return elemente.size() > 10 ? elemente[10] : QString();
}

QString TAllStuffReg::CaleCheie() {
    return QStringLiteral("SOFTWARE\\Tirvana\\Florandi\\%1\\Certaliv").arg(2009);
}

TAllStuffReg::TAllStuffReg() {
    Citeste();
    if (!Curente())
        Curente() = this;
}

TAllStuffReg::TAllStuffReg(FaraCitire) {
    if (!Curente())
        Curente() = this;
}

TAllStuffReg::~TAllStuffReg() {
    if (Curente() == this)
        Curente() = nullptr;
    try {
        Scrie();
    } catch (const std::exception& e) {
        // A destructor cannot report; the store refused (a damaged file is left as it is).
        qWarning("%s", e.what());
    }
}

void TAllStuffReg::Citeste() {
    TCheieRegistru cheie(CaleCheie());
    if (const auto all = cheie.CitesteText(ValoareAll)) {
        const QStringList elemente = CitesteTextCuVirgule(*all);
        const auto element = [&](int index) {
            if (index >= elemente.size())
                throw Eroare(QStringLiteral("List index out of bounds (%1)").arg(index));
            return elemente[index];
        };
        Configurat = element(1) == u"1";
        PartiOpuse = element(2) == u"1";
        OglindaOrizontala = element(3) == u"1";
        OglindaVerticala = element(4) == u"1";
        ModAlimentare = quint8(TextInIntreg(element(5)));
        StangaFata = TextInReal(element(6));
        SusFata = TextInReal(element(7));
        StangaVerso = TextInReal(element(8));
        SusVerso = TextInReal(element(9));
        NumeImprimanta = element(10);
        IndexImprimanta = TextInIntreg(element(11));
    }
    OglindescFata = cheie.CitesteText(ValoareFata).value_or(QStringLiteral("*"));
    OglindescVerso = cheie.CitesteText(ValoareVerso).value_or(QStringLiteral("*"));
}

void TAllStuffReg::Scrie() const {
    TCheieRegistru cheie(CaleCheie());
    cheie.ScrieText(
        ValoareAll,
        ScrieTextCuVirgule({QStringLiteral("0"), Bool(Configurat), Bool(PartiOpuse),
                            Bool(OglindaOrizontala), Bool(OglindaVerticala),
                            QString::number(ModAlimentare), RealInText(StangaFata),
                            RealInText(SusFata), RealInText(StangaVerso), RealInText(SusVerso),
                            NumeImprimanta, QString::number(IndexImprimanta)}));
    cheie.ScrieText(ValoareFata, OglindescFata);
    cheie.ScrieText(ValoareVerso, OglindescVerso);
}

QString TAllStuffReg::Oglindesc(int pagina) const {
    if (pagina == 0)
        return OglindescFata;
    if (pagina == 1)
        return OglindescVerso;
    return QStringLiteral("*");
}

void TAllStuffReg::SeteazaOglindesc(int pagina, const QString& valoare) {
    if (pagina == 0)
        OglindescFata = valoare;
    else if (pagina == 1)
        OglindescVerso = valoare;
}
