#pragma once

// Every field of ModulRA, once, with the part it plays when the memo replays a nested
// calculation and when a recursion loop stands at its fixed point. ModulRA declares exactly
// these fields and no others (a static_assert holds it to that), and the memo's key, its
// recorded effect and the loop's state before a pass are made from the roles, so a new field
// does not build until its role is chosen.
//
// The roles:
//   Schluessel  read by a nested calculation and written by it: in the memo's key, in its
//               effect and in the state a fixed point compares
//   Wirkung     written by the calculation before anything in it reads it: in the effect and
//               in the compared state
//   Ergebnis    the calculation's value: in the effect; a fixed point compares it as the
//               pass's input and output itself
//   Modus       read and never written inside: in the key
//   Text        a text and its id: compared at a fixed point; the memo records whether the
//               call wrote it (and of the name, whether it names an inverse already)
//   Zaehler     a polled counter: the memo records what the call counted or assigned, a fixed
//               point counts on by the pass's step
//   Kommando    written by the calculate command only, and read inside only through
//               meldungenStill(), which key and compared state hold
//   Lauf        the run's own bookkeeping (host, halt, depths, boxes raised, the memo), which
//               Berechnung keeps right by itself
//
// X(A, role, type, name, initialiser), A handed through
#define STAFFEL_MODUL_FELDER(X, A)                                      \
    X(A, Ergebnis, double, Ergebnis, = 0)                               \
    X(A, Text, std::string, Meldung, )                                  \
    X(A, Text, std::string, NameRechenart, )                            \
    X(A, Text, TextId, MeldungId, = TextId::Keine)                      \
    X(A, Text, RechenartName, NameRechenartId, )                        \
    X(A, Schluessel, std::int64_t, NameUnbekannt, = 0)                  \
    X(A, Schluessel, Fehler, Fehlerstatus, = Fehler::Keiner)            \
    X(A, Wirkung, std::uint8_t, NAGefunden, = 0)                        \
    X(A, Wirkung, double, RechenzahlWert, = 0)                          \
    X(A, Modus, bool, GrenzwertModus, = false)                          \
    X(A, Schluessel, Int16, AnzahlStellen, = 0)                         \
    X(A, Kommando, Int16, RZaehler, = 0)                                \
    X(A, Kommando, Int16, RNenner, = 0)                                 \
    X(A, Kommando, double, BasisWert, = 0)                              \
    X(A, Kommando, double, ExponentWert, = 0)                           \
    X(A, Kommando, std::string, AufZahl, )                              \
    X(A, Kommando, std::string, BasisText, )                            \
    X(A, Kommando, std::string, ExponentText, )                         \
    X(A, Kommando, Int16, BruchZaehler, = 0)                            \
    X(A, Kommando, Int16, BruchNenner, = 0)                             \
    X(A, Kommando, std::string, BruchText, )                            \
    X(A, Kommando, double, RDezimal, = 0)                               \
    X(A, Kommando, std::string, AuflListe, )                            \
    X(A, Kommando, std::string, RechenartText, )                        \
    X(A, Kommando, std::string, AufZahlText, )                          \
    X(A, Zaehler, PolledCounter<std::int64_t>, ZaehlerBer, {-1})        \
    X(A, Zaehler, PolledCounter<std::int32_t>, ZaehlerNA, {-1})         \
    X(A, Zaehler, PolledCounter<std::int64_t>, ZaehlerIII, {0})         \
    X(A, Zaehler, PolledCounter<std::int64_t>, ZaehlerIV, {0})          \
    X(A, Zaehler, PolledCounter<std::int64_t>, ZaehlerG0, {0})          \
    X(A, Zaehler, PolledCounter<std::int64_t>, ZaehlerG1, {0})          \
    X(A, Zaehler, PolledCounter<std::int32_t>, ZaehlerG00, {0})         \
    X(A, Zaehler, PolledCounter<std::int32_t>, ZaehlerG11, {0})         \
    X(A, Zaehler, PolledCounter<std::int64_t>, AktIntervall, {0})       \
    X(A, Zaehler, PolledCounter<std::uint8_t>, AnzahlIntervalle, {0})   \
    X(A, Lauf, EngineHost*, host_, = nullptr)                           \
    /* kHaltAngefordert and kNachfrage, set by other threads */         \
    X(A, Lauf, std::atomic<std::uint8_t>, halt_, {0})                   \
    X(A, Lauf, const std::function<bool()>*, rueckfrage_, = nullptr)    \
    X(A, Lauf, std::atomic<bool>, befolgt_, {false})                    \
    /* Berechnung levels in progress */                                 \
    X(A, Lauf, int, tiefe_, = 0)                                        \
    /* Inverse solves in progress. The follow-up search runs in the */  \
    /* outermost only, so that a solve nested in another's trial     */ \
    /* gives that trial what it always gave.                         */ \
    X(A, Lauf, int, loeserTiefe_, = 0)                                  \
    /* deepest level reached, for the memo's depth rule */              \
    X(A, Lauf, int, tiefsteTiefe_, = 0)                                 \
    /* active inverses: only their trials repeat nested calculations */ \
    X(A, Lauf, int, inversTiefe_, = 0)                                  \
    /* boxes raised, so that a pass can tell it raised none */          \
    X(A, Lauf, std::uint64_t, gezeigteMeldungen_, = 0)                  \
    /* boxes raised since the calculate command began */                \
    X(A, Lauf, std::vector<TextId>, meldungenDesLaufs_, )               \
    X(A, Lauf, Memo, memo_, )                                           \
    /* failed solves of the graph passes since the calculate command */ \
    X(A, Lauf, Fehlschlaege, fehlschlaege_, )

