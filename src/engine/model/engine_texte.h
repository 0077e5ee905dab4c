#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Every text the engine writes into Meldung and NameRechenart, raises in a message box or puts
// on the graph, each with an id: the engine prints the German, a window translates by the id.
// %1 and %2 stand for the parts that vary (a name, a formula, numbers).
#define STAFFEL_ENGINE_TEXTE(X)                                                                    \
    /* Inputs and the Rechenzahl */                                                                \
    X(EingabeFehlt, "Erst EINGABE , dann BERECHNUNG !")                                            \
    X(ZahlAusserhalb,                                                                              \
      "Basis und Exponent müssen zwischen -1.79769313486231E+308 und 1.79769313486231E+308 "      \
      "liegen!")                                                                                   \
    X(GegenrechenartWeit, "Die Gegenrechenart wird für Zahlen jenseits von 10^308 nicht gesucht!") \
    X(RechenzahlBereich,                                                                           \
      "Zähler und Nenner der Rechenzahl müssen zwischen -32768 und 32767 liegen!")                 \
    X(NennerNull, "Der Nenner der Rechenzahl darf nicht 0 sein!")                                  \
    X(Nachkommastellen, "Die Rechenzahl darf höchstens vier Nachkommastellen haben!")              \
    X(RechenzahlNull, "Die Rechenzahl darf nicht 0 sein!")                                         \
    X(AuflListeBereich,                                                                            \
      "Die Auflösungsliste dieser Rechenzahl sprengt den Zahlenbereich von -32768 bis 32767!")     \
    X(AufZahlLaenge,                                                                               \
      "Passen Sie bitte die Anzahl der Ziffern in der Auflösungszahl an  step = |A|  an !")        \
    X(AufZahlZiffern, "Die Auflösungszahl darf nur die Ziffern 0 und 1 enthalten!")                \
    X(Unendlich, " +- Unendlich")                                                                  \
    X(UmformungNenner, "Diese Umformung ist nicht möglich: Der Nenner wäre 0!")                    \
    X(UmformungBereich,                                                                            \
      "Diese Umformung ist nicht möglich: Zähler oder Nenner lägen außerhalb von -32768 bis "  \
      "32767!")                                                                                    \
    /* The state of a calculation */                                                               \
    X(NameStart, "     Name der Rechenart ?")                                                      \
    X(NameUnbekannt, " Name der Rechenart ?")                                                      \
    X(Angehalten, "   Berechnung angehalten!")                                                     \
    X(Unklar, " ???")                                                                              \
    X(Ueberlauf, "     |Ergebnis| > 10^308")                                                       \
    X(NichtDefiniert, "   Nicht definiert!")                                                       \
    X(NullDivision, "Division durch Null")                                                         \
    X(OhneCode, "  derzeit ohne Code")                                                             \
    X(ZuTief, " Berechnung zu tief verschachtelt!")                                                \
    X(UmformungUeberlauf,                                                                          \
      "Bei der Umformung der Rechenzahl werden Zähler oder Nenner größer als 32767!")              \
    X(RationalerExponentIII, " In der Berechnung (Regel III) tritt ein rationaler Exponent auf!")  \
    X(GrenzwertFrage, " Grenzwert??")                                                              \
    X(GrenzwertUnbekannt, " In diesem Fall ist der Grenzwert unbekannt!")                          \
    X(SpeicherVoll, "Für diese Berechnung reicht der Arbeitsspeicher nicht!")                      \
    X(InternerFehler, "Die Berechnung ist an einem internen Fehler gescheitert!")                  \
    /* Names of the closed forms, by their case number */                                          \
    X(NameIdentitaet, "  Identität:  b")                                                           \
    X(NameNachfolger, "  Nachfolger:  b + 1")                                                      \
    X(NameAddition, "  Addition:  b + e")                                                          \
    X(NameMultiplikation, "  Multiplikation:  b · e")                                              \
    X(NamePotenzierung, "  Potenzierung:  b ^ e")                                                  \
    X(NameVorgaenger, "  Vorgänger:  b - 1")                                                       \
    X(NameSubtraktion, "  Subtraktion:  b - e")                                                    \
    X(NameDivision, "  Division:  b / e")                                                          \
    X(NameHyperNull, "  Hyper-0-Potenzierung")                                                     \
    X(NameRadizieren, "  Radizieren:  b ^ (1/e)")                                                  \
    X(NameLogarithmieren, "  Logarithmieren:  Loge(b)")                                            \
    X(NameFall12, "  Loge[Loge[b]] + 1")                                                           \
    X(NameFall13, "  -b + e")                                                                      \
    X(NameFall14, "  (2-e)·b")                                                                     \
    X(NameFall15, "   0 oder b")                                                                   \
    X(NameFall16, "   2 - (b/e)")                                                                  \
    X(NameFall17, "   b / (2-e)")                                                                  \
    X(NameFall18, "   Log(2-e)[b/e]")                                                              \
    X(NameFall19, "   b ^ (2-e)")                                                                  \
    X(NameFall21, "   b ^ (1/(2-e))")                                                              \
    X(NameFall22, "   2 - Loge[b]")                                                                \
    X(NameFall23, "   b ^ (b^(1-e))")                                                              \
    X(NameFall24, "   1 - Loge[Loge[b]]")                                                          \
    X(NameFall25, "   b · (2-b)^(e-1)")                                                            \
    X(NameFall26, "   b ^ ((2-b)^(e-1))")                                                          \
    X(NameFall27, "   b · (2-b)^(1-e)")                                                            \
    X(NameFall28, "   b ^ ((2-b)^(1-e))")                                                          \
    X(NameFall29, "   Log(2-e)[Loge[b]] + 1")                                                      \
    X(NameFall30, "   1 - Log(2-e)[b/e]")                                                          \
    X(NameFall31, "   1 - Loge[Log(2-e)[b]]")                                                      \
    X(NameFall33, "   unbestimmt  oder  b")                                                        \
    X(NameHyperEins, " Hyper-1-Potenzierung")                                                      \
    X(NameGegenrechenart, " Gegenrechenart von%1")                                                 \
    /* Domain checks of the closed forms */                                                        \
    X(RationalerExponent, "Basis muss für rationale Exponenten positiv sein!")                     \
    X(DivisionDurchNull, "Division durch Null!")                                                   \
    X(NegativeBasisRational, "Es tritt die Potenz einer negativen Basis auf (Exponent rational)!") \
    X(BasisPositiv, "Basis muss positiv sein!")                                                    \
    X(LogPositiv, "Basis und Exponent(nicht 1!) des Log müssen positiv sein!")                     \
    X(LogBasisEins, " Der Logarithmus zur Basis 1 ist in diesem Fall nicht definiert!")            \
    X(Unbestimmt, " unbestimmt (ganz R)")                                                          \
    X(BasisGroesserEins, "Basis muss größer als 1 sein!")                                          \
    X(DivisionDurch0, "Division durch 0!")                                                         \
    X(ExponentUngleich2, "Der Exponent muss ungleich 2 sein!")                                     \
    X(ExponentNullZwei, "Der Exponent muss aus ]0;2[ und  b/e>0  sein!")                           \
    X(BasisSollteGroesserNull, "Die Basis sollte größer als 0 sein!")                              \
    X(ExponentUngleich2BasisPositiv,                                                               \
      "Der Exponent muss ungleich 2 und die Basis größer als 0 sein!")                             \
    X(BasisPositivExponentPositiv,                                                                 \
      "Die Basis muss größer als 0, der Exponent positiv (aber ungleich 1) sein!")                 \
    X(DieBasisGroesserNull, "Die Basis muss größer als 0 sein!")                                   \
    X(DieBasisGroesserEins, "Die Basis muss größer als 1 sein!")                                   \
    X(BasisKleinerZwei, "Die Basis muss kleiner als 2 sein!")                                      \
    X(BasisNullZwei, "Die Basis muss aus [0;2] sein!")                                             \
    X(BasisEinsExponentNullZwei,                                                                   \
      "Die Basis muss größer als 1, der Exponent aus ]0;2[ ohne 1 sein!")                          \
    X(QuotientExponent,                                                                            \
      "Der Quotient Basis/Exponent muss größer als 0 und der Exponent<2, aber ungleich 1 sein!")   \
    X(WertUnbestimmt, " Wert unbestimmt")                                                          \
    /* Inverse solvers */                                                                          \
    X(KeineLoesung, " keine Lösung!    (IV)")                                                      \
    X(KeineSichereLoesung, " keine sichere Lösung!    (IV)")                                       \
    X(NichtDefiniertIV, "nicht definiert (IV)")                                                    \
    X(KeinVorzeichenwechsel,                                                                       \
      " Kein Vorzeichenwechsel für die Lösung der Gegenrechenart gefunden!")                       \
    X(IntervallFehler, "Fehler beim Suchen definierter Intervalle (Gegenlsg.)!")                   \
    X(IntervallFehler2, "Fehler beim Suchen definierter Intervalle (Gegenlsg.(2))!")               \
    /* The graph's labels */                                                                       \
    X(GraphVon, "Graph von x -> %1")                                                               \
    X(GraphName, "Name: %1")                                                                       \
    X(GraphPunkte, "Punkte: %1 von %2")                                                            \
    X(GraphSkalaLog, "log₁₀|y|")                                                                   \
    X(GraphSkalaHoehe, "Höhe")

