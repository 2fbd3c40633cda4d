#pragma once

// Plugs the certificate into the generic core: its profile class, its table catalogue and its
// document handler. Called once, first thing in main; nothing here opens a file.
void InregistreazaPluginuriCIL();
