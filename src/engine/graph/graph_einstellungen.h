#pragma once

#include <cstdint>

#include "engine/numbers/int16.h"

namespace staffel {

// What the graph's y axis measures: the value, log10 of its magnitude, or its tower height.
enum class Skala : std::uint8_t { Wert, Log10, Hoehe };

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
    // A way of looking, not a range: the reset of an input change keeps it.
    Skala skala = Skala::Wert;
};

}  // namespace staffel