// Declares a field as ModulRA holds it.
#define STAFFEL_FELD_DEKLARIEREN(A, rolle, typ, name, start) typ name start;

// The views: the fields of the memo's key, of its recorded effect, of the state a fixed point
// compares, and the counters. STAFFEL_SICHT_...(OP) calls OP(type, name) for each field of
// the view. Every role says for every view whether its fields take part, so a new role that
// leaves out a view does not build.
#define STAFFEL_JA(OP, typ, name) OP(typ, name)
#define STAFFEL_NEIN(OP, typ, name)

#define STAFFEL_SICHT_SCHLUESSEL(OP) STAFFEL_MODUL_FELDER(STAFFEL_IM_SCHLUESSEL, OP)
#define STAFFEL_IM_SCHLUESSEL(OP, rolle, typ, name, start) STAFFEL_SCHLUESSEL_##rolle(OP, typ, name)
#define STAFFEL_SCHLUESSEL_Schluessel STAFFEL_JA
#define STAFFEL_SCHLUESSEL_Wirkung STAFFEL_NEIN
#define STAFFEL_SCHLUESSEL_Ergebnis STAFFEL_NEIN
#define STAFFEL_SCHLUESSEL_Modus STAFFEL_JA
#define STAFFEL_SCHLUESSEL_Text STAFFEL_NEIN
#define STAFFEL_SCHLUESSEL_Zaehler STAFFEL_NEIN
#define STAFFEL_SCHLUESSEL_Kommando STAFFEL_NEIN
#define STAFFEL_SCHLUESSEL_Lauf STAFFEL_NEIN

#define STAFFEL_SICHT_WIRKUNG(OP) STAFFEL_MODUL_FELDER(STAFFEL_IN_WIRKUNG, OP)
#define STAFFEL_IN_WIRKUNG(OP, rolle, typ, name, start) STAFFEL_WIRKUNG_##rolle(OP, typ, name)
#define STAFFEL_WIRKUNG_Schluessel STAFFEL_JA
#define STAFFEL_WIRKUNG_Wirkung STAFFEL_JA
#define STAFFEL_WIRKUNG_Ergebnis STAFFEL_JA
#define STAFFEL_WIRKUNG_Modus STAFFEL_NEIN
#define STAFFEL_WIRKUNG_Text STAFFEL_NEIN
#define STAFFEL_WIRKUNG_Zaehler STAFFEL_NEIN
#define STAFFEL_WIRKUNG_Kommando STAFFEL_NEIN
#define STAFFEL_WIRKUNG_Lauf STAFFEL_NEIN

#define STAFFEL_SICHT_STAND(OP) STAFFEL_MODUL_FELDER(STAFFEL_IM_STAND, OP)
#define STAFFEL_IM_STAND(OP, rolle, typ, name, start) STAFFEL_STAND_##rolle(OP, typ, name)
#define STAFFEL_STAND_Schluessel STAFFEL_JA
#define STAFFEL_STAND_Wirkung STAFFEL_JA
#define STAFFEL_STAND_Ergebnis STAFFEL_NEIN
#define STAFFEL_STAND_Modus STAFFEL_NEIN
#define STAFFEL_STAND_Text STAFFEL_JA
#define STAFFEL_STAND_Zaehler STAFFEL_NEIN
#define STAFFEL_STAND_Kommando STAFFEL_NEIN
#define STAFFEL_STAND_Lauf STAFFEL_NEIN

#define STAFFEL_SICHT_ZAEHLER(OP) STAFFEL_MODUL_FELDER(STAFFEL_ALS_ZAEHLER, OP)
#define STAFFEL_ALS_ZAEHLER(OP, rolle, typ, name, start) STAFFEL_ZAEHLER_##rolle(OP, typ, name)
#define STAFFEL_ZAEHLER_Schluessel STAFFEL_NEIN
#define STAFFEL_ZAEHLER_Wirkung STAFFEL_NEIN
#define STAFFEL_ZAEHLER_Ergebnis STAFFEL_NEIN
#define STAFFEL_ZAEHLER_Modus STAFFEL_NEIN
#define STAFFEL_ZAEHLER_Text STAFFEL_NEIN
#define STAFFEL_ZAEHLER_Zaehler STAFFEL_JA
#define STAFFEL_ZAEHLER_Kommando STAFFEL_NEIN
#define STAFFEL_ZAEHLER_Lauf STAFFEL_NEIN

// A member of a view's struct, and a field counted.
#define STAFFEL_FELD(typ, name) typ name{};
#define STAFFEL_EINS(typ, name) +1
