#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/memo/jeder_zaehler.h"
#include "engine/modul_ra.h"

namespace staffel {

namespace {

struct ZaehlerStart {
    std::int64_t wert = 0;
    std::uint64_t zuweisungen = 0;
};

// Marks a recording as open while its call runs, so that the boxes raised meanwhile are
// logged; the log ends with the outermost recording, also when the call is left by an
// exception.
class Aufnahme {
  public:
    explicit Aufnahme(Memo& memo) noexcept : memo_(memo), logStart_(memo.meldungsLog.size()) {
        ++memo_.offeneAufnahmen;
    }
    ~Aufnahme() {
        if (--memo_.offeneAufnahmen == 0) memo_.meldungsLog.clear();
    }
    Aufnahme(const Aufnahme&) = delete;
    Aufnahme& operator=(const Aufnahme&) = delete;

    std::vector<TextId> meldungen() const {
        return {memo_.meldungsLog.begin() + static_cast<std::ptrdiff_t>(logStart_),
                memo_.meldungsLog.end()};
    }

  private:
    Memo& memo_;
    std::size_t logStart_;
};

// A recorded call's start text and id, which come back as they were when the call is left by
// an exception (short of memory).
template <class Id>
class StartText {
  public:
    StartText(std::string& text, Id& id)
        : text_(text), vorher_(std::move(text)), id_(id), idVorher_(id) {}
    ~StartText() {
        if (beendet_) return;
        text_ = std::move(vorher_);
        id_ = idVorher_;
    }
    StartText(const StartText&) = delete;
    StartText& operator=(const StartText&) = delete;

  protected:
    std::string& text_;
    std::string vorher_;
    Id& id_;
    Id idVorher_;
    bool beendet_ = false;
};

// While a call records its effect, Meldung holds a placeholder text that the engine never
// writes, so that afterwards the text shows whether the call wrote it. The start text comes
// back where the call left it.
class MeldungPlatzhalter : StartText<TextId> {
  public:
    MeldungPlatzhalter(std::string& text, TextId& id) : StartText(text, id) {
        text_.assign(kPlatzhalter);
    }

    TextWirkung beenden() {
        beendet_ = true;
        if (text_ != kPlatzhalter) return TextWirkung::Gesetzt;
        text_ = std::move(vorher_);
        return TextWirkung::Unveraendert;
    }

  private:
    static constexpr std::string_view kPlatzhalter = "\x01";
};

// While a call records its effect, NameRechenartId holds a placeholder that names no operation
// but keeps whether the start name is an inverse's, so that emIV inside prefixes the name or
// not as it would have; afterwards the id shows whether the call wrote a name, put the
// inverse's prefix before the start name, or left it. Meanwhile the text holds only what the
// call added; the start text comes back where the call did not replace it.
class NamePlatzhalter : StartText<RechenartName> {
  public:
    NamePlatzhalter(std::string& text, RechenartName& id) : StartText(text, id) {
        text_.clear();
        id_.basis = TextId::Keine;
    }

