#include "engine/memo/memo.h"

#include <algorithm>
#include <functional>
#include <new>
#include <string_view>
#include <utility>

namespace staffel {

namespace {

// The keys' doubles differ mostly in their top bits and their texts hardly at all: each value is
// stirred through all 64 bits first (splitmix64's finish), or the buckets fill unevenly.
std::size_t mischen(std::size_t h, std::uint64_t wert) noexcept {
    wert = (wert ^ (wert >> 30)) * 0xbf58476d1ce4e5b9ULL;
    wert = (wert ^ (wert >> 27)) * 0x94d049bb133111ebULL;
    wert ^= wert >> 31;
    h ^= wert + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
}

// Calls a shape makes before the memo judges it, and the passes a call must take on average
// to be worth remembering.
constexpr std::int64_t kProbeAufrufe = 16;
constexpr std::int64_t kLohnendeKosten = 32;
constexpr std::int64_t kKostenDeckel = std::int64_t{1} << 20;

std::size_t textBytes(const std::string& text) noexcept {
    return text.capacity() > 15 ? text.capacity() + 1 : 0;
}

// What one entry takes on the heap: the node with its hash and bucket, the A that does not fit
// into its string, and the boxes raised.
std::size_t eintragBytes(const MemoSchluessel& s, const MemoWirkung& w) noexcept {
    std::size_t bytes = sizeof(std::pair<const MemoSchluessel, MemoWirkung>) + 3 * sizeof(void*);
    bytes += textBytes(s.A);
    bytes += w.meldungen.capacity() * sizeof(TextId);
    return bytes;
}

}  // namespace

void MemoSchluessel::streuwertSetzen() noexcept {
    std::size_t h = std::hash<std::string_view>{}(A);
    h = mischen(h, b);
    h = mischen(h, e);
    h = mischen(h, (static_cast<std::uint64_t>(static_cast<std::uint16_t>(n)) << 16) |
                       static_cast<std::uint16_t>(d));
#define STAFFEL_MISCHEN(typ, name) h = mischen(h, alsBits(zustand.name));
    STAFFEL_SICHT_SCHLUESSEL(STAFFEL_MISCHEN)
#undef STAFFEL_MISCHEN
    streuwert = mischen(h, (still ? 1u : 0u) | (nameGegen ? 2u : 0u));
}

std::size_t Memo::gestalt(Int16 n, Int16 d, std::string_view A) noexcept {
    const std::size_t marke =
        mischen(std::hash<std::string_view>{}(A),
                (static_cast<std::uint64_t>(static_cast<std::uint16_t>(n)) << 16) |
                    static_cast<std::uint16_t>(d));
    const std::size_t index = marke % kGestalten;
    if (gestalten_[index].marke != marke) gestalten_[index] = {marke, 0, 0};
    return index;
}

bool Memo::lohnend(std::size_t gestalt) const noexcept {
    const Gestalt& g = gestalten_[gestalt];
    return g.aufrufe < kProbeAufrufe || g.kosten >= kLohnendeKosten * g.aufrufe;
}

void Memo::kostenMerken(std::size_t gestalt, std::int64_t kosten) noexcept {
    Gestalt& g = gestalten_[gestalt];
    if (g.aufrufe > std::int64_t{1} << 40) g = {g.marke, g.aufrufe / 2, g.kosten / 2};
    ++g.aufrufe;
    // A fixed point counts billions of passes at once: the sum only has to tell dear from
    // cheap, so one call adds at most kKostenDeckel and the sum stays far inside 64 bits.
    g.kosten += std::clamp<std::int64_t>(kosten, 0, kKostenDeckel);
}

const MemoWirkung* Memo::finden(const MemoSchluessel& schluessel) {
    benutzt_ = true;
    if (const auto it = neuere_.find(schluessel); it != neuere_.end()) return &it->second;
    if (aeltere_.empty()) return nullptr;
    const auto it = aeltere_.find(schluessel);
    if (it == aeltere_.end()) return nullptr;
    auto knoten = aeltere_.extract(it);
    neuereBytes_ += eintragBytes(knoten.key(), knoten.mapped());
    try {
        return &neuere_.insert(std::move(knoten)).position->second;
    } catch (const std::bad_alloc&) {
        vergessen();
        return nullptr;
    }
}

void Memo::merken(MemoSchluessel schluessel, MemoWirkung wirkung) {
    const std::size_t bytes = eintragBytes(schluessel, wirkung);
    if (neuereBytes_ + bytes > grenzeBytes_ / 2) {
        aeltere_ = std::move(neuere_);
        neuere_ = Tabelle();
        neuereBytes_ = 0;
    }
    try {
        if (neuere_.try_emplace(std::move(schluessel), std::move(wirkung)).second) {
            neuereBytes_ += bytes;
        }
    } catch (const std::bad_alloc&) {
        vergessen();
    }
}

// Short of memory the memo gives way: the calculation goes on as without it.
void Memo::vergessen() noexcept {
    neuere_.clear();
    aeltere_.clear();
    neuereBytes_ = 0;
}

void Memo::leeren() {
    if (!benutzt_) return;
    benutzt_ = false;
    neuere_ = Tabelle();
    aeltere_ = Tabelle();
    neuereBytes_ = 0;
    gestalten_ = {};
    meldungsLog.clear();
    offeneAufnahmen = 0;
}

}  // namespace staffel
