#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/modul_ra.h"

namespace staffel {

namespace texte {
// What the Exponent field shows while the limit e -> +-oo is calculated.
inline constexpr std::string_view Unendlich = deutsch(TextId::Unendlich);
}  // namespace texte

// The four texts as the user typed them into the fields.
struct RechenEingabe {
    std::string rechenart;
    std::string aufzahl;
    std::string basis;
    std::string exponent;
};

enum class RechenAusgang {
    EingabeFehlt,         // an empty field: "Erst EINGABE , dann BERECHNUNG !"
    RechenzahlAbgelehnt,  // the Rechenart text gives no usable fraction
    AufZahlAbgelehnt,     // the Auflösungszahl does not fit the Rechenzahl
    ZahlAbgelehnt,        // Basis or Exponent beyond the double range
    Graph,                // Basis or Exponent is "x": FormelText is ready for the graph
    Wert,                 // a value calculation ran; ergebnisText holds the result label
};

// Everything the window shows after the calculate command.
struct RechenAnzeige {
    RechenAusgang ausgang = RechenAusgang::EingabeFehlt;
    std::optional<std::string> stepText;  // caption of the step label, once the list was built
    std::optional<bool> aufzahlGesperrt;  // A field locked (no Auflösungszahl needed)
    std::string ergebnisText;             // result label (value case)
    std::string nameText;                 // name label (value case)
    RechenartName nameId;                 // the same by id
    TextId meldungId = TextId::Keine;     // the Meldung in ergebnisText, by id
    bool gueltig = false;                 // valid display (value case)
    std::optional<std::string> groesse;   // size of a result beyond 10^308 (value case)
};

// The calculate command without its widgets: reads and checks the inputs, builds the
// resolution list, checks A, evaluates once and formats what the window shows. The
// caller runs it on the calculation thread; a halt request ends it early with
// "   Berechnung angehalten!" as Meldung. stepGebildet, when given, receives the step
// label's caption as soon as the resolution list stands, before the evaluation starts.
RechenAnzeige Rechne(ModulRA& modul, const RechenEingabe& eingabe,
                     const std::function<void(const std::string&)>& stepGebildet = {});

// Rechne in its two steps, for a host that evaluates one operation at many values.
// EingabenLesen: everything up to the evaluation; false when the command ends there, with
// anzeige.ausgang saying why. Auswerten: the evaluation of what EingabenLesen read.
bool EingabenLesen(ModulRA& modul, const RechenEingabe& eingabe, RechenAnzeige& anzeige,
                   const std::function<void(const std::string&)>& stepGebildet = {});
void Auswerten(ModulRA& modul);

// The result label text for the engine's Ergebnis and Meldung.
std::string FormatErgebnis(double ergebnis, const std::string& meldung);

// The values of the Basis and Exponent texts, whose first comma is already a point.
struct Werte {
    double basis = 0;
    double exponent = 0;
    bool ausserhalb = false;
};
Werte WerteLesen(std::string_view basisText, std::string_view exponentText);

}  // namespace staffel