    TextWirkung beenden() {
        beendet_ = true;
        if (id_.basis != TextId::Keine) return TextWirkung::Gesetzt;
        id_.basis = idVorher_.basis;
        if (id_.gegenrechenart == idVorher_.gegenrechenart) {
            text_ = std::move(vorher_);
            return TextWirkung::Unveraendert;
        }
        // Only emIV turns the flag on, and only on a name that had it off: the text is the
        // prefix alone.
        text_.append(vorher_);
        return TextWirkung::Praefix;
    }
};

// Between the engine's fields and the memo's copies of them, field by field.
#define STAFFEL_LESEN(typ, name) z.name = name;
#define STAFFEL_SCHREIBEN(typ, name) name = z.name;

}  // namespace

MemoSchluessel ModulRA::memoSchluessel(Int16 n, Int16 d, double b, double e, std::string_view A) {
    MemoSchluessel s;
    s.b = std::bit_cast<std::uint64_t>(b);
    s.e = std::bit_cast<std::uint64_t>(e);
    s.A.assign(A);
    s.n = n;
    s.d = d;
    ZustandImSchluessel& z = s.zustand;
    STAFFEL_SICHT_SCHLUESSEL(STAFFEL_LESEN)
    s.nameGegen = NameRechenartId.gegenrechenart;
    s.still = meldungenStill();
    s.streuwertSetzen();
    return s;
}

void ModulRA::memoAnwenden(const MemoWirkung& w) {
    const ZustandInWirkung& z = w.zustand;
    STAFFEL_SICHT_WIRKUNG(STAFFEL_SCHREIBEN)
    if (w.meldungWirkung == TextWirkung::Gesetzt) meldungSetzen(w.meldung);
    if (w.nameWirkung == TextWirkung::Gesetzt) {
        nameSetzen(w.name);
    } else if (w.nameWirkung == TextWirkung::Praefix) {
        gegenrechenartVorsetzen();
    }
    jedenZaehler([&w](std::size_t i, auto& zaehler) {
        using T = decltype(zaehler.get());
        const std::int64_t wert = w.zaehler[i];
        if (w.gesetzt & (1u << i)) {
            zaehler = static_cast<T>(wert);
        } else if (wert != 0) {
            zaehler.bump(wert);
        }
    });
    for (const TextId meldung : w.meldungen) {
        if (memo_.offeneAufnahmen > 0) memo_.meldungsLog.push_back(meldung);
        if (host_ != nullptr) meldungZeigen(meldung);
    }
    tiefsteTiefe_ = std::max(tiefsteTiefe_, tiefe_ + w.tiefe);
}

std::optional<MemoWirkung> ModulRA::wirkungAufnehmen(const std::function<void()>& aufruf) {
    std::array<ZaehlerStart, kMemoZaehler> start;
    jedenZaehler([&start](std::size_t i, const auto& zaehler) {
        start[i] = {zaehler.get(), zaehler.zuweisungen()};
    });
    const int tiefsteDavor = tiefsteTiefe_;
    tiefsteTiefe_ = tiefe_;
    const Aufnahme aufnahme(memo_);
    MeldungPlatzhalter meldung(Meldung, MeldungId);
    NamePlatzhalter name(NameRechenart, NameRechenartId);

    aufruf();
    MemoWirkung w;
    // The texts written are taken before the start texts come back.
    w.meldungWirkung = meldung.beenden();
    if (w.meldungWirkung == TextWirkung::Gesetzt) w.meldung = MeldungId;
    w.nameWirkung = name.beenden();
    if (w.nameWirkung == TextWirkung::Gesetzt) w.name = NameRechenartId;

    const int tiefste = tiefsteTiefe_;
    tiefsteTiefe_ = std::max(tiefsteDavor, tiefste);
    // A halted call has not run to its end, and one that went too deep depends on the depth
    // it started at.
    if (wurdeAngehalten() || tiefste > kMaxTiefe) return std::nullopt;

    ZustandInWirkung& z = w.zustand;
    STAFFEL_SICHT_WIRKUNG(STAFFEL_LESEN)
    w.tiefe = tiefste - tiefe_;
    jedenZaehler([&w, &start](std::size_t i, const auto& zaehler) {
        const bool gesetzt = zaehler.zuweisungen() != start[i].zuweisungen;
        w.zaehler[i] = gesetzt ? zaehler.get() : zaehler.get() - start[i].wert;
        if (gesetzt) w.gesetzt |= static_cast<std::uint16_t>(1u << i);
    });
    w.meldungen = aufnahme.meldungen();
    return w;
}

void ModulRA::RegelnAnwenden(Int16 n, Int16 d, double b, double e, std::string_view A) {
    if (!Regeln(n, d, b, e, A)) FehlerMeldung(TextId::UmformungUeberlauf);
}

void ModulRA::RegelnGemerkt(Int16 n, Int16 d, double b, double e, std::string_view A) {
    const std::size_t gestalt = memo_.gestalt(n, d, A);
    const std::int64_t berVorher = ZaehlerBer.get();
    if (!memo_.lohnend(gestalt)) {
        RegelnAnwenden(n, d, b, e, A);
        memo_.kostenMerken(gestalt, ZaehlerBer.get() - berVorher);
        return;
    }
    MemoSchluessel schluessel = memoSchluessel(n, d, b, e, A);
    if (const MemoWirkung* w = memo_.finden(schluessel)) {
        if (tiefe_ + w->tiefe <= kMaxTiefe) {
            memoAnwenden(*w);
            memo_.kostenMerken(gestalt, ZaehlerBer.get() - berVorher);
            return;
        }
    }

    auto w = wirkungAufnehmen([&] {
        RegelnAnwenden(n, d, b, e, A);
        memo_.kostenMerken(gestalt, ZaehlerBer.get() - berVorher);
    });
    if (w) memo_.merken(std::move(schluessel), std::move(*w));
}

}  // namespace staffel