namespace staffel {

// Keine: no text (an empty Meldung, a box not raised).
enum class TextId : std::uint8_t {
    Keine,
#define STAFFEL_TEXT_ID(id, deutsch) id,
    STAFFEL_ENGINE_TEXTE(STAFFEL_TEXT_ID)
#undef STAFFEL_TEXT_ID
};

inline constexpr std::string_view kDeutscheTexte[] = {"",
#define STAFFEL_TEXT_DEUTSCH(id, deutsch) deutsch,
                                                      STAFFEL_ENGINE_TEXTE(STAFFEL_TEXT_DEUTSCH)
#undef STAFFEL_TEXT_DEUTSCH
};

// How many ids there are, Keine included; each below this is one.
inline constexpr std::size_t kTextIds = std::size(kDeutscheTexte);
static_assert(kTextIds <= 256, "TextId is one byte");

constexpr std::string_view deutsch(TextId id) noexcept {
    return kDeutscheTexte[static_cast<std::size_t>(id)];
}

// The German of a text with %1, %2 in it, the parts put in their places.
std::string eingesetzt(TextId id, std::initializer_list<std::string_view> teile);

// NameRechenart by id: the name of a closed form or the start text, and whether it names the
// inverse of it (" Gegenrechenart von" before it).
struct RechenartName {
    TextId basis = TextId::NameStart;
    bool gegenrechenart = false;
    bool operator==(const RechenartName&) const = default;
};

std::string deutsch(RechenartName name);

}  // namespace staffel
