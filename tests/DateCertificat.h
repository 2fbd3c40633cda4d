#pragma once

#include <QMap>
#include <QString>

// Field name (the last part of the code) -> value, for the certificate's form and page.
using TValori = QMap<QString, QString>;

// A school record with the given values; returns its key.
int AdaugaScoala(const TValori& valori);
// A student with the given values, linked to the school `idScoala` (-1: to none).
int AdaugaElev(const TValori& valori, int idScoala);

// More values of an existing student.
void AdaugaValori(const TValori& valori, int idElev);

// Every field of a school, and of a student, filled: diacritics, a 9-digit SIRUES, year 2009.
TValori ScoalaCompleta();
TValori ElevComplet(const QString& cnp, const QString& nume);
