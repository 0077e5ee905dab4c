#pragma once

#include "engine/size/stufenzahl.h"

// The closed forms' formulas on wide numbers, for inputs or results beyond the doubles. The
// operations pass on nullopt, so a formula reads as its double form does; a form gives
// nullopt where the intervals cannot decide it or leave what they can hold.
namespace staffel::closed_form::weit {

using W = OptStufenzahl;

inline W k(double wert) {
    return alsStufenzahl(wert);
}
inline W plus(const W& a, const W& b) {
    return a && b ? summe(*a, *b) : std::nullopt;
}
inline W minus(const W& a, const W& b) {
    return a && b ? summe(*a, negiert(*b)) : std::nullopt;
}
inline W mal(const W& a, const W& b) {
    return a && b ? produkt(*a, *b) : std::nullopt;
}
inline W durch(const W& a, const W& b) {
    return a && b ? quotient(*a, *b) : std::nullopt;
}
inline W hoch(const W& a, const W& b) {
    return a && b ? potenz(*a, *b) : std::nullopt;
}
// LogBasis(x, y) = ln x / ln y, as log10 x / log10 y.
inline W logBasis(const W& x, const W& y) {
    if (!x || !y) return std::nullopt;
    return durch(log10Von(*x), log10Von(*y));
}

// One function per row that has a wide form, named by the row's formula.
inline W identitaet(const Stufenzahl& b, const Stufenzahl&) {
    return b;
}
inline W nachfolger(const Stufenzahl& b, const Stufenzahl&) {
    return plus(b, k(1));
}
inline W vorgaenger(const Stufenzahl& b, const Stufenzahl&) {
    return minus(b, k(1));
}
inline W differenz(const Stufenzahl& b, const Stufenzahl& e) {
    return minus(b, e);
}
inline W bDurchE(const Stufenzahl& b, const Stufenzahl& e) {
    return quotient(b, e);
}
inline W hyperNull(const Stufenzahl& b, const Stufenzahl& e) {
    return hoch(b, hoch(b, minus(e, k(1))));
}
inline W wurzel(const Stufenzahl& b, const Stufenzahl& e) {
    return hoch(b, durch(k(1), e));
}
inline W logarithmus(const Stufenzahl& b, const Stufenzahl& e) {
    return logBasis(b, e);
}
inline W logLogPlusEins(const Stufenzahl& b, const Stufenzahl& e) {
    return plus(logBasis(logBasis(b, e), e), k(1));
}
inline W eMinusB(const Stufenzahl& b, const Stufenzahl& e) {
    return minus(e, b);
}
inline W zweiMinusEMalB(const Stufenzahl& b, const Stufenzahl& e) {
    return mal(minus(k(2), e), b);
}
inline W zweiMinusBDurchE(const Stufenzahl& b, const Stufenzahl& e) {
    return minus(k(2), durch(b, e));
}
inline W bDurchZweiMinusE(const Stufenzahl& b, const Stufenzahl& e) {
    return durch(b, minus(k(2), e));
}
inline W logZweiMinusEVonBDurchE(const Stufenzahl& b, const Stufenzahl& e) {
    return plus(logBasis(durch(b, e), minus(k(2), e)), k(1));
}
inline W bHochZweiMinusE(const Stufenzahl& b, const Stufenzahl& e) {
    return hoch(b, minus(k(2), e));
}
inline W wurzelZweiMinusE(const Stufenzahl& b, const Stufenzahl& e) {
    return hoch(b, durch(k(1), minus(k(2), e)));
}
inline W zweiMinusLog(const Stufenzahl& b, const Stufenzahl& e) {
    return minus(k(2), logBasis(b, e));
}
inline W bHochBHochEinsMinusE(const Stufenzahl& b, const Stufenzahl& e) {
    return hoch(b, hoch(b, minus(k(1), e)));
}
inline W einsMinusLogLog(const Stufenzahl& b, const Stufenzahl& e) {
    return minus(k(1), logBasis(logBasis(b, e), e));
}
inline W bMalZweiMinusBHochEMinusEins(const Stufenzahl& b, const Stufenzahl& e) {
    return mal(b, hoch(minus(k(2), b), minus(e, k(1))));
}
inline W bHochZweiMinusBHochEMinusEins(const Stufenzahl& b, const Stufenzahl& e) {
    return hoch(b, hoch(minus(k(2), b), minus(e, k(1))));
}
inline W bMalZweiMinusBHochEinsMinusE(const Stufenzahl& b, const Stufenzahl& e) {
    return mal(b, hoch(minus(k(2), b), minus(k(1), e)));
}
inline W bHochZweiMinusBHochEinsMinusE(const Stufenzahl& b, const Stufenzahl& e) {
    return hoch(b, hoch(minus(k(2), b), minus(k(1), e)));
}
inline W logZweiMinusEVonLog(const Stufenzahl& b, const Stufenzahl& e) {
    return plus(logBasis(logBasis(b, e), minus(k(2), e)), k(1));
}
inline W einsMinusLogZweiMinusBVonBDurchE(const Stufenzahl& b, const Stufenzahl& e) {
    return minus(k(1), logBasis(durch(b, e), minus(k(2), b)));
}
inline W einsMinusLogZweiMinusEVonLog(const Stufenzahl& b, const Stufenzahl& e) {
    return minus(k(1), logBasis(logBasis(b, e), minus(k(2), e)));
}

}  // namespace staffel::closed_form::weit
