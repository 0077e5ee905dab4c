#pragma once

// The memo of nested calculations: the solvers and their trials ask for the same inner
// calculation over and over, so the first run of one records its whole effect on the engine
// state and every repeat applies that effect instead of computing it. Engine-internal; each
// ModulRA owns one.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/fehler.h"
#include "engine/model/engine_texte.h"
#include "engine/modul_felder.h"
#include "engine/numbers/int16.h"

namespace staffel {

// The engine's fields in a nested calculation's key, its effect and the state a fixed point
// compares, by their roles (modul_felder.h).
struct ZustandImSchluessel {
    STAFFEL_SICHT_SCHLUESSEL(STAFFEL_FELD)
    bool operator==(const ZustandImSchluessel&) const = default;
};
struct ZustandInWirkung {
    STAFFEL_SICHT_WIRKUNG(STAFFEL_FELD)
};
struct ZustandImStand {
    STAFFEL_SICHT_STAND(STAFFEL_FELD)
};

// Everything a nested calculation's effect depends on besides constant tables: its arguments
// and the fields of the key's roles. On entry the calculation has already written Ergebnis
// (0), NAGefunden (0) and RechenzahlWert (n/d), so those follow from n and d. Of the texts,
// Meldung is never read inside, and of NameRechenart only whether it names an inverse
// already; the effect tells whether the call wrote them (MemoWirkung). The depth is not part
// of the key: a call's effect is the same at every depth from which its deepest level stays
// within kMaxTiefe (MemoWirkung::tiefe).
struct MemoSchluessel {
    // Taken once the fields are filled (streuwertSetzen); first, so that comparing two keys
    // fails fast, and a lookup walking a bucket or a rehash never hashes a key again.
    std::size_t streuwert = 0;
    std::uint64_t b = 0, e = 0;  // by their bits: -0 and 0 take different ways
    std::string A;
    Int16 n = 0, d = 0;
    ZustandImSchluessel zustand;
    bool nameGegen = false;  // NameRechenart names an inverse
    bool still = false;      // messages raise no box (ModulRA::meldungenStill)
    bool operator==(const MemoSchluessel&) const = default;
    void streuwertSetzen() noexcept;
};

inline constexpr std::size_t kMemoZaehler = 0 STAFFEL_SICHT_ZAEHLER(STAFFEL_EINS);

// A field's value as bits, for hashing and comparing: a double by its bits, since -0 and 0
// take different ways.
template <class T>
std::uint64_t alsBits(const T& wert) noexcept {
    if constexpr (std::is_floating_point_v<T>) {
        return std::bit_cast<std::uint64_t>(wert);
    } else if constexpr (std::is_enum_v<T>) {
        return static_cast<std::uint64_t>(static_cast<std::underlying_type_t<T>>(wert));
    } else {
        return static_cast<std::uint64_t>(wert);
    }
}
template <class T>
bool gleich(const T& a, const T& b) {
    if constexpr (std::is_floating_point_v<T>) {
        return alsBits(a) == alsBits(b);
    } else {
        return a == b;
    }
}

// What a call did to a text: left it, put the inverse's prefix before it (NameRechenart
// only), or wrote the text recorded in MemoWirkung.
enum class TextWirkung : std::uint8_t { Unveraendert, Praefix, Gesetzt };

struct MemoWirkung {
    ZustandInWirkung zustand;
    TextId meldung = TextId::Keine;
    RechenartName name;
    TextWirkung meldungWirkung = TextWirkung::Unveraendert;
    TextWirkung nameWirkung = TextWirkung::Unveraendert;
    int tiefe = 0;  // levels below the call that it reached
    // Each counter after the call: the value it was last assigned (a solver resets its own;
    // bit i of gesetzt), or else how much the call counted on top of the start value.
    std::array<std::int64_t, kMemoZaehler> zaehler{};
    std::uint16_t gesetzt = 0;
    std::vector<TextId> meldungen;  // boxes raised, in order
};

// The engine state before one pass of a recursion loop (ModulRA::emIII). A pass that gives
// back its input and leaves all of this but the counters' values as it found it has a
// successor that is the same call on the same state: every later pass does what it did.
struct DurchlaufStand {
    ZustandImStand zustand;
    std::array<std::int64_t, kMemoZaehler> zaehler{};
    std::array<std::uint64_t, kMemoZaehler> zuweisungen{};
    std::uint64_t gezeigteMeldungen = 0;
    bool still = false;
};

struct MemoSchluesselHash {
    std::size_t operator()(const MemoSchluessel& s) const noexcept { return s.streuwert; }
};

// The recorded effects, bounded in memory: when the newer half is full, the older half is
// dropped and the newer becomes the older. An entry used from the older half moves back.
class Memo {
  public:
    static constexpr std::size_t kStandardBytes = std::size_t{64} << 20;

    bool aktiv() const noexcept { return aktiv_; }
    void einschalten(bool an) noexcept { aktiv_ = an; }
    void setGrenze(std::size_t bytes) noexcept { grenzeBytes_ = bytes; }

    // Calls of one shape (n, d, A) are either all dear or all cheap, as a rule: a cheap one
    // costs more to look up and record than to compute. Which shape a call has, and whether
    // shapes like it have been worth remembering so far; `kosten` counts the Berechnung
    // passes one call took.
    std::size_t gestalt(Int16 n, Int16 d, std::string_view A) noexcept;
    bool lohnend(std::size_t gestalt) const noexcept;
    void kostenMerken(std::size_t gestalt, std::int64_t kosten) noexcept;

    // The effect recorded for the key, or nullptr.
    const MemoWirkung* finden(const MemoSchluessel& schluessel);
    void merken(MemoSchluessel schluessel, MemoWirkung wirkung);
    // Forgets every effect: each top-level calculation starts empty.
    void leeren();

    // Boxes raised while some call records its effect; each recording notes where its own
    // start.
    std::vector<TextId> meldungsLog;
    int offeneAufnahmen = 0;

  private:
    void vergessen() noexcept;

    struct Gestalt {
        std::size_t marke = 0;
        std::int64_t aufrufe = 0, kosten = 0;
    };
    static constexpr std::size_t kGestalten = 256;
    std::array<Gestalt, kGestalten> gestalten_{};

    using Tabelle = std::unordered_map<MemoSchluessel, MemoWirkung, MemoSchluesselHash>;
    Tabelle neuere_, aeltere_;
    std::size_t neuereBytes_ = 0;
    std::size_t grenzeBytes_ = kStandardBytes;
    bool aktiv_ = true;
    bool benutzt_ = false;  // since the last leeren
};

}  // namespace staffel
