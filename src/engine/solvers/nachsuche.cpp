#include "engine/solvers/nachsuche.h"

#include <cmath>
#include <vector>

#include "engine/numbers/number_text.h"
#include "engine/solvers/solver_support.h"

namespace staffel::solver {

namespace {

using Ausgang = Nachsuche::Ausgang;

// The relative step off a support point or a whole-numbered midpoint: tiny, yet beyond the
// solvers' acceptance bound, so that a point just beside a jump is no false solution.
constexpr double kSchubs = 0x1p-30;
// Evaluations of one extremum search: the golden section narrows by 0.618 a step, so 48
// steps take the widest bracket of neighbouring support points (in logarithmic measure) to
// about 10^-9 of itself.
constexpr int kExtremumSchritte = 48;

class Nachsucher {
  public:
    Nachsucher(double b, bool nurGanzeZahlen, std::int64_t budget, Vorwaerts& vorwaerts)
        : b_(b),
          ganz_(nurGanzeZahlen),
          anfang_(vorwaerts.aufwand()),
          budget_(budget),
          vorwaerts_(vorwaerts) {}

    Nachsuche suchen(std::span<const Probewert> tabelle);
    bool erschoepft() const { return erschoepft_; }

  private:
    // Each gives nullopt when the search goes on with the next candidate.
    std::optional<Nachsuche> pruefen(const Probewert& p);
    // With ganz, every trial is a whole number.
    std::optional<Nachsuche> bisektion(const Probewert& unten, const Probewert& oben, bool ganz);
    std::optional<Nachsuche> extremum(const Probewert& links, const Probewert& mitte,
                                      const Probewert& rechts, bool ganz);
    // One trial; nullopt when the solve has ended or the budget is spent.
    std::optional<Probewert> auswerten(double x);
    // One trial counted as a step of a search.
    std::optional<Probewert> schritt(double x);
    static double bisektionsMitte(double a, double c, bool ganz);
    bool konvergiert(const Bracket& k, bool ganz) const;

    static Nachsuche ende() { return {Ausgang::Ende, 0}; }

