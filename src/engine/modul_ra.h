#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_host.h"
#include "engine/fehler.h"
#include "engine/graph/graph_einstellungen.h"
#include "engine/memo/memo.h"
#include "engine/model/engine_texte.h"
#include "engine/modul_felder.h"
#include "engine/numbers/int16.h"
#include "engine/polled_counter.h"
#include "engine/run/eingabe.h"
#include "engine/solvers/fehlschlag_gedaechtnis.h"

namespace staffel {

struct Antwort;
struct Werte;
struct Stufenzahl;
namespace solver {
class Gegenloesung0;
class Exponentenprobe;
}  // namespace solver

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

// The whole state of one calculator: operation model and engine. A window, the command-line
// driver, the Python module and every test each own one. Front ends reach it through its
// input (the four texts and the mode) and read back one answer; everything else is the
// engine's own. One thread runs the engine at a time; another thread may only poll the
// counters and request a halt while it runs.
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

    // The calculate command ("Rechne !", with modus.grenzwert "Lim e->+-oo") on the texts as
    // typed, on the state that the last reset or calculation left: the window's counters run
    // on from one calculation to the next until an input changes. stepGebildet, when given,
    // receives the step label's caption as soon as the resolution list stands, before the
    // evaluation starts. A halt request ends it early with "   Berechnung angehalten!".
    Antwort rechne(const RechenEingabe& eingabe, const RechenModus& modus = {},
                   const std::function<void(const std::string&)>& stepGebildet = {});
    // After an answer whose ausgang is Graph: the operation at x in place of the "x", for the
    // graph's drawing pass. Fehlerstatus goes back to 0 afterwards, so that the next point
    // sees only its own failure; the counters count on.
    GraphPunkt graphPunkt(float x, Skala skala = Skala::Wert);
    // After an answer whose ausgang is Graph, while no calculation runs.
    GraphVorlage graphVorlage() const;

    // The counters in the order of kZaehlerNamen; callable from any thread while a
    // calculation runs.
    Zaehlerstand zaehlerLesen() const noexcept;

    // The reset procedure: every engine and operation-model field to its start value.
    void Zuruecksetzen();

    // --- Halting: the only thing another thread may change while a calculation runs ---
    void anhalten() noexcept { halt_.fetch_or(kHaltAngefordert, std::memory_order_relaxed); }
    bool haltAngefordert() const noexcept {
        return (halt_.load(std::memory_order_relaxed) & kHaltAngefordert) != 0;
    }
    void haltZuruecknehmen() noexcept {
        halt_.store(0, std::memory_order_relaxed);
        befolgt_.store(false, std::memory_order_relaxed);
    }
    // Has the calculation ask its question at its next halt test, on its own thread. A host
    // whose halt request arises on the calculating thread itself (a signal that only the
    // thread running the calculation may handle) has the question asked on a beat.
    void nachfragen() noexcept { halt_.fetch_or(kNachfrage, std::memory_order_relaxed); }
    // The question, set on the calculating thread while no calculation runs; it must not throw,
    // and true halts the calculation. nullptr: none.
    void rueckfrageSetzen(const std::function<bool()>* frage) noexcept { rueckfrage_ = frage; }
    bool wurdeAngehalten() const noexcept { return befolgt_.load(std::memory_order_relaxed); }

  private:
    // The engine's own rooms, which work on its state directly.
    friend class Wertreihe;
    friend class ModulRAPruefstand;
    friend class solver::Gegenloesung0;
    friend class solver::Exponentenprobe;

    // The halt test of the engine's loops. Only a request that one of them obeyed has
    // stopped the calculation: one that came after the last test stopped nothing, and the
    // result stands.
    bool haltBefolgen() noexcept {
        if (halt_.load(std::memory_order_relaxed) == 0) return false;
        return haltEntscheiden();
    }
    // A halt requested or a question to ask: the rare way out of haltBefolgen.
    bool haltEntscheiden() noexcept;
    static constexpr std::uint8_t kHaltAngefordert = 1;
    static constexpr std::uint8_t kNachfrage = 2;

