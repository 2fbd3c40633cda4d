#pragma once

#include <QString>

// A grade as typed ("9,5", "10", "7.45"): fixed point with 4 implied decimals (9,50 is 95000).
// Digits after a second separator or any other character are not collected; the decimals are
// cut to two, never rounded.
qint64 NotaDinText(const QString& text);

// Whether a text is a grade from 5 to 10 with at most two decimals (other characters skipped).
bool EsteNotaValida(const QString& text);
