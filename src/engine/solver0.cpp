#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

#include "engine/modul_ra.h"
#include "engine/solver_support.h"

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

constexpr std::string_view kIntervallFehler =
    "Fehler beim Suchen definierter Intervalle (Gegenlsg.)!";
constexpr std::string_view kIntervallFehler2 =
    "Fehler beim Suchen definierter Intervalle (Gegenlsg.(2))!";

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
struct Text15 {
    explicit Text15(double x) {
        if (x == 0) x = 0;  // no "-0"
        std::snprintf(zeichen, sizeof zeichen, "%.14e", x);
    }
    bool operator==(const Text15& other) const { return std::strcmp(zeichen, other.zeichen) == 0; }
    char zeichen[32];
};

// One run of GegenLsg0. A run-time fault of the solver's own arithmetic (a deviation
// beyond the double range, b = 0 in a relative test, an index beyond the tables) ends
// the run with "nicht definiert (IV)"; C++ raises none of them, so each is tested where
// it can occur.
class Gegenloesung0 {
  public:
    Gegenloesung0(ModulRA& modul, Int16 n, Int16 d, double b, double e, std::string_view A)
        : m_(modul), n_(n), d_(d), b_(b), e_(e), A_(A) {}

    double loesen();

  private:
    struct Probe {
        bool definiert;
        double f;
    };
    // A bracket known to hold a solution: a true sign change between two defined points,
    // or a single point whose deviation already meets the bisection bound.
    struct Klammer {
        double a = 0, c = 0, fa = 0, fc = 0;
        bool vorhanden = false;
    };
    enum class Weiter { NaechsterLauf, Ende };

    std::optional<Probe> probe(double x);
    double laufzeitfehler();
    double angehalten();
    bool loestGleichung(double f, bool& fehler) const;

    bool ersterDurchgang(int& q);
    Weiter laufBisektion(int lauf);
    Weiter zweiterVersuch(int q);
    double schluss();
    bool klammerSchaerfen(double& loesung);

    ModulRA& m_;
    const Int16 n_, d_;
    const double b_, e_;
    const std::string_view A_;

    std::array<double, kPunkte> F_{};
    std::array<bool, kPunkte + 1> D_{};    // D_[i + 1] is D(i); D(-1) is false
    std::array<Int16, kGrenzen + 1> M_{};  // M_[1 ... 52]
    std::array<Int16, kGrenzen + 1> M2_{};
    std::string_view T_;
    double ergebnis_ = 0;
    double mitte_ = 0;
    bool fehler_ = false;
    Klammer klammer_;

    bool D(int i) const { return D_[static_cast<std::size_t>(i + 1)]; }
};

std::optional<Gegenloesung0::Probe> Gegenloesung0::probe(double x) {
    m_.Berechnung(n_, d_, x, e_, A_);
    const double wert = m_.Ergebnis;
    if (!std::isfinite(wert)) return Probe{false, -b_};
    const double f = wert - b_;
    if (!std::isfinite(f)) return std::nullopt;
    return Probe{m_.Fehlerstatus == 0, f};
}

double Gegenloesung0::laufzeitfehler() {
    m_.Meldung = kNichtDefiniert;
    if (m_.Fehlerstatus == 0) m_.Fehlerstatus = 1;
    fehler_ = true;
    return ergebnis_;
}

double Gegenloesung0::angehalten() {
    m_.Fehlerstatus = 1;
    fehler_ = true;
    return ergebnis_;
}

// |f/b| within the solution bound; sets fehler for b = 0.
bool Gegenloesung0::loestGleichung(double f, bool& fehler) const {
    if (b_ == 0) {
        fehler = true;
        return false;
    }
    return einfach(std::fabs(f / b_)) <= kLoesungsGenauigkeit;
}

