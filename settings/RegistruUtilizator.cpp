#include "settings/RegistruUtilizator.h"

#include "util/Eroare.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QSettings>
#include <QStandardPaths>
#include <map>

namespace {
// The store is written like a registry export, so a person can read it and types survive:
//   [Software\Firma\Produs]
//   "Text"="valoare"
//   "Numar"=dword:0000002a
// A key with no values is kept through the value "@" (the key's own, unnamed marker).
const QString Marcaj = QStringLiteral("@");

QString Ghilimele(const QString& text) {
    QString rezultat = text;
    rezultat.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    rezultat.replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
    return u'"' + rezultat + u'"';
}

// Reads a quoted text starting at `pozitie` (on the opening quote); returns false if unclosed.
bool CitesteGhilimele(const QString& rand, qsizetype& pozitie, QString& text) {
    text.clear();
    for (++pozitie; pozitie < rand.size(); ++pozitie) {
        const QChar c = rand[pozitie];
        if (c == u'"') {
            ++pozitie;
            return true;
        }
        if (c == u'\\' && pozitie + 1 < rand.size()) {
            const QChar urmator = rand[++pozitie];
            text += urmator == u'n' ? QChar(u'\n') : urmator == u'r' ? QChar(u'\r') : urmator;
        } else {
            text += c;
        }
    }
    return false;
}

bool CitesteReg(QIODevice& dispozitiv, QSettings::SettingsMap& valori) {
    QString sectiune;
    const QStringList randuri = QString::fromUtf8(dispozitiv.readAll()).split(u'\n');
    for (const QString& brut : randuri) {
        const QString rand = brut.trimmed();
        if (rand.isEmpty() || rand.startsWith(u';'))
            continue;
        if (rand.startsWith(u'[') && rand.endsWith(u']')) {
            sectiune = rand.mid(1, rand.size() - 2).replace(u'\\', u'/');
            valori.insert(sectiune + u'/' + Marcaj, QString());
            continue;
        }
        qsizetype pozitie = 0;
        QString nume;
        if (sectiune.isEmpty() || !rand.startsWith(u'"') ||
            !CitesteGhilimele(rand, pozitie, nume) || pozitie >= rand.size() ||
            rand[pozitie] != u'=')
            return false;
        const QString valoare = rand.mid(pozitie + 1);
        const QString cheie = sectiune + u'/' + nume;
        if (valoare.startsWith(u'"')) {
            qsizetype p = 0;
            QString text;
            if (!CitesteGhilimele(valoare, p, text))
                return false;
            valori.insert(cheie, text);
        } else if (valoare.startsWith(QStringLiteral("dword:"))) {
            bool ok = false;
            const quint32 numar = valoare.mid(6).toUInt(&ok, 16);
            if (!ok)
                return false;
            valori.insert(cheie, qint32(numar));
        } else {
            return false;
        }
    }
    return true;
}

bool ScrieReg(QIODevice& dispozitiv, const QSettings::SettingsMap& valori) {
    std::map<QString, std::vector<std::pair<QString, QVariant>>> chei;
    for (auto it = valori.begin(); it != valori.end(); ++it) {
        const qsizetype bara = it.key().lastIndexOf(u'/');
        if (bara < 0)
            continue;
        auto& cheie = chei[it.key().left(bara)];
        const QString nume = it.key().mid(bara + 1);
        if (nume != Marcaj)
            cheie.emplace_back(nume, it.value());
    }
    QString text;
    for (const auto& [cale, intrari] : chei) {
        text += u'[' + QString(cale).replace(u'/', u'\\') + QStringLiteral("]\n");
        for (const auto& [nume, valoare] : intrari) {
            text += Ghilimele(nume) + u'=';
            if (valoare.typeId() == QMetaType::Int)
                text +=
                    QStringLiteral("dword:%1\n").arg(quint32(valoare.toInt()), 8, 16, QChar(u'0'));
            else
                text += Ghilimele(valoare.toString()) + u'\n';
        }
        text += u'\n';
    }
    return dispozitiv.write(text.toUtf8()) >= 0;
}

QSettings::Format FormatReg() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("reg"), CitesteReg, ScrieReg);
    return format;
}

QString& FisierInlocuit();

// QSettings keeps a parsed copy of a file per process and reports a damaged file only to the
// first reader, then writes over it; so every opening checks the file itself.
bool FisierCitibil() {
    QFile fisier(FisierRegistru());
    if (!fisier.exists())
        return true;
    if (!fisier.open(QIODevice::ReadOnly))
        return false;
    QSettings::SettingsMap valori;
    return CitesteReg(fisier, valori);
}

QString& FisierInlocuit() {
    static QString fisier;
    return fisier;
}
} // namespace

QString FisierRegistru() {
    if (!FisierInlocuit().isEmpty())
        return FisierInlocuit();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Certaliv/registru.reg");
}

void SeteazaFisierRegistru(const QString& fisier) {
    FisierInlocuit() = fisier;
}

TCheieRegistru::TCheieRegistru(const QString& cale)
    : grup_(QString(cale).replace(u'\\', u'/'))
    , setari_(std::make_unique<QSettings>(FisierRegistru(), FormatReg())) {
    // QSettings joins paths with "/", so a key path may not hold one of its own.
    if (grup_.isEmpty() || cale.contains(u'/'))
        throw Eroare(QStringLiteral("Cheie de registru invalida: \"%1\"").arg(cale));
    if (!FisierCitibil())
        throw Eroare(QStringLiteral("Fisierul de setari \"%1\" este deteriorat; nu il modific.")
                         .arg(FisierRegistru()));
    if (!setari_->contains(Cheie(Marcaj)))
        setari_->setValue(Cheie(Marcaj), QString());
}

TCheieRegistru::~TCheieRegistru() = default;

QString TCheieRegistru::Cheie(const QString& nume) const {
    return grup_ + u'/' + nume;
}

bool TCheieRegistru::ExistaCheia() const {
    return setari_->contains(Cheie(Marcaj));
}

TCheieRegistru::TipValoare TCheieRegistru::Tip(const QString& nume) const {
    const QVariant valoare = setari_->value(Cheie(nume));
    if (!valoare.isValid())
        return TipValoare::Lipsa;
    return valoare.typeId() == QMetaType::Int ? TipValoare::Numar : TipValoare::Text;
}

std::optional<QString> TCheieRegistru::CitesteText(const QString& nume) const {
    if (Tip(nume) != TipValoare::Text)
        return std::nullopt;
    return setari_->value(Cheie(nume)).toString();
}

std::optional<qint32> TCheieRegistru::CitesteNumar(const QString& nume) const {
    if (Tip(nume) != TipValoare::Numar)
        return std::nullopt;
    return setari_->value(Cheie(nume)).toInt();
}

void TCheieRegistru::ScrieText(const QString& nume, const QString& valoare) {
    setari_->setValue(Cheie(nume), valoare);
}

void TCheieRegistru::ScrieNumar(const QString& nume, qint32 valoare) {
    setari_->setValue(Cheie(nume), valoare);
}
