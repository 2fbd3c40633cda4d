#pragma once

#include <QString>

// The folder "beside the program": where the executable and its shipped data files live.
QString DosarProgram();

// Tests run the program's parts from a temporary folder; an empty path restores the real one.
void SeteazaDosarProgram(const QString& dosar);
