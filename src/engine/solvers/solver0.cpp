#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/modul_ra.h"
#include "engine/solvers/nachsuche.h"
#include "engine/solvers/solver_support.h"
#include "engine/tiefen_zaehler.h"

namespace staffel {

namespace {

using namespace solver;

constexpr int kPunkte = 53;
constexpr int kLetzter = kPunkte - 1;
// Index of S = 10: the last run of defined points is closed here when the operation is
// defined at the largest support point.
constexpr int kSchlussIndex = 40;
// Run boundaries are numbered 1 ... 52.
constexpr int kGrenzen = 52;

const std::array<double, kPunkte>& Stuetzstellen() {
    static const std::array<double, kPunkte> s = [] {
        const double e10 = std::pow(10.0, 10);
        const double e50 = std::pow(10.0, 50);
        const double e100 = std::pow(10.0, 100);
        const double e200 = std::pow(10.0, 200);
        return std::array<double, kPunkte>{-GroessteZahl,
                                           -e200,
                                           -e100,
                                           -e50,
                                           -e10,
                                           -100000,
                                           -1000,
                                           -500,
                                           -100,
                                           -50,
                                           -20,
                                           -15,
                                           -10,
                                           -5,
                                           -3,
                                           -2,
                                           -1.5,
                                           -1.1,
                                           -1,
                                           -0.9,
                                           -0.5,
                                           -0.1,
                                           -0.01,
                                           -0.001,
                                           -1E-06,
                                           0,
                                           1E-06,
                                           0.001,
                                           0.01,
                                           0.1,
                                           0.5,
                                           0.9,
                                           1,
                                           1.001,
                                           1.01,
                                           1.1,
                                           1.5,
                                           2,
                                           3,
                                           5,
                                           10,
                                           15,
                                           20,
                                           50,
                                           100,
                                           500,
                                           1000,
                                           100000,
                                           e10,
                                           e50,
                                           e100,
                                           e200,
                                           GroessteZahl};
    }();
    return s;
}

// The 15-digit decimal text of a number, the precision at which the edge search gives up.
// Written without the C locale, which a host may have set to a decimal comma.
struct Text15 {
    explicit Text15(double x) {
        if (x == 0) x = 0;  // no "-0"
        const auto ende =
            std::to_chars(zeichen, std::end(zeichen), x, std::chars_format::scientific, 14);
        laenge = static_cast<std::size_t>(ende.ptr - zeichen);
    }
    bool operator==(const Text15& other) const {
        return std::string_view(zeichen, laenge) == std::string_view(other.zeichen, other.laenge);
    }
    char zeichen[32];
    std::size_t laenge;
};

}  // namespace

// A friend of ModulRA: it works on the engine state directly.
namespace solver {

// One run of GegenLsg0. A run-time fault of the solver's own arithmetic (a deviation
// beyond the double range, b = 0 in a relative test, an index beyond the tables) ends
// the run with "nicht definiert (IV)"; C++ raises none of them, so each is tested where
// it can occur.
class Gegenloesung0 : private Vorwaerts {
  public:
    // werte, when given, receives every forward value whose deviation from b is formed.
    Gegenloesung0(ModulRA& modul, Int16 n, Int16 d, double b, double e, std::string_view A,
                  bool nachsuche, std::vector<double>* werte)
        : m_(modul), n_(n), d_(d), b_(b), e_(e), A_(A), nachsuche_(nachsuche), werte_(werte) {}

    // The prescribed search, then the follow-up search when it has found no solution.
    double loesen();

  private:
    struct Probe {
        bool definiert;
        double f;
    };
    enum class Weiter { NaechsterLauf, Ende };

    // nullopt (after ending the run) when the deviation leaves the double range.
    std::optional<Probe> probe(double x);
    // Counts one bisection step and forms its midpoint; nullopt once the run has ended (halt,
    // or a bracket wider than the double range).
    std::optional<double> naechsteMitte(double a, double c);
    double laufzeitfehler();
    double angehalten();
    bool loestGleichung(double f, bool& fehler) const;

    double suchen();
    void keineLoesungMelden();
    std::optional<Probewert> auswerten(double x) override;
    bool schritt() override;
    std::int64_t aufwand() const override { return m_.ZaehlerBer.get(); }

    bool ersterDurchgang(int& q);
    Weiter laufBisektion(int lauf);
    Weiter zweiterVersuch(int q);
    double schluss();

