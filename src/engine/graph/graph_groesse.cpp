#include "engine/graph/graph_groesse.h"

#include <cmath>

#include "engine/graph/graph_pass.h"
#include "engine/graph/skala.h"
#include "engine/size/groesse.h"

namespace staffel {

GraphVorlage ModulRA::graphVorlage() const {
    return {RZaehler, RNenner, AufZahl, BasisText, ExponentText};
}

}  // namespace staffel

namespace staffel::graph {

Groessenleser::Groessenleser(GraphVorlage vorlage) : vorlage_(std::move(vorlage)) {}

std::optional<std::string> Groessenleser::groesse(float x) const {
    if (vorlage_.rNenner != 1) return std::nullopt;
    const Argumente a = ArgumenteFuer(vorlage_.basis, vorlage_.exponent, x);
    const OptStufenzahl stufen =
        GroesseStufen(vorlage_.rZaehler, vorlage_.aufzahl, a.b, a.e, ruhend_);
    if (!stufen) return std::nullopt;
    // The wide calculation covers results of any size; only one beyond the doubles has a size
    // to read instead of its value.
    const std::optional<double> log10 = inSkala(Skala::Log10, *stufen);
    if (!log10 || *log10 <= std::log10(GroessteZahl)) return std::nullopt;
    return GroesseText(*stufen);
}

}  // namespace staffel::graph
