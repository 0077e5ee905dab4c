#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "engine/modul_ra.h"
#include "engine/solvers/nachsuche.h"
#include "engine/solvers/solver_support.h"
#include "engine/tiefen_zaehler.h"

namespace staffel {

namespace {

using namespace solver;

constexpr int kPunkte = 21;
constexpr int kNull = 10;  // index of the trial exponent 0

const std::array<double, kPunkte>& Probeexponenten() {
    static const std::array<double, kPunkte> x = [] {
        const double e10 = std::pow(10.0, 10);
        const double e100 = std::pow(10.0, 100);
        return std::array<double, kPunkte>{
            -GroessteZahl, -e100, -e10, -1000, -100, -10, -5,   -2,  -1,   -0.5,        0,
            0.5,           1,     2,    5,     10,   100, 1000, e10, e100, GroessteZahl};
    }();
    return x;
}

}  // namespace

// A friend of ModulRA: it works on the engine state directly.
namespace solver {

// The follow-up search's trials: whole exponents only, as the recursion takes no other.
class Exponentenprobe final : public Vorwaerts {
  public:
    Exponentenprobe(ModulRA& modul, Int16 n, Int16 d, double b, double e, std::string_view A)
        : m_(modul), n_(n), d_(d), b_(b), e_(e), A_(A) {}

    std::optional<Probewert> auswerten(double x) override {
        if (m_.haltBefolgen()) {
            m_.Fehlerstatus = Fehler::Gemeldet;
            return std::nullopt;
        }
        m_.Fehlerstatus = Fehler::Keiner;
        const double f = m_.emIII(n_, d_, e_, x, A_) - b_;
        return Probewert{x, f, m_.Fehlerstatus == Fehler::Keiner && std::isfinite(f)};
    }
    std::int64_t aufwand() const override { return m_.ZaehlerBer.get(); }
    bool schritt() override {
        m_.ZaehlerG11.bump();
        if (!m_.haltBefolgen()) return true;
        m_.Fehlerstatus = Fehler::Gemeldet;
        return false;
    }

  private:
    ModulRA& m_;
    const Int16 n_, d_;
    const double b_, e_;
    const std::string_view A_;
};

}  // namespace solver

// Solves m[R, A][e, x] = b for the exponent x. Every trial starts from a clear
// Fehlerstatus, so one failed trial cannot spoil the next; failed trials count as
// undefined points. Run-time faults of the solver's own arithmetic skip the statement that
// raised them: a deviation beyond the double range leaves its point undefined (or ends the
// bisection), b = 0 skips the convergence test.
double ModulRA::GegenLsg1(Int16 n, Int16 d, double b, double e, std::string_view A) {
    using solver::vorzeichen;
    const TiefenZaehler tiefe(loeserTiefe_);
    const std::int64_t aufwandVorher = ZaehlerBer.get();
    ZaehlerG11 = 0;
    ZaehlerG1.bump();
    const auto& X = Probeexponenten();

    const auto keineLoesung = [this] {
        meldungSetzen(TextId::KeineLoesung);
        if (Fehlerstatus == Fehler::Keiner) Fehlerstatus = Fehler::Gemeldet;
        return 0.0;
    };
    const auto angehalten = [this] {
        Fehlerstatus = Fehler::Gemeldet;
        return 0.0;
    };

    std::array<double, kPunkte> G{};
    std::array<bool, kPunkte> definiert{};
    // From the exponent 0 upward, then from -0.5 downward.
    for (int schritt = 0; schritt < kPunkte; ++schritt) {
        const int i = schritt <= kPunkte - 1 - kNull ? kNull + schritt : kPunkte - 1 - schritt;
        if (haltBefolgen()) return angehalten();
        Fehlerstatus = Fehler::Keiner;
        const double wert = emIII(n, d, e, X[i], A);
        if (Fehlerstatus == Fehler::RationalerExponent) return 0;
        const double f = wert - b;
        if (!std::isfinite(f)) continue;
        G[i] = f;
        definiert[i] = Fehlerstatus == Fehler::Keiner;
    }

    Fehlerstatus = Fehler::Keiner;
    meldungLoeschen();
    for (int i = 0; i < kPunkte; ++i) {
        if (definiert[i] && G[i] == 0) return X[i];
    }

    // Sign changes between two defined trials, in index order.
    const auto vorzeichenwechsel = [&](int i) {
        return definiert[i] && definiert[i + 1] && vorzeichen(G[i]) * vorzeichen(G[i + 1]) < 0;
    };
    for (int i = 0; i < kPunkte - 1; ++i) {
        if (!vorzeichenwechsel(i)) continue;
        Bracket k{X[i], X[i + 1], G[i], G[i + 1]};
        while (true) {
            if (b != 0 && toSingle(std::fabs(k.fa / b)) <= kGenauigkeit) return k.a;
            if (b != 0 && toSingle(std::fabs(k.a - k.c)) <= kGenauigkeit &&
                erfuelltGleichung(k.fa, b)) {
                return k.a;
            }
            ZaehlerG11.bump();
            if (haltBefolgen()) return angehalten();
            const double mitte = mitteVon(k.a, k.c);
            // Narrowed to neighbouring doubles: a root, or a jump of the operation.
            if (mitte == k.a || mitte == k.c) {
                if (erfuelltGleichung(k.fa, b)) return k.a;
                if (erfuelltGleichung(k.fc, b)) return k.c;
                break;
            }

            const double wert = emIII(n, d, e, mitte, A);
            if (Fehlerstatus != Fehler::Keiner) return 0;
            const double fm = wert - b;
            if (!std::isfinite(fm) || k.narrow(mitte, fm) == Half::None) break;
        }
    }

    if (!tiefe.aeusserste()) return keineLoesung();
    auto meldung = meldungMerken();
    const auto fehlerstatus = Fehlerstatus;
    std::array<Probewert, kPunkte> tabelle;
    for (int i = 0; i < kPunkte; ++i) tabelle[i] = {X[i], G[i], definiert[i]};
    solver::Exponentenprobe probe(*this, n, d, b, e, A);
    const auto nachsuche =
        nachsuchen(tabelle, b, true, nachsucheBudget(ZaehlerBer.get() - aufwandVorher), probe);
    if (nachsuche.ausgang == Nachsuche::Ausgang::Ende) return 0;
    if (nachsuche.ausgang == Nachsuche::Ausgang::Loesung) {
        Fehlerstatus = Fehler::Keiner;
        meldungLoeschen();
        return nachsuche.loesung;
    }
    meldungZurueck(std::move(meldung));
    Fehlerstatus = fehlerstatus;
    return keineLoesung();
}

}  // namespace staffel
