#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "engine/modul_ra.h"
#include "engine/numbers/number_text.h"

namespace staffel {

namespace {

constexpr int kMaxStellen = 32767;

bool aufloesungsneutral(double R) {
    return R == 1 || R == 2 || R == 3 || R == 4 || R == 5 || R == 1.0 / 2 || R == 1.0 / 3 ||
           R == 1.0 / 4 || R == 3.0 / 2;
}

// The list text under construction; every element is followed by ", " until the next
// separator or the closing brace replaces it.
class Liste {
  public:
    explicit Liste(const std::string& erstes) : text_("{ " + erstes + ", ") {}
    void element(std::string_view element) {
        text_ += element;
        text_ += ", ";
    }
    void trenner(std::string_view trenner) {
        text_.resize(text_.size() - 2);
        text_ += trenner;
    }
    std::string schliessen() && {
        trenner(" }");
        return std::move(text_);
    }

  private:
    std::string text_;
};

}  // namespace

// Walks the chain of reductions on local copies; R is expected to be n / d. The state
// changes only when the whole list fits the 16-bit arithmetic of the engine.
std::optional<TextId> ModulRA::AuflListeBilden(Int16 n, Int16 d, double R) {
    if (d == 0) return TextId::NennerNull;
    if (n == 0 || R == 0) return TextId::RechenzahlNull;

    const std::string rechenart = Trimmen(RechenartText);
    const std::string bruchText = Trimmen(BruchText);
    Liste liste(RechenartText);

    if (bruchText != rechenart) {
        liste.trenner(" = ");
        liste.element(d == 1 ? std::to_string(n) : bruchText);
    }

    if (R < 0) {
        const auto absN = abs16(n);
        const auto absD = abs16(d);
        const auto summe = absN && absD ? add16(*absN, *absD) : std::nullopt;
        if (!summe) return TextId::AuflListeBereich;
        n = *absD;
        d = *summe;
        liste.trenner(" , ");
        liste.element(BruchFormat(n, d));
        R = 1 / (1 - R);
    }

    int stellen = 0;
    const auto zaehlen = [&stellen](double schritte) {
        if (!(schritte >= 0) || stellen + schritte > kMaxStellen) return false;
        stellen += static_cast<int>(schritte);
        return true;
    };

    while (!aufloesungsneutral(R)) {
        if (R < 1) {
            if (n == 0 || !zaehlen(1)) return TextId::AuflListeBereich;
            std::swap(n, d);
            liste.element(GanzOderBruch(n, d));
            R = static_cast<double>(n) / d;
        } else if (n % d == 0) {
            // Whole numbers, also those held unreduced (1000/125 from inverting 0.125), go
            // straight down to 5; counting the fraction down would end at 0/d.
            const int ganz = n / d;
            if (!zaehlen(ganz - 5)) return TextId::AuflListeBereich;
            for (int k = ganz - 1; k >= 5; --k) liste.element(std::to_string(k));
            R = 5;
        } else if (d == 2) {
            const double k = std::floor(R);
            if (!zaehlen(k - 1)) return TextId::AuflListeBereich;
            for (int i = 1; i < k; ++i) {
                const auto kleiner = sub16(n, 2);
                if (!kleiner) return TextId::AuflListeBereich;
                n = *kleiner;
                liste.element(BruchFormat(n, d));
            }
            R = static_cast<double>(n) / d;
        } else {
            const double k = std::floor(R);
            if (!zaehlen(k)) return TextId::AuflListeBereich;
            for (int i = 0; i < k; ++i) {
                const auto kleiner = sub16(n, d);
                if (!kleiner) return TextId::AuflListeBereich;
                n = *kleiner;
                liste.element(BruchFormat(n, d));
            }
            R = static_cast<double>(n) / d;
        }
    }

    AuflListe = std::move(liste).schliessen();
    AnzahlStellen = static_cast<Int16>(stellen);
    RechenartText = rechenart;
    BruchText = bruchText;
    return std::nullopt;
}

}  // namespace staffel
