#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/model/engine_texte.h"

namespace staffel {

// The four texts as the user typed them into the fields.
struct RechenEingabe {
    std::string rechenart;
    std::string aufzahl;
    std::string basis;
    std::string exponent;
};

// How the texts are calculated: the limit e -> +-oo instead of the value.
struct RechenModus {
    bool grenzwert = false;
};

enum class RechenAusgang {
    EingabeFehlt,         // an empty field: "Erst EINGABE , dann BERECHNUNG !"
    RechenzahlAbgelehnt,  // the Rechenart text gives no usable fraction
    AufZahlAbgelehnt,     // the Auflösungszahl does not fit the Rechenzahl
    ZahlAbgelehnt,        // Basis or Exponent beyond the double range
    Graph,                // Basis or Exponent is "x": the graph is to be drawn
    Wert,                 // a value calculation ran
};

// One point of the graph's drawing pass: its value, where the operation is defined there and
// no halt cut it short, and the operation's name as the calculation left it.
struct GraphPunkt {
    std::optional<double> wert;
    RechenartName name;
    // Where the graph's scale puts it; from the size for a result beyond 10^308.
    std::optional<double> skaliert;
    bool ohneGroesse = false;  // beyond 10^308, but the size is not known
};

// What the size of a graph sample needs from the state an answer of ausgang Graph left, so
// that it can be computed apart from that state while the drawing pass runs in it.
struct GraphVorlage {
    int rZaehler = 0;
    int rNenner = 0;
    std::string aufzahl;
    std::string basis;
    std::string exponent;
};

// The ten counters, in the order of the answer's counter names (kZaehlerNamen).
enum class Zaehler : std::uint8_t { AktIntervall, Ber, G0, G00, G1, G11, III, Intervalle, IV, NA };
using Zaehlerstand = std::array<std::int64_t, 10>;

}  // namespace staffel
