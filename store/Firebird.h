#pragma once

#include <QString>

// The embedded engine keeps its lock files in FIREBIRD_LOCK, by default /tmp/firebird, which
// the first user to come along creates for himself alone and so locks every other user out.
// Points it at a folder of the current user, unless it is already set. Called before the first
// Firebird call of the process; returns the folder.
QString PregatesteFirebird();

// On SIGINT or SIGTERM the engine's own handler shuts the engine down and leaves the program
// running on a dead connection, which then hangs when it detaches. Replaces that handler: the
// application quits its event loop and closes its database itself. Called after the first
// connection (the engine installs its handler then), with the application object made; has an
// effect once per process.
void InchideAplicatiaLaSemnal();
