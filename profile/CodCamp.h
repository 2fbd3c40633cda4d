#pragma once

#include <QString>
#include <QStringList>

// A field's name: form, page and field codes, written FORMULAR.PAGINA.CAMP.
struct TCodCamp {
    QString Formular;
    QString Pagina;
    QString Camp;

    QString Scris() const { return Formular + u'.' + Pagina + u'.' + Camp; }
    bool operator==(const TCodCamp&) const = default;
};

// Splits at full stops: a fourth or later part is dropped, missing parts stay empty, nothing is
// trimmed.
TCodCamp ImparteCodCamp(const QString& cod);

// An editor label: "[Grup]Eticheta{nota}".
struct TEtichetaEditor {
    QString Eticheta;
    QString Grup;
    QString Nota;
};

TEtichetaEditor ImparteEticheta(const QString& etichetaEditor);

// The data-type names, in the order the database lists them.
namespace TipDate {
inline const QString Text = QStringLiteral("TEXT");
inline const QString CF = QStringLiteral("CF");
inline const QString Sirues = QStringLiteral("SIRUES");
inline const QString CNP = QStringLiteral("CNP");
inline const QString Nota = QStringLiteral("NOTA");
inline const QString Calificativ = QStringLiteral("CALIFICATIV");
inline const QString NotaSauCalificativ = QStringLiteral("NOTA sau CALIFICATIV");
} // namespace TipDate

const QStringList& NumeTipuriDeDate();
