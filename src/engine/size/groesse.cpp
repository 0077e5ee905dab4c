#include "engine/size/groesse.h"

#include "engine/closed_forms/closed_form_cases.h"
#include "engine/closed_forms/closed_form_table.h"

namespace staffel {

namespace {

// Berechnung for a whole Rechenzahl on wide numbers: the same closed forms (those whose row
// has a wide counterpart), rules and recursion, each with the outcome that the double
// calculation would reach with room enough.
class WeiteRechnung {
  public:
    WeiteRechnung(const ModulRA& modul, WeiterWeg* weg) : modul_(modul), weg_(weg) {}

    // A fractional Rechenzahl only through its closed form.
    OptStufenzahl berechnung(int n, int d, std::string_view A, const Stufenzahl& b,
                             const Stufenzahl& e) {
        if (modul_.haltAngefordert()) return std::nullopt;
        const int fall = closedFormCase(static_cast<Int16>(n), static_cast<Int16>(d), A);
        if (weg_ && !begonnen_) weg_->form = fall;
        begonnen_ = true;
        if (fall != 0) {
            if (const closed_form::WeiteForm weit = closed_form::row(fall).weit) return weit(b, e);
        }
        if (d != 1) return std::nullopt;
        return regeln(n, A, b, e);
    }

  private:
    OptStufenzahl regeln(int n, std::string_view A, const Stufenzahl& b, const Stufenzahl& e) {
        const auto eNull = istGleich(e, 0);
        const auto eNegativ = istNegativ(e);
        if (!eNull || !eNegativ) return std::nullopt;
        if (*eNull) return alsStufenzahl(1);  // rules 1 and 4 for R > 4
        // A negative exponent leaves the whole Rechenzahlen (rule 5).
        if (*eNegativ) return std::nullopt;
        const auto bZwei = istGleich(b, 2);
        const auto eZwei = istGleich(e, 2);
        const auto eEins = istGleich(e, 1);
        const auto bEins = istGleich(b, 1);
        if (!bZwei || !eZwei || !eEins || !bEins) return std::nullopt;
        if (*bZwei && *eZwei) return alsStufenzahl(4);
        if (*eEins) return b;
        if (*bEins) return alsStufenzahl(1);
        return emIII(n, A, b, e);
    }

    OptStufenzahl emIII(int n, std::string_view A, const Stufenzahl& b, const Stufenzahl& e) {
        const auto ganz = istGanz(e);
        if (!ganz || !*ganz) return std::nullopt;
        const auto k = alsAnzahl(e);
        if (!k) return std::nullopt;
        const char ziffer = A.empty() ? '\0' : A.back();
        if (*k < 2 || (ziffer != '0' && ziffer != '1')) return b;
        const std::string_view rest = A.substr(0, A.size() - 1);
        if (weg_) weg_->rekursion = true;

        Stufenzahl v = b;
        for (std::uint64_t i = 1; i <= *k - 1; ++i) {
            OptStufenzahl naechster =
                ziffer == '0' ? berechnung(n - 1, 1, rest, v, b) : berechnung(n - 1, 1, rest, b, v);
            if (!naechster) return std::nullopt;
            if (liegtIn(*naechster, v)) return v;
            // Beyond the countable layers a growing recursion tells nothing more.
            if (naechster->stufen >= kStufenGrenze && naechster->vorzeichen > 0) return naechster;
            const std::uint64_t uebrig = *k >= kStufenGrenze ? kStufenGrenze : *k - 1 - i;
            if (uebrig > 0 && wiederholtSich(v, *naechster)) {
                const std::uint64_t jeDurchlauf = naechster->stufen - v.stufen;
                const std::uint64_t mehr =
                    uebrig > kStufenGrenze / jeDurchlauf ? kStufenGrenze : uebrig * jeDurchlauf;
                return mitWeiterenStufen(std::move(*naechster), mehr);
            }
            v = std::move(*naechster);
        }
        return v;
    }

    const ModulRA& modul_;
    WeiterWeg* weg_;
    bool begonnen_ = false;
};

}  // namespace

OptStufenzahl GroesseStufen(int n, std::string_view A, double b, double e, const ModulRA& modul) {
    if (n < 3) return std::nullopt;
    return WeitBerechnen(n, 1, A, alsStufenzahl(b), alsStufenzahl(e), modul);
}

OptStufenzahl WeitBerechnen(int n, int d, std::string_view A, const Stufenzahl& b,
                            const Stufenzahl& e, const ModulRA& modul, WeiterWeg* weg) {
    return WeiteRechnung(modul, weg).berechnung(n, d, A, b, e);
}

std::optional<std::string> GroesseBerechnen(int n, std::string_view A, double b, double e,
                                            const ModulRA& modul) {
    const OptStufenzahl x = GroesseStufen(n, A, b, e, modul);
    return x ? GroesseText(*x) : std::nullopt;
}

}  // namespace staffel