double Gegenloesung0::loesen() {
    m_.ZaehlerG0.bump();

    int q = 0;
    if (!ersterDurchgang(q)) return ergebnis_;
    if (q % 2 != 0) {
        m_.FehlerMeldung(kIntervallFehler);
        return 0;
    }
    m_.AnzahlIntervalle = static_cast<std::uint8_t>(q / 2);
    T_ = {};

    for (int lauf = 1; lauf <= m_.AnzahlIntervalle; ++lauf) {
        m_.AktIntervall = lauf;
        if (m_.haltAngefordert()) return angehalten();
        if (laufBisektion(lauf) == Weiter::Ende) return ergebnis_;
    }

    if (!T_.empty()) {
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
        if (m_.haltAngefordert()) {
            angehalten();
            return false;
        }
        m_.Fehlerstatus = 0;
        const auto p = probe(S[i]);
        if (!p) {
            laufzeitfehler();
            return false;
        }
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
    m_.Fehlerstatus = 0;
    m_.Meldung.clear();
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
        if (vorzeichen(F_[i - 1]) * vorzeichen(F_[i]) > 0) T_ = kKeinVorzeichenwechsel;
    }

    double a = S[i], c = S[i + 1], fa = F_[i], fc = F_[i + 1];
    // Whether fc comes from a defined point: the point after a run is usually undefined,
    // and its deviation is then no evidence of a sign change.
    bool cDefiniert = D(i + 1);
    const auto echteKlammer = [&] {
        return cDefiniert && (vorzeichen(fa) * vorzeichen(fc) < 0 || fa == 0);
    };
    const auto konvergiert = [&] {
        ergebnis_ = a;
        T_ = {};
        if (echteKlammer()) klammer_ = Klammer{a, c, fa, fc, true};
        return Weiter::NaechsterLauf;
    };

    while (true) {
        if (b_ == 0) {
            laufzeitfehler();
            return Weiter::Ende;
        }
        if (einfach(std::fabs(fa / b_)) <= kGenauigkeit) {
            ergebnis_ = a;
            T_ = {};
            klammer_ = Klammer{a, a, fa, fa, true};
            return Weiter::NaechsterLauf;
        }
        if (einfach(std::fabs(a - c)) <= kGenauigkeit) return konvergiert();

        m_.ZaehlerG00.bump();
        if (m_.haltAngefordert()) {
            angehalten();
            return Weiter::Ende;
        }
        const double mitte = mitteVon(a, c);
        if (!std::isfinite(mitte)) {
            laufzeitfehler();
            return Weiter::Ende;
        }
        // Beyond |x| = 32 the absolute bound is finer than the spacing of doubles: the
        // bracket cannot narrow any further.
        if (mitte == a || mitte == c) return konvergiert();

        mitte_ = mitte;
        const auto p = probe(mitte);
        if (!p) {
            laufzeitfehler();
            return Weiter::Ende;
        }
        if (!p->definiert) return Weiter::NaechsterLauf;
        const double fm = p->f;
        if (vorzeichen(fm) * vorzeichen(fa) < 0) {
            c = mitte;
            fc = fm;
            cDefiniert = true;
        } else if (vorzeichen(fc) * vorzeichen(fm) < 0) {
            a = mitte;
            fa = fm;
        } else if (fm == 0) {
            a = mitte;
            c = mitte;
            fa = fm;
            fc = fm;
            cDefiniert = true;
        } else {
            // Neither half changes sign: this run holds no solution.
            T_ = kKeinVorzeichenwechsel;
            return Weiter::NaechsterLauf;
        }
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
    for (int j = 1; j <= m_.AnzahlIntervalle; ++j) {
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
        m_.FehlerMeldung(kIntervallFehler2);
        return Weiter::Ende;
    }
    m_.AnzahlIntervalle = static_cast<std::uint8_t>(q / 2);
    T_ = {};

    const float relativeGrenze = kGenauigkeit / 400;
    for (int lauf = 1; lauf <= m_.AnzahlIntervalle; ++lauf) {
        m_.AktIntervall = lauf;
        if (m_.haltAngefordert()) {
            angehalten();
            return Weiter::Ende;
        }
        m_.ZaehlerG00 = 0;
        m_.Fehlerstatus = 0;
        m_.Meldung.clear();
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
            if (!(einfach(relativ) > relativeGrenze) || Text15(a) == Text15(c)) break;

            m_.Fehlerstatus = 0;
            m_.ZaehlerG00.bump();
            if (m_.haltAngefordert()) {
                angehalten();
                return Weiter::Ende;
            }
            const double mitte = mitteVon(a, c);
            if (!std::isfinite(mitte)) {
                laufzeitfehler();
                return Weiter::Ende;
            }
            if (mitte == a || mitte == c) break;
            mitte_ = mitte;
            const auto pr = probe(mitte);
            if (!pr) {
                laufzeitfehler();
                return Weiter::Ende;
            }
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

        m_.Fehlerstatus = 0;
        const double mitte = (c + a) / 2;
        if (!std::isfinite(mitte)) {
            laufzeitfehler();
            return Weiter::Ende;
        }
        mitte_ = mitte;
        const auto pr = probe(mitte);
        if (!pr) {
            laufzeitfehler();
            return Weiter::Ende;
        }
        bool fehler = false;
        const bool loest = loestGleichung(pr->f, fehler);
        if (fehler) {
            laufzeitfehler();
            return Weiter::Ende;
        }
        if (pr->definiert && loest) {
            ergebnis_ = mitte;
            T_ = {};
            m_.Fehlerstatus = 0;
            m_.Meldung.clear();
            return Weiter::Ende;
        }
    }
    return Weiter::NaechsterLauf;
}

// Narrows the last bracket that holds a solution down to neighbouring doubles and
// returns its better end. False when that is impossible (halt, fault, undefined point).
bool Gegenloesung0::klammerSchaerfen(double& loesung) {
    if (!klammer_.vorhanden) return false;
    double a = klammer_.a, c = klammer_.c, fa = klammer_.fa, fc = klammer_.fc;
    while (true) {
        if (m_.haltAngefordert()) {
            angehalten();
            return false;
        }
        const double mitte = mitteVon(a, c);
        if (!std::isfinite(mitte) || mitte == a || mitte == c) break;
        m_.ZaehlerG00.bump();
        m_.Fehlerstatus = 0;
        const auto p = probe(mitte);
        if (!p) {
            laufzeitfehler();
            return false;
        }
        if (!p->definiert) return false;
        if (vorzeichen(p->f) * vorzeichen(fa) < 0) {
            c = mitte;
            fc = p->f;
        } else if (vorzeichen(p->f) * vorzeichen(fc) < 0) {
            a = mitte;
            fa = p->f;
        } else {
            a = c = mitte;
            fa = fc = p->f;
        }
    }
    loesung = std::fabs(fa) <= std::fabs(fc) ? a : c;
    return true;
}

// The tail: the last midpoint nudged by one part in 10^15 down, then up, is taken when it
// solves the equation; failing that, the last bracket known to hold a solution.
double Gegenloesung0::schluss() {
    static const double kUnten = 1 - static_cast<double>(kGenauigkeit) / 4;
    static const double kOben = 1 + static_cast<double>(kGenauigkeit) / 4;

    const auto annehmen = [&](double x) {
        ergebnis_ = x;
        T_ = {};
        m_.Fehlerstatus = 0;
        m_.Meldung.clear();
        return ergebnis_;
    };

    double x = mitte_ * kUnten;
    for (int versuch = 0; versuch < 2; ++versuch) {
        if (m_.haltAngefordert()) return angehalten();
        m_.Fehlerstatus = 0;
        const auto p = probe(x);
        if (!p) return laufzeitfehler();
        if (p->definiert) {
            bool fehler = false;
            const bool loest = loestGleichung(p->f, fehler);
            if (fehler) return laufzeitfehler();
            if (loest) return annehmen(x);
        }
        x *= kOben;
    }

    double loesung = 0;
    if (klammerSchaerfen(loesung)) return annehmen(loesung);
    if (fehler_) return ergebnis_;

    if (!T_.empty()) m_.FehlerMeldung(T_);
    m_.Meldung = kKeineLoesung;
    if (m_.Fehlerstatus == 0) m_.Fehlerstatus = 1;
    return ergebnis_;
}

}  // namespace

double ModulRA::GegenLsg0(Int16 n, Int16 d, double b, double e, std::string_view A) {
    Gegenloesung0 loesung(*this, n, d, b, e, A);
    return loesung.loesen();
}

}  // namespace staffel