    // Every field, with its part in the memo and the fixed points (modul_felder.h). Meldung
    // and NameRechenart are written together with their ids, through the functions below; the
    // ids let a window translate them. The counters are polled by the window while a
    // calculation runs.
    STAFFEL_MODUL_FELDER(STAFFEL_FELD_DEKLARIEREN, _)

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
    // "m[R , A][b , e]" from the texts as the calculate command read them.
    std::string FormelBilden() const;
    void NameHyperEins();

    // --- The calculate command ---
    // Everything up to the evaluation; false when the command ends there, with
    // antwort.ausgang saying why.
    bool eingabenLesen(const RechenEingabe& eingabe, Antwort& antwort,
                       const std::function<void(const std::string&)>& stepGebildet, Werte& werte);
    bool eingabenLesen(const RechenEingabe& eingabe, Antwort& antwort,
                       const std::function<void(const std::string&)>& stepGebildet);
    // The evaluation of what eingabenLesen read.
    void auswerten();
    // The evaluation of inputs beyond the doubles, on wide numbers; false when it refuses
    // them, with the message raised and antwort.ausgang saying so.
    bool weitAuswerten(const Werte& werte, Antwort& antwort);
    // An inverse without a closed form at such inputs, by a search on wide numbers; false as
    // weitAuswerten's when the forward operation has no size to search with.
    bool weitGegenrechnen(const Stufenzahl& b, const Stufenzahl& e, Antwort& antwort);
    // The size of a result that left the doubles, huge or tiny, into the answer.
    void groesseSetzen(Antwort& antwort, const Stufenzahl& b, const Stufenzahl& e);

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
    // The outermost solve of GegenLsg0 through the failures of the graph passes: loesen runs
    // it, handing every forward value it evaluates to the vector when one is given.
    double GegenLsg0Gemerkt(Int16 n, Int16 d, double b, double e, std::string_view A,
                            const std::function<double(std::vector<double>*)>& loesen);
    void FehlerMeldung(TextId text);
    // Raises the box: through the host, and into the calculation's answer.
    void meldungZeigen(TextId text);

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
    // Runs aufruf and records its whole effect on the state, as the memo replays it; nothing
    // when it was halted or went too deep.
    std::optional<MemoWirkung> wirkungAufnehmen(const std::function<void()>& aufruf);
    // The fixed-point shortcut of emIII's loop, only inside inverses and with the memo on:
    // once a pass has left everything as it found it, the passes left are applied at once.
    bool fixpunktErlaubt() const noexcept { return inversTiefe_ > 0 && memo_.aktiv(); }
    DurchlaufStand durchlaufStand();
    bool fixpunktUebertragen(const DurchlaufStand& vorher, std::int64_t restDurchlaeufe);
    // Whether a message sets Fehlerstatus without raising a box (graph and solver runs).
    bool meldungenStill() const noexcept;
    template <class F>
    void jedenZaehler(F&& f);
};

// ModulRA holds the fields of its list and no others: one added beside the list has no part
// in the memo and the fixed points and would go unnoticed by them.
struct ModulRAFelder {
    STAFFEL_MODUL_FELDER(STAFFEL_FELD_DEKLARIEREN, _)
};
static_assert(sizeof(ModulRA) == sizeof(ModulRAFelder));

// Pure helpers of the operation model.
// The greatest common divisor with the sign of b; a itself when b is 0.
Int16 GGT(Int16 a, Int16 b);
std::string BruchKuerzen(Int16& n, Int16& d);
std::string BruchFormat(Int16 n, Int16 d);
// "n" for a denominator of 1, else "n/d".
std::string GanzOderBruch(Int16 n, Int16 d);

// A Rechenart text read as a fraction, as RechenzahlLesen reads it.
struct GelesenerBruch {
    Int16 zaehler = 0;
    Int16 nenner = 1;
    std::string text;      // the fraction as the program writes it back
    std::string mitPunkt;  // the Rechenart text with its first comma a point
};
// The message that refuses the text, or nothing and the fraction in bruch.
std::optional<TextId> RechenzahlAusText(std::string_view text, GelesenerBruch& bruch);
std::string AufZahlKippen(std::string_view A);

}  // namespace staffel
