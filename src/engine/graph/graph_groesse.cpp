#include "engine/graph/graph_groesse.h"

#include "engine/graph/graph_pass.h"
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
    if (!stufen || stufen->stufen == 0) return std::nullopt;
    return GroesseText(*stufen);
}

}  // namespace staffel::graph