    const double b_;
    const bool ganz_;
    // What was spent is measured from the start: a counter near its end, after loops counted
    // at once, leaves no room for a limit above it.
    const std::int64_t anfang_;
    const std::int64_t budget_;
    bool erschoepft_ = false;
    Vorwaerts& vorwaerts_;
};

std::optional<Nachsuche> Nachsucher::pruefen(const Probewert& p) {
    if (!p.definiert || !erfuelltGleichung(p.f, b_)) return std::nullopt;
    // A point beside a jump of the operation can meet the bound while the value shown,
    // put back into the operation, misses b by the height of the jump.
    const double angezeigt = ZahlLesen(ZahlText(p.x)).wert;
    if (angezeigt != p.x) {
        const auto q = auswerten(angezeigt);
        if (!q) return ende();
        if (!q->definiert || !erfuelltGleichung(q->f, b_)) return std::nullopt;
    }
    return Nachsuche{Ausgang::Loesung, p.x};
}

std::optional<Probewert> Nachsucher::auswerten(double x) {
    if (vorwaerts_.aufwand() - anfang_ >= budget_) {
        erschoepft_ = true;
        return std::nullopt;
    }
    return vorwaerts_.auswerten(x);
}

std::optional<Probewert> Nachsucher::schritt(double x) {
    if (!vorwaerts_.schritt()) return std::nullopt;
    return auswerten(x);
}

double Nachsucher::bisektionsMitte(double a, double c, bool ganz) {
    // Ends of one sign far apart are halved in logarithmic measure: a root between 1E+10
    // and 1E+50 takes some sixty steps, not two hundred.
    double mitte = mitteVon(a, c);
    if (a > 0 && c > 4 * a) mitte = std::sqrt(a) * std::sqrt(c);
    if (c < 0 && a < 4 * c) mitte = -std::sqrt(-a) * std::sqrt(-c);
    if (ganz) return std::floor(mitte);
    // A whole-numbered midpoint may be exactly where the operation jumps.
    const double daneben = mitte * (1 - kSchubs);
    if (mitte == std::floor(mitte) && daneben > a && daneben < c) return daneben;
    return mitte;
}

bool Nachsucher::konvergiert(const Bracket& k, bool ganz) const {
    if (ganz) return k.c - k.a <= 1;
    return toSingle(std::fabs(k.a - k.c)) <= kGenauigkeit &&
           (erfuelltGleichung(k.fa, b_) || erfuelltGleichung(k.fc, b_));
}

std::optional<Nachsuche> Nachsucher::bisektion(const Probewert& unten, const Probewert& oben,
                                               bool ganz) {
    Bracket k{unten.x, oben.x, unten.f, oben.f};
    while (!konvergiert(k, ganz)) {
        const double mitte = bisektionsMitte(k.a, k.c, ganz);
        if (!std::isfinite(mitte) || mitte <= k.a || mitte >= k.c) break;
        const auto p = schritt(mitte);
        if (!p) return ende();
        if (!p->definiert) return std::nullopt;
        if (k.narrow(mitte, p->f) == Half::None) break;
    }
    if (auto r = pruefen({k.a, k.fa, true})) return r;
    return pruefen({k.c, k.fc, true});
}

// A golden-section search for the extremum of the deviation between links and rechts, which
// lie on the same side of b as mitte but farther from it. It stops at the first trial on the
// other side of b and bisects both sides of it; an extremum that only touches b is taken
// when it passes the test.
std::optional<Nachsuche> Nachsucher::extremum(const Probewert& links, const Probewert& mitte,
                                              const Probewert& rechts, bool ganz) {
    const double seite = vorzeichen(mitte.f);
    // Support points ten and more apart are searched in logarithmic measure.
    const bool logarithmisch = links.x * rechts.x > 0 &&
                               std::fabs(rechts.x / links.x) + std::fabs(links.x / rechts.x) > 16;
    const double vorz = links.x < 0 ? -1 : 1;
    const auto nachT = [&](double x) { return logarithmisch ? std::log(std::fabs(x)) : x; };
    const auto nachX = [&](double t) {
        const double x = logarithmisch ? vorz * std::exp(t) : t;
        return ganz ? std::round(x) : x;
    };
    const auto abstand = [&](const Probewert& p) { return p.definiert ? seite * p.f : HUGE_VAL; };
    const auto kreuzung = [&](const Probewert& p) -> std::optional<Nachsuche> {
        if (auto r = bisektion(links, p, ganz)) return r;
        if (auto r = pruefen(p)) return r;
        return bisektion(p, rechts, ganz);
    };

    const double phi = (std::sqrt(5.0) - 1) / 2;
    double lo = nachT(links.x), hi = nachT(rechts.x);
    double t1 = hi - phi * (hi - lo), t2 = lo + phi * (hi - lo);
    Probewert p1, p2;
    for (auto [t, p] : {std::pair{t1, &p1}, std::pair{t2, &p2}}) {
        const auto q = schritt(nachX(t));
        if (!q) return ende();
        *p = *q;
        if (p->definiert && abstand(*p) <= 0) return kreuzung(*p);
    }
    for (int i = 2; i < kExtremumSchritte; ++i) {
        const bool linksWeiter = abstand(p1) < abstand(p2);
        if (linksWeiter) {
            hi = t2;
            t2 = t1;
            p2 = p1;
            t1 = hi - phi * (hi - lo);
        } else {
            lo = t1;
            t1 = t2;
            p1 = p2;
            t2 = lo + phi * (hi - lo);
        }
        const double x = nachX(linksWeiter ? t1 : t2);
        if (x == p1.x || x == p2.x) break;  // whole numbers: nothing left between them
        const auto q = schritt(x);
        if (!q) return ende();
        (linksWeiter ? p1 : p2) = *q;
        if (q->definiert && abstand(*q) <= 0) return kreuzung(*q);
    }
    return pruefen(abstand(p1) < abstand(p2) ? p1 : p2);
}

Nachsuche Nachsucher::suchen(std::span<const Probewert> tabelle) {
    // Defined points in index order; verschoben holds each one re-sampled a tiny step
    // towards 0 (where that is defined), the value every sign test below uses. An undefined
    // point (a pole, the edge of the domain) is sampled a tiny step towards each defined
    // neighbour, where a root between the two may show as a sign change.
    std::vector<Probewert> original, verschoben;
    std::vector<bool> anschluss;  // the point follows its predecessor directly in the table
    // A whole support point whose neighbourhood is undefined: an operation defined only at
    // whole numbers, searched there on whole numbers.
    std::vector<bool> ganzzahlig;
    bool vorgaenger = false;
    const auto aufnehmen = [&](const Probewert& p) {
        anschluss.push_back(vorgaenger || ganz_);
        vorgaenger = true;
        original.push_back(p);
        verschoben.push_back(p);
        ganzzahlig.push_back(ganz_);
    };
    for (std::size_t i = 0; i < tabelle.size(); ++i) {
        const auto& p = tabelle[i];
        if (!p.definiert) {
            const bool oben = i + 1 < tabelle.size() && tabelle[i + 1].definiert;
            for (const bool nachOben : {false, true}) {
                // Below the point it joins the defined point before; above it, it starts anew.
                const bool neben = nachOben ? oben : vorgaenger;
                vorgaenger = vorgaenger && !nachOben;
                if (ganz_ || p.x == 0 || !neben) continue;
                const double schritt = std::fabs(p.x) * kSchubs;
                const auto q = auswerten(nachOben ? p.x + schritt : p.x - schritt);
                if (!q) return ende();
                if (q->definiert) aufnehmen(*q);
            }
            vorgaenger = vorgaenger && oben;
            continue;
        }
        aufnehmen(p);
        if (ganz_ || p.x == 0) continue;
        const auto q = auswerten(p.x * (1 - kSchubs));
        if (!q) return ende();
        if (q->definiert) {
            verschoben.back() = *q;
        } else {
            ganzzahlig.back() = p.x == std::floor(p.x);
        }
    }

    const std::size_t anzahl = original.size();
    const auto tiefpunkt = [&](std::size_t j) {
        const auto& l = verschoben[j - 1];
        const auto& m = verschoben[j];
        const auto& r = verschoben[j + 1];
        return vorzeichen(m.f) != 0 && vorzeichen(l.f) == vorzeichen(m.f) &&
               vorzeichen(r.f) == vorzeichen(m.f) && std::fabs(m.f) < std::fabs(l.f) &&
               std::fabs(m.f) < std::fabs(r.f);
    };
    for (std::size_t k = 0; k < anzahl; ++k) {
        if (auto r = pruefen(original[k])) return *r;
        if (k + 1 >= anzahl || !anschluss[k + 1]) continue;
        const auto& p = verschoben[k];
        const auto& q = verschoben[k + 1];
        const bool ganz = ganzzahlig[k] && ganzzahlig[k + 1];
        if (vorzeichen(p.f) * vorzeichen(q.f) < 0) {
            if (auto r = bisektion(p, q, ganz)) return *r;
        } else if (k + 2 < anzahl && anschluss[k + 2] && tiefpunkt(k + 1)) {
            if (auto r = extremum(p, q, verschoben[k + 2], ganz && ganzzahlig[k + 2])) return *r;
        }
    }
    return {Ausgang::Keine, 0};
}

}  // namespace

Nachsuche nachsuchen(std::span<const Probewert> tabelle, double b, bool nurGanzeZahlen,
                     std::int64_t budget, Vorwaerts& vorwaerts) {
    Nachsucher nachsucher(b, nurGanzeZahlen, budget, vorwaerts);
    const auto ergebnis = nachsucher.suchen(tabelle);
    if (ergebnis.ausgang == Nachsuche::Ausgang::Ende && nachsucher.erschoepft()) return {};
    return ergebnis;
}

}  // namespace staffel::solver
