#pragma once

#include <QStringList>

// A list of texts in one line, the way settings store lists: items separated by commas; an item
// holding a blank (or any control character), a comma or a double quote is put in double quotes
// with its inner quotes doubled. On reading, unquoted blanks separate items as commas do.
QString ScrieTextCuVirgule(const QStringList& elemente);
QStringList CitesteTextCuVirgule(const QString& text);
