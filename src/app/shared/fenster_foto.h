#pragma once

namespace staffel::app {

class FrmHaupt;

// For the README's pictures (scripts/screenshot): when the environment variable
// STAFFELRECHNER_FOTO names a PNG file, the main window calculates the worked example
// m[7, 00][2, 3], saves its image there and the program ends (status 1 when the file could
// not be written). Without the variable nothing happens.
void fotografiereBeispiel(FrmHaupt& fenster);

}  // namespace staffel::app
