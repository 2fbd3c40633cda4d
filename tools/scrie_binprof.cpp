// Writes a .binprof profile file from its readable source: one line per profile line, the
// fourteen fields separated by "|", "#" comments and blank lines skipped.
// Usage: scrie_binprof SOURCE.profil OUTPUT.binprof

#include "util/Eroare.h"
#include "util/FluxValori.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

namespace {
constexpr int NumarCampuri = 14;
constexpr int Ordine = 11;
constexpr int LatimeSugerata = 12;

qint32 Intreg(const QString& text, const QString& unde) {
    bool ok = false;
    const qint32 valoare = text.toInt(&ok);
    if (!ok)
        throw Eroare(QStringLiteral("%1: \"%2\" nu este un numar intreg").arg(unde, text));
    return valoare;
}

QByteArray ScrieProfil(const QString& sursa) {
    QFile fisier(sursa);
    if (!fisier.open(QIODevice::ReadOnly | QIODevice::Text))
        throw Eroare(QStringLiteral("Nu pot deschide %1: %2").arg(sursa, fisier.errorString()));
    const QStringList randuri = QString::fromUtf8(fisier.readAll()).split(u'\n');

    std::vector<QStringList> linii;
    for (int i = 0; i < randuri.size(); ++i) {
        const QString rand = randuri[i].trimmed();
        if (rand.isEmpty() || rand.startsWith(u'#'))
            continue;
        const QString unde = QStringLiteral("%1:%2").arg(sursa).arg(i + 1);
        QStringList campuri = rand.split(u'|');
        if (campuri.size() != NumarCampuri)
            throw Eroare(QStringLiteral("%1: %2 campuri in loc de %3")
                             .arg(unde)
                             .arg(campuri.size())
                             .arg(NumarCampuri));
        for (QString& camp : campuri)
            camp = camp.trimmed();
        Intreg(campuri[Ordine], unde);
        Intreg(campuri[LatimeSugerata], unde);
        linii.push_back(campuri);
    }

    TScriitorValori scriitor;
    scriitor.ScrieText(QStringLiteral("Certaliv profil diploma"));
    scriitor.ScrieIntreg(1);
    scriitor.ScrieIntreg(qint32(linii.size()));
    for (const QStringList& campuri : linii) {
        scriitor.ScrieIntreg(0);
        for (int i = 0; i < Ordine; ++i)
            scriitor.ScrieText(campuri[i]);
        scriitor.ScrieIntreg(campuri[Ordine].toInt());
        scriitor.ScrieIntreg(campuri[LatimeSugerata].toInt());
        scriitor.ScrieText(campuri[13]);
    }
    // Version 1 ends with the form section: its marker and no forms.
    scriitor.ScrieIntreg(0);
    scriitor.ScrieIntreg(0);
    return scriitor.Date();
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicatie(argc, argv);
    const QStringList argumente = aplicatie.arguments();
    if (argumente.size() != 3) {
        std::fprintf(stderr, "folosire: scrie_binprof SURSA.profil IESIRE.binprof\n");
        return 2;
    }
    try {
        const QByteArray date = ScrieProfil(argumente[1]);
        QSaveFile iesire(argumente[2]);
        if (!iesire.open(QIODevice::WriteOnly) || iesire.write(date) != date.size() ||
            !iesire.commit())
            throw Eroare(
                QStringLiteral("Nu pot scrie %1: %2").arg(argumente[2], iesire.errorString()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
