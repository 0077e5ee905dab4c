#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine_host.h"
#include "engine/fehler.h"
#include "engine/memo/memo.h"
#include "engine/model/engine_texte.h"
#include "engine/numbers/int16.h"
#include "engine/polled_counter.h"

namespace staffel {

namespace texte {
// " Gegenrechenart von": what the engine puts before a name to make it the inverse's.
inline constexpr std::string_view GegenrechenartPraefix =
    deutsch(TextId::NameGegenrechenart).substr(0, deutsch(TextId::NameGegenrechenart).find('%'));
}  // namespace texte

// Deepest nesting of Berechnung calls that the engine admits. The Auflösungszahl has at
// most 32767 digits and each digit costs at most three nested levels, so every chain the
// inputs allow (at most about 98 300 levels) stays below it; the calculation thread's
// stack is sized for it (CalculationRunner).
inline constexpr int kMaxTiefe = 110000;

// 1.79769313486231E+308: the engine's stand-in for "beyond every number".
inline constexpr double GroessteZahl = 1.79769313486231E+308;

// The graph settings; they live with the engine state because the reset sets them too.
struct GraphEinstellungen {
    double Xmin = -10;
    double Xmax = 10;
    double Ymin = -10;
    double Ymax = 10;
    double DX = 1000;
    double GitterX = 20;
    double GitterY = 20;
    Int16 PunkteZahl = 0;  // dots drawn since the last "Zeichnen"
};

// The whole state of one calculator: operation model, engine and the texts the calculate
// command works on. A window, the command-line driver and every test each own one.
// One thread runs the engine at a time; another thread may only poll the counters and
// request a halt while it runs.
class ModulRA {
  public:
    // May throw std::bad_alloc: the reset allocates the start texts.
    explicit ModulRA(EngineHost* host = nullptr) : host_(host) { Zuruecksetzen(); }
    ModulRA(const ModulRA&) = delete;
    ModulRA& operator=(const ModulRA&) = delete;

    void setHost(EngineHost* host) noexcept { host_ = host; }
    // The memo of nested calculations is on unless switched off (for comparison: the results,
    // texts, messages and counters are the same either way).
    void memoEinschalten(bool an) noexcept { memo_.einschalten(an); }

    // --- Result and messages ---
    double Ergebnis = 0;
    // Meldung and NameRechenart are written together with their ids, through the functions
    // below; the ids let a window translate them.
    std::string Meldung;
    std::string NameRechenart;
    TextId MeldungId = TextId::Keine;
    RechenartName NameRechenartId;
    std::int64_t NameUnbekannt = 0;
    Fehler Fehlerstatus = Fehler::Keiner;
    std::uint8_t NAGefunden = 0;
    // The size of a result beyond 10^308 ("2.00352993040685E+19728"), set by the calculate
    // command when a whole Rechenzahl overflows and its wide calculation gives one.
    std::optional<std::string> Groesse;

    // --- Arguments and mode ---
    double RechenzahlWert = 0;
    bool GrenzwertModus = false;
    Int16 AnzahlStellen = 0;
    Int16 RZaehler = 0;
    Int16 RNenner = 0;
    double BasisWert = 0;
    double ExponentWert = 0;
    std::string AufZahl;
    std::string BasisText;
    std::string ExponentText;

    // --- Rechenzahl and resolution list ---
    Int16 BruchZaehler = 0;
    Int16 BruchNenner = 0;
    std::string BruchText;
    double RDezimal = 0;
    std::string AuflListe;

    // --- Texts of the calculate command ---
    std::string RechenartText;
    std::string AufZahlText;
    std::string ErgebnisText;
    std::string Speicher;
    std::string FormelText;

    GraphEinstellungen Graph;

    // --- Counters, polled by the window while a calculation runs ---
    PolledCounter<std::int64_t> ZaehlerBer{-1};
    PolledCounter<std::int32_t> ZaehlerNA{-1};
    PolledCounter<std::int64_t> ZaehlerIII{0};
    PolledCounter<std::int64_t> ZaehlerIV{0};
    PolledCounter<std::int64_t> ZaehlerG0{0};
    PolledCounter<std::int64_t> ZaehlerG1{0};
    PolledCounter<std::int32_t> ZaehlerG00{0};
    PolledCounter<std::int32_t> ZaehlerG11{0};
    PolledCounter<std::int64_t> AktIntervall{0};
    PolledCounter<std::uint8_t> AnzahlIntervalle{0};

    // --- Halting: the only thing another thread may change while a calculation runs ---
    void anhalten() noexcept { halt_.store(true, std::memory_order_relaxed); }
    bool haltAngefordert() const noexcept { return halt_.load(std::memory_order_relaxed); }
    void haltZuruecknehmen() noexcept {
        halt_.store(false, std::memory_order_relaxed);
        befolgt_.store(false, std::memory_order_relaxed);
    }
    // The halt test of the engine's loops. Only a request that one of them obeyed has
    // stopped the calculation: one that came after the last test stopped nothing, and the
    // result stands.
    bool haltBefolgen() noexcept {
        if (!haltAngefordert()) return false;
        befolgt_.store(true, std::memory_order_relaxed);
        return true;
    }
    bool wurdeAngehalten() const noexcept { return befolgt_.load(std::memory_order_relaxed); }

