#include "app/graph/graph_ansicht.h"

#include <cmath>
#include <limits>

namespace staffel::app {

namespace {

constexpr double kRahmenBreite = graph::kRechts - graph::kLinks;
constexpr double kRahmenHoehe = graph::kOben - graph::kUnten;

bool einfach(double v) {
    return std::isfinite(v) && std::abs(v) <= std::numeric_limits<float>::max();
}

bool imRahmen(const graph::Punkt& p) {
    return p.x >= graph::kLinks && p.x <= graph::kRechts && p.y > graph::kUnten &&
           p.y < graph::kOben;
}

}  // namespace

Bereich bereichVon(const GraphEinstellungen& g) {
    return {g.Xmin, g.Xmax, g.Ymin, g.Ymax};
}

void setzeBereich(GraphEinstellungen& g, const Bereich& b) {
    g.Xmin = b.xmin;
    g.Xmax = b.xmax;
    g.Ymin = b.ymin;
    g.Ymax = b.ymax;
}

bool zeichenbar(const Bereich& b) {
    return einfach(b.xmin) && einfach(b.xmax) && einfach(b.ymin) && einfach(b.ymax) &&
           static_cast<float>(b.xmin) != static_cast<float>(b.xmax) && b.ymin != b.ymax;
}

Bereich zoomen(const Bereich& b, double fx, double fy, double faktorX, double faktorY) {
    const double ax = b.xmin + fx * (b.xmax - b.xmin);
    const double ay = b.ymin + fy * (b.ymax - b.ymin);
    return {ax + (b.xmin - ax) * faktorX, ax + (b.xmax - ax) * faktorX,
            ay + (b.ymin - ay) * faktorY, ay + (b.ymax - ay) * faktorY};
}

Bereich gerundet(const Bereich& b) {
    auto runden = [](double v, double breite) {
        const double stufe = std::pow(10.0, std::floor(std::log10(std::abs(breite))) - 3);
        // + 0.0 makes a rounded -0 a plain 0, which the labels write without a sign.
        return std::round(v / stufe) * stufe + 0.0;
    };
    const double breite = b.xmax - b.xmin;
    const double hoehe = b.ymax - b.ymin;
    return {runden(b.xmin, breite), runden(b.xmax, breite), runden(b.ymin, hoehe),
            runden(b.ymax, hoehe)};
}

Bereich verschieben(const Bereich& b, double dx, double dy, double breite, double hoehe) {
    const double wegX = dx / (breite * kRahmenBreite / graph::kBreite) * (b.xmax - b.xmin);
    const double wegY = dy / (hoehe * kRahmenHoehe / graph::kHoehe) * (b.ymax - b.ymin);
    return {b.xmin - wegX, b.xmax - wegX, b.ymin + wegY, b.ymax + wegY};
}

double rahmenAnteilX(double px, double breite) {
    return (px * graph::kBreite / breite - graph::kLinks) / kRahmenBreite;
}

double rahmenAnteilY(double py, double hoehe) {
    return (graph::kHoehe - py * graph::kHoehe / hoehe - graph::kUnten) / kRahmenHoehe;
}

double logischX(const Bereich& b, double x) {
    return graph::kLinks + (x - b.xmin) / (b.xmax - b.xmin) * kRahmenBreite;
}

double logischY(const Bereich& b, double y) {
    return graph::kUnten + (y - b.ymin) / (b.ymax - b.ymin) * kRahmenHoehe;
}

std::vector<graph::Punkt> umbilden(const std::vector<graph::Punkt>& punkte, const Bereich& alt,
                                   const Bereich& neu) {
    // Both views are linear in the logical frame, so a dot moves by one scale and offset.
    const double sx = (alt.xmax - alt.xmin) / (neu.xmax - neu.xmin);
    const double sy = (alt.ymax - alt.ymin) / (neu.ymax - neu.ymin);
    const double ox = logischX(neu, alt.xmin);
    const double oy = logischY(neu, alt.ymin);
    std::vector<graph::Punkt> umgebildet;
    umgebildet.reserve(punkte.size());
    for (graph::Punkt p : punkte) {
        p.x = static_cast<float>(ox + (p.x - graph::kLinks) * sx);
        p.y = static_cast<float>(oy + (p.y - graph::kUnten) * sy);
        if (imRahmen(p)) umgebildet.push_back(p);
    }
    return umgebildet;
}

}  // namespace staffel::app
