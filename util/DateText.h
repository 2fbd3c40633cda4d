#pragma once

#include <QDate>
#include <QString>

// Romanian date texts; an invalid date gives "".
QString DataCuLunaInLitere(const QDate& data); // "5 martie 2009"
QString ZiSiLuna(const QDate& data);           // "05/03"
QString ZiLunaSiAn(const QDate& data);         // "05/03/09"
