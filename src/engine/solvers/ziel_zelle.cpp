#include "engine/solvers/ziel_zelle.h"

#include <algorithm>
#include <cmath>

namespace staffel::solver {

namespace {

// Beyond the solvers' every acceptance bound (at most 4e-11 relative), so that no deviation
// in the cell comes near one.
double rand(double b, double t) {
    return 1e-9 * std::max({1.0, std::fabs(b), std::fabs(t)});
}

// Each of the deviations u - t and v - t rounds by at most 2^-53 of max(|u|, |v|) + |t|, so
// they stay apart while their gap exceeds twice that; the factor 4 beyond it and the term for
// the spacing of subnormals leave room to spare.
double sicherBis(double u, double v) {
    return (v - u - 0x1p-1000) * 0x1p50 - std::max(std::fabs(u), std::fabs(v));
}

}  // namespace

std::optional<ZielZelle> ZielZelle::bilden(std::vector<double> werte, double b) {
    if (b == 0 || !std::isfinite(b) || werte.empty()) return std::nullopt;
    std::sort(werte.begin(), werte.end());
    werte.erase(std::unique(werte.begin(), werte.end()), werte.end());
    ZielZelle z;
    z.b_ = b;
    z.werte_ = std::move(werte);
    if (!z.enthaelt(b)) return std::nullopt;
    z.paare_.reserve(z.werte_.size());
    for (std::size_t i = 0; i + 1 < z.werte_.size(); ++i) {
        const double u = z.werte_[i], v = z.werte_[i + 1];
        z.paare_.push_back({sicherBis(u, v), i, u - b == v - b});
    }
    std::sort(z.paare_.begin(), z.paare_.end(),
              [](const Nachbarn& p, const Nachbarn& q) { return p.sicherBis < q.sicherBis; });
    return z;
}

bool ZielZelle::enthaelt(double t) const {
    if (!std::isfinite(t) || t == 0 || (t > 0) != (b_ > 0)) return false;
    // The deviations grow with the values: the outermost two bound them all.
    if (!std::isfinite(werte_.front() - t) || !std::isfinite(werte_.back() - t)) return false;
    // No value between the two targets or near either: every deviation keeps its sign and
    // stays outside the solution bound.
    const double r = rand(b_, t);
    const auto naechster = std::lower_bound(werte_.begin(), werte_.end(), std::min(b_, t) - r);
    if (naechster != werte_.end() && *naechster <= std::max(b_, t) + r) return false;
    return trenntGleich(t);
}

// Rounding may merge the deviations of close neighbours, and the search compares them.
bool ZielZelle::trenntGleich(double t) const {
    const double ziel = std::max(std::fabs(b_), std::fabs(t));
    for (const Nachbarn& p : paare_) {
        if (p.sicherBis > ziel) break;
        const bool verschmolzen = werte_[p.i] - t == werte_[p.i + 1] - t;
        if (verschmolzen != p.verschmolzen) return false;
    }
    return true;
}

}  // namespace staffel::solver
