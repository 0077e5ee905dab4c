#pragma once

#include <QString>

#include "app/language/sprache.h"

namespace staffel::app {

// The resource of a help document in the given language. The German documents are
// ":/hilfe/NAME.html"; each has an English twin of the same name under ":/hilfe/en/".
QString hilfeDokument(const QString& deutscheRessource, Sprache sprache);

}  // namespace staffel::app