    enum class Ausgang { Loesung, Schein, Keine, Ende };
    // Bisects a bracket of the first pass; Loesung sets ergebnis_. Schein: the bracket shrank
    // onto a point that does not solve the equation (a jump of the operation, not a root).
    Ausgang bisektion(Bracket k, bool cDefiniert);
    bool erfuellt(double f) const { return erfuelltGleichung(f, b_); }

    ModulRA& m_;
    const Int16 n_, d_;
    const double b_, e_;
    const std::string_view A_;
    const bool nachsuche_;
    std::vector<double>* const werte_;

    std::array<double, kPunkte> F_{};
    std::array<bool, kPunkte + 1> D_{};    // D_[i + 1] is D(i); D(-1) is false
    std::array<Int16, kGrenzen + 1> M_{};  // M_[1 ... 52]
    std::array<Int16, kGrenzen + 1> M2_{};
    TextId T_ = TextId::Keine;
    double ergebnis_ = 0;
    double mitte_ = 0;
    bool fehler_ = false;
    bool laufzeitfehler_ = false;
    const std::int64_t aufwandVorher_ = m_.ZaehlerBer.get();
    bool keineLoesung_ = false;
    // The last solution an earlier run has found: a later run, the edge search or the tail
    // may not throw it away.
    std::optional<double> loesung_;

