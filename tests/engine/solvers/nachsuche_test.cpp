#include "engine/solvers/nachsuche.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace staffel::solver {
namespace {

// A forward operation given by its deviation, defined where `definiert` says; in
// whole-number mode a trial that is not whole counts as a fault.
class Funktion final : public Vorwaerts {
  public:
    Funktion(std::function<double(double)> f, std::function<bool(double)> definiert, bool ganz)
        : f_(std::move(f)), definiert_(std::move(definiert)), ganz_(ganz) {}
    std::optional<Probewert> auswerten(double x) override {
        ++versuche;
        if (ganz_ && x != std::floor(x)) ++unganz;
        return Probewert{x, f_(x), definiert_(x)};
    }
    bool schritt() override { return true; }
    std::int64_t aufwand() const override { return versuche; }
    int unganz = 0;
    int versuche = 0;

  private:
    std::function<double(double)> f_;
    std::function<bool(double)> definiert_;
    bool ganz_;
};

// "0 oder b": b, but 0 at even whole numbers.
double nullOderB(double x) {
    return std::fmod(x, 2) == 0 ? 0 : x;
}

TEST(Nachsuche, FindsTheFirstRootTheSupportTableHides) {
    const double keine = std::nan("");
    const auto ueberall = [](double) { return true; };
    struct Fall {
        const char* was;
        std::function<double(double)> m;
        std::function<bool(double)> definiert;
        std::vector<double> stuetzen;
        double b;
        bool ganz;
        double loesung;
    };
    const Fall faelle[] = {
        {"jump at a support point", nullOderB, ueberall, {5, 10}, 7, false, 7},
        {"the jump itself is no root", nullOderB, ueberall, {5, 10}, 6, false, keine},
        {"jump at a whole-numbered midpoint",
         nullOderB,
         [](double x) { return !(x > 2.5 - 1e-6 && x < 2.5) && !(x > 5.5 - 1e-6 && x < 5.5); },
         {2.5, 5.5},
         3.42423,
         false,
         3.42423},
        {"defined only at whole numbers",
         [](double x) { return x; },
         [](double x) { return x == std::floor(x); },
         {5, 10},
         7,
         false,
         7},
        {"root beside a pole at a support point",
         [](double x) { return 1 / (1 - x); },
         [](double x) { return x != 1; },
         {0.5, 0.9, 1, 1.5},
         25,
         false,
         0.96},
        {"two roots between two support points",
         [](double x) { return std::pow(x, x * x); },
         ueberall,
         {0.1, 0.5, 0.9, 1},
         0.84052,
         false,
         0.502341045892129},
        {"whole numbers: bisected", [](double x) { return x; }, ueberall, {2, 10}, 7, true, 7},
        {"whole numbers: a touching extremum",
         [](double x) { return (x - 4) * (x - 4); },
         ueberall,
         {2, 5, 10},
         0,
         true,
         4},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const auto abweichung = [&](double x) { return f.m(x) - f.b; };
        Funktion vorwaerts(abweichung, f.definiert, f.ganz);
        std::vector<Probewert> tabelle;
        for (double x : f.stuetzen) tabelle.push_back({x, abweichung(x), f.definiert(x)});
        const auto ergebnis = nachsuchen(tabelle, f.b, f.ganz, 400, vorwaerts);
        if (std::isnan(f.loesung)) {
            EXPECT_EQ(ergebnis.ausgang, Nachsuche::Ausgang::Keine) << ergebnis.loesung;
        } else {
            ASSERT_EQ(ergebnis.ausgang, Nachsuche::Ausgang::Loesung);
            EXPECT_NEAR(ergebnis.loesung, f.loesung, 1e-12);
        }
        EXPECT_EQ(vorwaerts.unganz, 0);
    }
}

}  // namespace
}  // namespace staffel::solver