    // The reset procedure: every engine and operation-model field to its start value.
    void Zuruecksetzen();

    void meldungSetzen(TextId id) {
        MeldungId = id;
        Meldung.assign(deutsch(id));
    }
    void meldungLoeschen() noexcept {
        MeldungId = TextId::Keine;
        Meldung.clear();
    }
    // Meldung to be put back as it was, a memo recording's placeholder included.
    struct GemerkteMeldung {
        std::string text;
        TextId id;
    };
    GemerkteMeldung meldungMerken() const { return {Meldung, MeldungId}; }
    void meldungZurueck(GemerkteMeldung gemerkt) {
        Meldung = std::move(gemerkt.text);
        MeldungId = gemerkt.id;
    }
    // Solvers and recursions write the same name again and again; comparing is cheaper.
    void nameSetzen(TextId basis) {
        NameRechenartId = {basis, false};
        if (NameRechenart != deutsch(basis)) NameRechenart.assign(deutsch(basis));
    }
    void nameSetzen(RechenartName name);
    void gegenrechenartVorsetzen() {
        NameRechenartId.gegenrechenart = true;
        NameRechenart.insert(0, texte::GegenrechenartPraefix);
    }

    // --- Operation model ---
    // Each returns the message when it refuses its input, and then changes nothing.
    std::optional<TextId> RechenzahlLesen(std::string& text);
    std::optional<TextId> AuflListeBilden(Int16 n, Int16 d, double R);
    void AufZahlPruefen(std::string& A);
    std::string& AufZahlAuffuellen(std::string& A) const;
    void FormelBilden();
    void NameHyperEins();

    // --- Engine ---
    void Berechnung(Int16 RZaehler, Int16 RNenner, double b, double e, std::string_view A);
    double NARechart(Int16 RZaehler, Int16 RNenner, double b, double e, std::string_view A);
    double emIII(Int16 n, Int16 d, double b, double e, std::string_view A);
    // emIII's passes after the first where R - 1 has the closed form `direkt`; with
    // fixpunktSuchen they stop at a fixed point and count the passes left at once.
    template <bool fixpunktSuchen>
    double direkteDurchlaeufe(int direkt, bool basisLaeuft, double b, double v,
                              std::int64_t anzahl);
    double emIV(Int16 n, Int16 d, double b, double e, std::string_view A);
    double GegenLsg0(Int16 n, Int16 d, double b, double e, std::string_view A);
    double GegenLsg1(Int16 n, Int16 d, double b, double e, std::string_view A);
    void FehlerMeldung(TextId text);

  private:
    void Grenzwertregeln(Int16 RZaehler, Int16 RNenner, double b, std::string_view A);
    // The closed form number `fall` at (b, e), with its run-time faults and domain checks:
    // NARechart once the form is chosen and its name written.
    double NAWert(int fall, double b, double e);
    bool Regeln(Int16 RZaehler, Int16 RNenner, double b, double e, std::string_view A);
    // Regeln with the overflow message, through the memo where it may be used.
    void RegelnAnwenden(Int16 RZaehler, Int16 RNenner, double b, double e, std::string_view A);
    void RegelnGemerkt(Int16 RZaehler, Int16 RNenner, double b, double e, std::string_view A);
    MemoSchluessel memoSchluessel(Int16 RZaehler, Int16 RNenner, double b, double e,
                                  std::string_view A);
    void memoAnwenden(const MemoWirkung& wirkung);
    // The fixed-point shortcut of emIII's loop, only inside inverses and with the memo on:
    // once a pass has left everything as it found it, the passes left are applied at once.
    bool fixpunktErlaubt() const noexcept { return inversTiefe_ > 0 && memo_.aktiv(); }
    DurchlaufStand durchlaufStand();
    bool fixpunktUebertragen(const DurchlaufStand& vorher, std::int64_t restDurchlaeufe);
    // Whether a message sets Fehlerstatus without raising a box (graph and solver runs).
    bool meldungenStill() const noexcept;
    template <class F>
    void jedenZaehler(F&& f);

    EngineHost* host_ = nullptr;
    std::atomic<bool> halt_{false};
    std::atomic<bool> befolgt_{false};
    int tiefe_ = 0;
    // Inverse solves in progress. The follow-up search runs in the outermost only, so that
    // a solve nested in another's trial gives that trial what it always gave.
    int loeserTiefe_ = 0;
    int tiefsteTiefe_ = 0;  // deepest level reached, for the memo's depth rule
    int inversTiefe_ = 0;   // active inverses: only their trials repeat nested calculations
    std::uint64_t gezeigteMeldungen_ = 0;  // boxes raised, so that a pass can tell it raised none
    Memo memo_;
};

// Pure helpers of the operation model.
// The greatest common divisor with the sign of b; a itself when b is 0.
Int16 GGT(Int16 a, Int16 b);
std::string BruchKuerzen(Int16& n, Int16& d);
std::string BruchFormat(Int16 n, Int16 d);
// "n" for a denominator of 1, else "n/d".
std::string GanzOderBruch(Int16 n, Int16 d);
std::string AufZahlKippen(std::string_view A);

}  // namespace staffel
