#pragma once

#include <QChar>
#include <QDir>
#include <QString>

// Unifies the separators of a path to `separator` and removes doubled ones. A network path
// (two leading backslashes) keeps its two leading backslashes.
QString NormalizeazaCale(const QString& cale, QChar separator = QDir::separator());
