#pragma once

#include <QStringList>

namespace staffel::app {

// The window program's own options beside those Qt reads: "--help", "--version" and "--lang".
// True when the arguments ask for an answer on the terminal instead of a window: help, the
// version or a malformed "--lang". Needs no application object, so it runs before any display
// is opened.
bool antwortOhneFenster(const QStringList& argumente);

// Prints that answer in the language of the run (the one given, else the remembered one) and
// returns the exit status: 0 for help and version, 2 for a malformed option. Needs a
// QCoreApplication with the program's names set.
int beantworte(const QStringList& argumente);

}  // namespace staffel::app
