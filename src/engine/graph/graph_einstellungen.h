#pragma once

#include "engine/numbers/int16.h"

namespace staffel {

// The graph settings. The window keeps them; the reset of every input change sets them back.
struct GraphEinstellungen {
    double Xmin = -10;
    double Xmax = 10;
    double Ymin = -10;
    double Ymax = 10;
    double DX = 1000;
    double GitterX = 20;
    double GitterY = 20;
    Int16 PunkteZahl = 0;  // dots drawn since the last "Zeichnen"
};

}  // namespace staffel
