#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

// Romanian wording of grades and amounts, the fixed-point formatter and the small helpers for
// Romanian letters. Out-of-range numbers throw Eroare with the message the user reads.

// The grade in words; notaX100 is the grade times 100 (963 for 9,63). mod 1: "(NOUĂ,
// ŞAIZECIŞITREI)", 2: "(NOUĂ, 63)", 3: "(NOUĂ, 63%)"; any other mode gives "".
QString NotaInLitere(int notaX100, int mod);

// A fixed-point number with four implied decimals (9,63 is 96300): "." between groups of three
// integer digits, "," before `zecimale` decimals, cut (never rounded) when fewer than four.
QString FormateazaValoare(int zecimale, qint64 valoare);

// A whole number from 0 to 999 999 999 in words, joined without spaces.
QString NumarInLitere(qint64 n);
QString CifraInLitere(qint64 cifra);
QString CifraInLitereFeminin(qint64 cifra);
QString NumarSub100(qint64 n);
QString NumarSub100Feminin(qint64 n);
QString NumarSub1000(qint64 n);
QString NumarSub1000Feminin(qint64 n);
QString NumarSubMilion(qint64 n);

// Resolves the "@" letter escapes ("@A" Ă, "@s" ş, "@@" "@" ...); an unknown escape and a final
// lone "@" vanish.
QString ConvertesteDiacritice(const QString& text);

// Case conversion of a to z and of the Romanian ă, ş, ţ (both the cedilla and the comma-below
// forms); every other letter, Â and Î too, is left as it is.
QString LitereMari(const QString& text);
QString LitereMici(const QString& text);

// Appends `caracter` until the text is `lungime` characters long; a longer text is unchanged.
QString CompleteazaLaDreapta(const QString& text, int lungime, QChar caracter);

// The personal numeric code check: 13 digits, sex digit 1, 2, 5 or 6, a real birth date and the
// weighted check digit.
bool CNPValid(const QString& text);