    bool D(int i) const { return D_[static_cast<std::size_t>(i + 1)]; }
};

std::optional<Gegenloesung0::Probe> Gegenloesung0::probe(double x) {
    m_.Berechnung(n_, d_, x, e_, A_);
    const double wert = m_.Ergebnis;
    if (werte_) werte_->push_back(std::isfinite(wert) ? wert : 0);
    if (!std::isfinite(wert)) return Probe{false, -b_};
    const double f = wert - b_;
    if (!std::isfinite(f)) {
        laufzeitfehler();
        return std::nullopt;
    }
    return Probe{m_.Fehlerstatus == Fehler::Keiner, f};
}

std::optional<double> Gegenloesung0::naechsteMitte(double a, double c) {
    m_.ZaehlerG00.bump();
    if (m_.haltBefolgen()) {
        angehalten();
        return std::nullopt;
    }
    const double mitte = mitteVon(a, c);
    if (!std::isfinite(mitte)) {
        laufzeitfehler();
        return std::nullopt;
    }
    return mitte;
}

double Gegenloesung0::laufzeitfehler() {
    m_.meldungSetzen(TextId::NichtDefiniertIV);
    if (m_.Fehlerstatus == Fehler::Keiner) m_.Fehlerstatus = Fehler::Gemeldet;
    fehler_ = true;
    laufzeitfehler_ = true;
    return ergebnis_;
}

double Gegenloesung0::angehalten() {
    m_.Fehlerstatus = Fehler::Gemeldet;
    fehler_ = true;
    return ergebnis_;
}

// |f/b| within the solution bound; sets fehler for b = 0.
bool Gegenloesung0::loestGleichung(double f, bool& fehler) const {
    if (b_ == 0) {
        fehler = true;
        return false;
    }
    return toSingle(std::fabs(f / b_)) <= kLoesungsGenauigkeit && erfuellt(f);
}

double Gegenloesung0::loesen() {
    m_.ZaehlerG0.bump();
    const double x = suchen();
    if (!nachsuche_ || (!keineLoesung_ && !laufzeitfehler_)) {
        if (keineLoesung_) keineLoesungMelden();
        return x;
    }

    // Ended without a solution: the follow-up search runs before the message, and when it
    // finds nothing the answer is the one the search gave.
    auto meldung = m_.meldungMerken();
    const auto fehlerstatus = m_.Fehlerstatus;
    const auto& S = Stuetzstellen();
    std::array<Probewert, kPunkte> tabelle;
    for (int i = 0; i < kPunkte; ++i) tabelle[i] = {S[i], F_[i], D(i)};
    const auto nachsuche = nachsuchen(tabelle, b_, false,
                                      nachsucheBudget(m_.ZaehlerBer.get() - aufwandVorher_), *this);
    if (nachsuche.ausgang == Nachsuche::Ausgang::Loesung) {
        ergebnis_ = nachsuche.loesung;
        T_ = {};
        m_.Fehlerstatus = Fehler::Keiner;
        m_.meldungLoeschen();
        return ergebnis_;
    }
    if (nachsuche.ausgang == Nachsuche::Ausgang::Ende) return ergebnis_;
    m_.meldungZurueck(std::move(meldung));
    m_.Fehlerstatus = fehlerstatus;
    if (keineLoesung_) keineLoesungMelden();
    return ergebnis_;
}

// The evaluations of the follow-up search. Unlike the prescribed search's, a deviation
// beyond the double range only leaves its point undefined.
std::optional<Probewert> Gegenloesung0::auswerten(double x) {
    if (m_.haltBefolgen()) {
        angehalten();
        return std::nullopt;
    }
    m_.Fehlerstatus = Fehler::Keiner;
    m_.Berechnung(n_, d_, x, e_, A_);
    if (werte_) werte_->push_back(std::isfinite(m_.Ergebnis) ? m_.Ergebnis : 0);
    const double f = m_.Ergebnis - b_;
    return Probewert{x, f, m_.Fehlerstatus == Fehler::Keiner && std::isfinite(f)};
}

bool Gegenloesung0::schritt() {
    m_.ZaehlerG00.bump();
    if (!m_.haltBefolgen()) return true;
    angehalten();
    return false;
}

double Gegenloesung0::suchen() {
    int q = 0;
    if (!ersterDurchgang(q)) return ergebnis_;
    if (q % 2 != 0) {
        m_.FehlerMeldung(TextId::IntervallFehler);
        return 0;
    }
    m_.AnzahlIntervalle = static_cast<std::uint8_t>(q / 2);
    T_ = {};

    // The trials run nested solves that set AnzahlIntervalle for their own runs: the bound
    // is taken once, as a counting loop takes its limit.
    for (int lauf = 1; lauf <= q / 2; ++lauf) {
        m_.AktIntervall = lauf;
        if (m_.haltBefolgen()) return angehalten();
        if (laufBisektion(lauf) == Weiter::Ende) return ergebnis_;
    }

    if (T_ != TextId::Keine && !loesung_) {
        if (zweiterVersuch(q) == Weiter::Ende) return ergebnis_;
    }
    return schluss();
}

// Samples every support point and splits the table into runs of defined points. False
// when the solver has already ended (halt or fault).
bool Gegenloesung0::ersterDurchgang(int& q) {
    const auto& S = Stuetzstellen();
    int k = 0;
    for (int i = 0; i < kPunkte; ++i) {
        if (m_.haltBefolgen()) {
            angehalten();
            return false;
        }
        m_.Fehlerstatus = Fehler::Keiner;
        const auto p = probe(S[i]);
        if (!p) return false;
        F_[i] = p->f;
        D_[i + 1] = p->definiert;
        if (D(i) != D(i - 1)) {
            if (++k > kGrenzen) {
                laufzeitfehler();
                return false;
            }
            M_[k] = static_cast<Int16>(D(i) ? i : i - 1);
        }
    }
    if (D(kLetzter)) {
        if (++k > kGrenzen) {
            laufzeitfehler();
            return false;
        }
        M_[k] = kSchlussIndex;
    }
    q = 0;
    for (int j = kGrenzen; j >= 1; --j) {
        if (M_[j] != 0) {
            q = j;
            break;
        }
    }
    return true;
}

Gegenloesung0::Weiter Gegenloesung0::laufBisektion(int lauf) {
    const auto& S = Stuetzstellen();
    m_.Fehlerstatus = Fehler::Keiner;
    m_.meldungLoeschen();
    const int lo = M_[2 * lauf - 1];
    const int hi = M_[2 * lauf];

    for (int i = lo; i <= hi; ++i) {
        if (F_[i] == 0) {
            ergebnis_ = S[i];
            return Weiter::Ende;
        }
    }

    int i = lo;
    while (true) {
        if (i + 1 > kLetzter) {
            laufzeitfehler();
            return Weiter::Ende;
        }
        if (!(vorzeichen(F_[i]) * vorzeichen(F_[i + 1]) > 0 && i < hi)) break;
        ++i;
    }
    if (i == hi) {
        if (i - 1 < 0) {
            laufzeitfehler();
            return Weiter::Ende;
        }
        if (vorzeichen(F_[i - 1]) * vorzeichen(F_[i]) > 0) T_ = TextId::KeinVorzeichenwechsel;
    }

    while (true) {
        // The point after a run is usually undefined: its deviation is no evidence of a sign
        // change.
        switch (bisektion(Bracket{S[i], S[i + 1], F_[i], F_[i + 1]}, D(i + 1))) {
            case Ausgang::Ende:
                return Weiter::Ende;
            case Ausgang::Loesung:
                loesung_ = ergebnis_;
                T_ = {};
                return Weiter::NaechsterLauf;
            case Ausgang::Keine:
                return Weiter::NaechsterLauf;
            case Ausgang::Schein:
                T_ = {};
                break;
        }
        // A sign change across a jump holds no root; a later one in the same run may.
        do {
            if (++i >= hi) return Weiter::NaechsterLauf;
        } while (!(vorzeichen(F_[i]) * vorzeichen(F_[i + 1]) < 0));
    }
}

Gegenloesung0::Ausgang Gegenloesung0::bisektion(Bracket k, bool cDefiniert) {
    const auto loesung = [&](double x) {
        ergebnis_ = x;
        return Ausgang::Loesung;
    };
    while (true) {
        if (b_ == 0) {
            laufzeitfehler();
            return Ausgang::Ende;
        }
        if (toSingle(std::fabs(k.fa / b_)) <= kGenauigkeit) return loesung(k.a);
        // Converged by width; a bracket whose ends still miss the equation is narrowed on
        // down to neighbouring doubles before it is judged.
        if (toSingle(std::fabs(k.a - k.c)) <= kGenauigkeit && erfuellt(k.fa)) return loesung(k.a);

        const auto mitte = naechsteMitte(k.a, k.c);
        if (!mitte) return Ausgang::Ende;
        // Beyond |x| = 32 the absolute bound is finer than the spacing of doubles: the
        // bracket cannot narrow any further.
        if (*mitte == k.a || *mitte == k.c) {
            if (erfuellt(k.fa)) return loesung(k.a);
            if (cDefiniert && erfuellt(k.fc)) return loesung(k.c);
            return Ausgang::Schein;
        }

        mitte_ = *mitte;
        const auto p = probe(*mitte);
        if (!p) return Ausgang::Ende;
        if (!p->definiert) return Ausgang::Keine;
        const Half haelfte = k.narrow(*mitte, p->f);
        if (haelfte == Half::None) {
            // Neither half changes sign: this run holds no solution.
            T_ = TextId::KeinVorzeichenwechsel;
            return Ausgang::Keine;
        }
        if (haelfte != Half::Upper) cDefiniert = true;
    }
}

// The second attempt bisects the edges of the runs on definedness.
Gegenloesung0::Weiter Gegenloesung0::zweiterVersuch(int q) {
    const auto& S = Stuetzstellen();
    int p = 1;
    const auto paarSetzen = [&](int unten, int oben) {
        if (p + 1 > kGrenzen) return false;
        M2_[p] = static_cast<Int16>(unten);
        M2_[p + 1] = static_cast<Int16>(oben);
        return true;
    };
    for (int j = 1; j <= q / 2; ++j) {
        if (M_[2 * j - 1] > 0) {
            if (!paarSetzen(M_[2 * j - 1] - 1, M_[2 * j - 1])) {
                laufzeitfehler();
                return Weiter::Ende;
            }
            if (p == 1) {
                p = 3;
            } else if (!(M2_[p] == M2_[p - 2] && M2_[p + 1] == M2_[p - 1])) {
                p += 2;
            }
        }
        if (M_[2 * j] < kLetzter) {
            if (!paarSetzen(M_[2 * j], M_[2 * j] + 1)) {
                laufzeitfehler();
                return Weiter::Ende;
            }
            p += 2;
        }
    }
    for (int j = kGrenzen; j >= 1; --j) {
        if (M2_[j] != 0) {
            q = j;
            break;
        }
    }
    if (q % 2 != 0) {
        m_.FehlerMeldung(TextId::IntervallFehler2);
        return Weiter::Ende;
    }
    m_.AnzahlIntervalle = static_cast<std::uint8_t>(q / 2);
    T_ = {};

    const float relativeGrenze = kGenauigkeit / 400;
    for (int lauf = 1; lauf <= q / 2; ++lauf) {
        m_.AktIntervall = lauf;
        if (m_.haltBefolgen()) {
            angehalten();
            return Weiter::Ende;
        }
        m_.ZaehlerG00 = 0;
        m_.Fehlerstatus = Fehler::Keiner;
        m_.meldungLoeschen();
        const int lo = M2_[2 * lauf - 1];
        const int hi = M2_[2 * lauf];
        double a = S[lo], c = S[hi], fa = F_[lo];
        bool da = D(lo), dc = D(hi);

        while (true) {
            if (a == 0) {  // |(a - c)/a| divides by zero
                laufzeitfehler();
                return Weiter::Ende;
            }
            const double relativ = std::fabs((a - c) / a);
            if (!std::isfinite(relativ)) {
                laufzeitfehler();
                return Weiter::Ende;
            }
            // Equal 15-digit texts need a relative gap below about 1e-14, so the costly
            // texts are written only when the gap is that small.
            if (!(toSingle(relativ) > relativeGrenze) ||
                (relativ < 1e-13 && Text15(a) == Text15(c))) {
                break;
            }

            m_.Fehlerstatus = Fehler::Keiner;
            const auto naechste = naechsteMitte(a, c);
            if (!naechste) return Weiter::Ende;
            const double mitte = *naechste;
            if (mitte == a || mitte == c) break;
            mitte_ = mitte;
            const auto pr = probe(mitte);
            if (!pr) return Weiter::Ende;
            const bool ok = pr->definiert;
            const double fm = pr->f;
            if (!ok && da) {
                c = mitte;
                dc = false;
            } else if (!ok && dc) {
                a = mitte;
                fa = fm;
                da = false;
            } else if (ok && da && vorzeichen(fm) * vorzeichen(fa) < 0) {
                c = mitte;
                dc = true;
            } else if (ok && da) {
                a = mitte;
                fa = fm;
                da = true;
            } else if (ok && dc && vorzeichen(fm) * vorzeichen(fa) < 0) {
                a = mitte;
                fa = fm;
                da = true;
            } else if (ok && dc) {
                c = mitte;
                dc = true;
            } else {
                break;  // neither end defined: the bracket would never change
            }
        }

        m_.Fehlerstatus = Fehler::Keiner;
        const double mitte = (c + a) / 2;
        if (!std::isfinite(mitte)) {
            laufzeitfehler();
            return Weiter::Ende;
        }
        mitte_ = mitte;
        const auto pr = probe(mitte);
        if (!pr) return Weiter::Ende;
        bool fehler = false;
        const bool loest = loestGleichung(pr->f, fehler);
        if (fehler) {
            laufzeitfehler();
            return Weiter::Ende;
        }
        if (pr->definiert && loest) {
            ergebnis_ = mitte;
            T_ = {};
            m_.Fehlerstatus = Fehler::Keiner;
            m_.meldungLoeschen();
            return Weiter::Ende;
        }
    }
    return Weiter::NaechsterLauf;
}

// The tail: the last midpoint nudged by one part in 10^15 down, then up, is taken when it
// solves the equation; failing that, the last solution a run has found.
double Gegenloesung0::schluss() {
    static const double kUnten = 1 - static_cast<double>(kGenauigkeit) / 4;
    static const double kOben = 1 + static_cast<double>(kGenauigkeit) / 4;

    const auto annehmen = [&](double x) {
        ergebnis_ = x;
        T_ = {};
        m_.Fehlerstatus = Fehler::Keiner;
        m_.meldungLoeschen();
        return ergebnis_;
    };

    double x = mitte_ * kUnten;
    for (int versuch = 0; versuch < 2; ++versuch) {
        if (m_.haltBefolgen()) return angehalten();
        m_.Fehlerstatus = Fehler::Keiner;
        const auto p = probe(x);
        if (!p) return ergebnis_;
        if (p->definiert) {
            bool fehler = false;
            const bool loest = loestGleichung(p->f, fehler);
            if (fehler) return laufzeitfehler();
            if (loest) return annehmen(x);
        }
        x *= kOben;
    }

    if (loesung_) return annehmen(*loesung_);
    if (!fehler_) keineLoesung_ = true;
    return ergebnis_;
}

void Gegenloesung0::keineLoesungMelden() {
    if (T_ != TextId::Keine) m_.FehlerMeldung(T_);
    m_.meldungSetzen(TextId::KeineLoesung);
    if (m_.Fehlerstatus == Fehler::Keiner) m_.Fehlerstatus = Fehler::Gemeldet;
}

}  // namespace solver

double ModulRA::GegenLsg0(Int16 n, Int16 d, double b, double e, std::string_view A) {
    const TiefenZaehler tiefe(loeserTiefe_);
    const auto loesen = [&](std::vector<double>* werte) {
        solver::Gegenloesung0 loesung(*this, n, d, b, e, A, tiefe.aeusserste(), werte);
        return loesung.loesen();
    };
    if (!tiefe.aeusserste()) return loesen(nullptr);
    return GegenLsg0Gemerkt(n, d, b, e, A, loesen);
}

}  // namespace staffel
