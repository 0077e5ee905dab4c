#include "engine/modul_ra.h"

namespace staffel {

// Placeholder until the operation model lands.
std::optional<std::string> ModulRA::RechenzahlLesen(std::string& text) {
    BruchZaehler = static_cast<Int16>(std::stoi(text));
    BruchNenner = 1;
    BruchText = text;
    RDezimal = BruchZaehler;
    return std::nullopt;
}
std::optional<std::string> ModulRA::AuflListeBilden(Int16, Int16, double) {
    AnzahlStellen = 0;
    return std::nullopt;
}
void ModulRA::AufZahlPruefen(std::string&) {}
std::string& ModulRA::AufZahlAuffuellen(std::string& A) const { return A; }
void ModulRA::FormelBilden() {}
void ModulRA::NameHyperEins() {}
Int16 GGT(Int16 a, Int16) { return a; }
std::string BruchKuerzen(Int16&, Int16&) { return {}; }
std::string BruchFormat(Int16, Int16) { return {}; }
std::string AufZahlKippen(std::string_view) { return {}; }

}  // namespace staffel
