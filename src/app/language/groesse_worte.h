#pragma once

#include <QString>

namespace staffel::app {

// The size of a result beyond 10^308 as the engine wrote it («mehr als (10^)^9007199254740992»),
// its words in the current language and its number as written: what Ctrl+C copies.
QString groesseText(const QString& groesse);

// The size as the window shows it beneath the result and the tape beside its row
// («Größe: 10^6.00225356799455E+3638334640023»).
QString groesseZeile(const QString& groesse);

}  // namespace staffel::app
