#include "app/language/engine_texts.h"

#include <QCoreApplication>
#include <QHash>

namespace staffel::app {

namespace {

// The context of every text below; lupdate needs it spelt out in each.
constexpr char kKontext[] = "EngineText";

}  // namespace

// One case per id, without a default: a new id that is missing here does not compile.
const char* engineTextQuelle(TextId id) {
    switch (id) {
        case TextId::Keine:
            return nullptr;
        case TextId::EingabeFehlt:
            return QT_TRANSLATE_NOOP("EngineText", "Erst EINGABE , dann BERECHNUNG !");
        case TextId::ZahlAusserhalb:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Basis und Exponent müssen zwischen -1.79769313486231E+308 "
                                     "und 1.79769313486231E+308 "
                                     "liegen!");
        case TextId::GegenrechenartWeit:
            return QT_TRANSLATE_NOOP(
                "EngineText",
                "Die Gegenrechenart wird für Zahlen jenseits von 10^308 nicht gesucht!");
        case TextId::RechenzahlBereich:
            return QT_TRANSLATE_NOOP(
                "EngineText",
                "Zähler und Nenner der Rechenzahl müssen zwischen -32768 und 32767 liegen!");
        case TextId::NennerNull:
            return QT_TRANSLATE_NOOP("EngineText", "Der Nenner der Rechenzahl darf nicht 0 sein!");
        case TextId::Nachkommastellen:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Die Rechenzahl darf höchstens vier Nachkommastellen haben!");
        case TextId::RechenzahlNull:
            return QT_TRANSLATE_NOOP("EngineText", "Die Rechenzahl darf nicht 0 sein!");
        case TextId::AuflListeBereich:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Die Auflösungsliste dieser Rechenzahl sprengt den "
                                     "Zahlenbereich von -32768 bis 32767!");
        case TextId::AufZahlLaenge:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Passen Sie bitte die Anzahl der Ziffern in der "
                                     "Auflösungszahl an  step = |A|  an !");
        case TextId::AufZahlZiffern:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Die Auflösungszahl darf nur die Ziffern 0 und 1 enthalten!");
        case TextId::Unendlich:
            return QT_TRANSLATE_NOOP("EngineText", " +- Unendlich");
        case TextId::UmformungNenner:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Diese Umformung ist nicht möglich: Der Nenner wäre 0!");
        case TextId::UmformungBereich:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Diese Umformung ist nicht möglich: Zähler oder Nenner lägen "
                                     "außerhalb von -32768 bis "
                                     "32767!");
        case TextId::NameStart:
            return QT_TRANSLATE_NOOP("EngineText", "     Name der Rechenart ?");
        case TextId::NameUnbekannt:
            return QT_TRANSLATE_NOOP("EngineText", " Name der Rechenart ?");
        case TextId::Angehalten:
            return QT_TRANSLATE_NOOP("EngineText", "   Berechnung angehalten!");
        case TextId::Unklar:
            return QT_TRANSLATE_NOOP("EngineText", " ???");
        case TextId::Ueberlauf:
            return QT_TRANSLATE_NOOP("EngineText", "     |Ergebnis| > 10^308");
        case TextId::NichtDefiniert:
            return QT_TRANSLATE_NOOP("EngineText", "   Nicht definiert!");
        case TextId::NullDivision:
            return QT_TRANSLATE_NOOP("EngineText", "Division durch Null");
        case TextId::OhneCode:
            return QT_TRANSLATE_NOOP("EngineText", "  derzeit ohne Code");
        case TextId::ZuTief:
            return QT_TRANSLATE_NOOP("EngineText", " Berechnung zu tief verschachtelt!");
        case TextId::UmformungUeberlauf:
            return QT_TRANSLATE_NOOP(
                "EngineText",
                "Bei der Umformung der Rechenzahl werden Zähler oder Nenner größer als 32767!");
        case TextId::RationalerExponentIII:
            return QT_TRANSLATE_NOOP(
                "EngineText", " In der Berechnung (Regel III) tritt ein rationaler Exponent auf!");
        case TextId::GrenzwertFrage:
            return QT_TRANSLATE_NOOP("EngineText", " Grenzwert??");
        case TextId::GrenzwertUnbekannt:
            return QT_TRANSLATE_NOOP("EngineText", " In diesem Fall ist der Grenzwert unbekannt!");
        case TextId::SpeicherVoll:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Für diese Berechnung reicht der Arbeitsspeicher nicht!");
        case TextId::InternerFehler:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Die Berechnung ist an einem internen Fehler gescheitert!");
        case TextId::NameIdentitaet:
            return QT_TRANSLATE_NOOP("EngineText", "  Identität:  b");
        case TextId::NameNachfolger:
            return QT_TRANSLATE_NOOP("EngineText", "  Nachfolger:  b + 1");
        case TextId::NameAddition:
            return QT_TRANSLATE_NOOP("EngineText", "  Addition:  b + e");
        case TextId::NameMultiplikation:
            return QT_TRANSLATE_NOOP("EngineText", "  Multiplikation:  b · e");
        case TextId::NamePotenzierung:
            return QT_TRANSLATE_NOOP("EngineText", "  Potenzierung:  b ^ e");
        case TextId::NameVorgaenger:
            return QT_TRANSLATE_NOOP("EngineText", "  Vorgänger:  b - 1");
        case TextId::NameSubtraktion:
            return QT_TRANSLATE_NOOP("EngineText", "  Subtraktion:  b - e");
        case TextId::NameDivision:
            return QT_TRANSLATE_NOOP("EngineText", "  Division:  b / e");
        case TextId::NameHyperNull:
            return QT_TRANSLATE_NOOP("EngineText", "  Hyper-0-Potenzierung");
        case TextId::NameRadizieren:
            return QT_TRANSLATE_NOOP("EngineText", "  Radizieren:  b ^ (1/e)");
        case TextId::NameLogarithmieren:
            return QT_TRANSLATE_NOOP("EngineText", "  Logarithmieren:  Loge(b)");
        case TextId::NameFall12:
            return QT_TRANSLATE_NOOP("EngineText", "  Loge[Loge[b]] + 1");
        case TextId::NameFall13:
            return QT_TRANSLATE_NOOP("EngineText", "  -b + e");
        case TextId::NameFall14:
            return QT_TRANSLATE_NOOP("EngineText", "  (2-e)·b");
        case TextId::NameFall15:
            return QT_TRANSLATE_NOOP("EngineText", "   0 oder b");
        case TextId::NameFall16:
            return QT_TRANSLATE_NOOP("EngineText", "   2 - (b/e)");
        case TextId::NameFall17:
            return QT_TRANSLATE_NOOP("EngineText", "   b / (2-e)");
        case TextId::NameFall18:
            return QT_TRANSLATE_NOOP("EngineText", "   Log(2-e)[b/e]");
        case TextId::NameFall19:
            return QT_TRANSLATE_NOOP("EngineText", "   b ^ (2-e)");
        case TextId::NameFall21:
            return QT_TRANSLATE_NOOP("EngineText", "   b ^ (1/(2-e))");
        case TextId::NameFall22:
            return QT_TRANSLATE_NOOP("EngineText", "   2 - Loge[b]");
        case TextId::NameFall23:
            return QT_TRANSLATE_NOOP("EngineText", "   b ^ (b^(1-e))");
        case TextId::NameFall24:
            return QT_TRANSLATE_NOOP("EngineText", "   1 - Loge[Loge[b]]");
        case TextId::NameFall25:
            return QT_TRANSLATE_NOOP("EngineText", "   b · (2-b)^(e-1)");
        case TextId::NameFall26:
            return QT_TRANSLATE_NOOP("EngineText", "   b ^ ((2-b)^(e-1))");
        case TextId::NameFall27:
            return QT_TRANSLATE_NOOP("EngineText", "   b · (2-b)^(1-e)");
        case TextId::NameFall28:
            return QT_TRANSLATE_NOOP("EngineText", "   b ^ ((2-b)^(1-e))");
        case TextId::NameFall29:
            return QT_TRANSLATE_NOOP("EngineText", "   Log(2-e)[Loge[b]] + 1");
        case TextId::NameFall30:
            return QT_TRANSLATE_NOOP("EngineText", "   1 - Log(2-e)[b/e]");
        case TextId::NameFall31:
            return QT_TRANSLATE_NOOP("EngineText", "   1 - Loge[Log(2-e)[b]]");
        case TextId::NameFall33:
            return QT_TRANSLATE_NOOP("EngineText", "   unbestimmt  oder  b");
        case TextId::NameHyperEins:
            return QT_TRANSLATE_NOOP("EngineText", " Hyper-1-Potenzierung");
        //: %1: the name of the operation that was inverted
        case TextId::NameGegenrechenart:
            return QT_TRANSLATE_NOOP("EngineText", " Gegenrechenart von%1");
        case TextId::RationalerExponent:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Basis muss für rationale Exponenten positiv sein!");
        case TextId::DivisionDurchNull:
            return QT_TRANSLATE_NOOP("EngineText", "Division durch Null!");
        case TextId::NegativeBasisRational:
            return QT_TRANSLATE_NOOP(
                "EngineText", "Es tritt die Potenz einer negativen Basis auf (Exponent rational)!");
        case TextId::BasisPositiv:
            return QT_TRANSLATE_NOOP("EngineText", "Basis muss positiv sein!");
        case TextId::LogPositiv:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Basis und Exponent(nicht 1!) des Log müssen positiv sein!");
        case TextId::LogBasisEins:
            return QT_TRANSLATE_NOOP(
                "EngineText", " Der Logarithmus zur Basis 1 ist in diesem Fall nicht definiert!");
        case TextId::Unbestimmt:
            return QT_TRANSLATE_NOOP("EngineText", " unbestimmt (ganz R)");
        case TextId::BasisGroesserEins:
            return QT_TRANSLATE_NOOP("EngineText", "Basis muss größer als 1 sein!");
        case TextId::DivisionDurch0:
            return QT_TRANSLATE_NOOP("EngineText", "Division durch 0!");
        case TextId::ExponentUngleich2:
            return QT_TRANSLATE_NOOP("EngineText", "Der Exponent muss ungleich 2 sein!");
        case TextId::ExponentNullZwei:
            return QT_TRANSLATE_NOOP("EngineText", "Der Exponent muss aus ]0;2[ und  b/e>0  sein!");
        case TextId::BasisSollteGroesserNull:
            return QT_TRANSLATE_NOOP("EngineText", "Die Basis sollte größer als 0 sein!");
        case TextId::ExponentUngleich2BasisPositiv:
            return QT_TRANSLATE_NOOP(
                "EngineText", "Der Exponent muss ungleich 2 und die Basis größer als 0 sein!");
        case TextId::BasisPositivExponentPositiv:
            return QT_TRANSLATE_NOOP(
                "EngineText",
                "Die Basis muss größer als 0, der Exponent positiv (aber ungleich 1) sein!");
        case TextId::DieBasisGroesserNull:
            return QT_TRANSLATE_NOOP("EngineText", "Die Basis muss größer als 0 sein!");
        case TextId::DieBasisGroesserEins:
            return QT_TRANSLATE_NOOP("EngineText", "Die Basis muss größer als 1 sein!");
        case TextId::BasisKleinerZwei:
            return QT_TRANSLATE_NOOP("EngineText", "Die Basis muss kleiner als 2 sein!");
        case TextId::BasisNullZwei:
            return QT_TRANSLATE_NOOP("EngineText", "Die Basis muss aus [0;2] sein!");
        case TextId::BasisEinsExponentNullZwei:
            return QT_TRANSLATE_NOOP(
                "EngineText", "Die Basis muss größer als 1, der Exponent aus ]0;2[ ohne 1 sein!");
        case TextId::QuotientExponent:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Der Quotient Basis/Exponent muss größer als 0 und der "
                                     "Exponent<2, aber ungleich 1 sein!");
        case TextId::WertUnbestimmt:
            return QT_TRANSLATE_NOOP("EngineText", " Wert unbestimmt");
        case TextId::KeineLoesung:
            return QT_TRANSLATE_NOOP("EngineText", " keine Lösung!    (IV)");
        case TextId::KeineSichereLoesung:
            return QT_TRANSLATE_NOOP("EngineText", " keine sichere Lösung!    (IV)");
        case TextId::NichtDefiniertIV:
            return QT_TRANSLATE_NOOP("EngineText", "nicht definiert (IV)");
        case TextId::KeinVorzeichenwechsel:
            return QT_TRANSLATE_NOOP(
                "EngineText",
                " Kein Vorzeichenwechsel für die Lösung der Gegenrechenart gefunden!");
        case TextId::IntervallFehler:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Fehler beim Suchen definierter Intervalle (Gegenlsg.)!");
        case TextId::IntervallFehler2:
            return QT_TRANSLATE_NOOP("EngineText",
                                     "Fehler beim Suchen definierter Intervalle (Gegenlsg.(2))!");
        //: Graph label; %1: the formula, e.g. m[7 , 00][x , 3]
        case TextId::GraphVon:
            return QT_TRANSLATE_NOOP("EngineText", "Graph von x -> %1");
        //: Graph label; %1: the name of the operation
        case TextId::GraphName:
            return QT_TRANSLATE_NOOP("EngineText", "Name: %1");
        //: Graph label; %1: dots drawn, %2: steps asked for
        case TextId::GraphPunkte:
            return QT_TRANSLATE_NOOP("EngineText", "Punkte: %1 von %2");
        //: Graph label: the y axis shows log10 of the value's magnitude
        case TextId::GraphSkalaLog:
            return QT_TRANSLATE_NOOP("EngineText", "log₁₀|y|");
        //: Graph label: the y axis shows the value's tower height (super-logarithm)
        case TextId::GraphSkalaHoehe:
            return QT_TRANSLATE_NOOP("EngineText", "Höhe");
    }
    return nullptr;
}

QString engineText(TextId id) {
    const char* quelle = engineTextQuelle(id);
    return quelle == nullptr ? QString() : QCoreApplication::translate(kKontext, quelle);
}

QString engineText(RechenartName name) {
    if (!name.gegenrechenart) return engineText(name.basis);
    return engineText(TextId::NameGegenrechenart).arg(engineText(name.basis));
}

QString gespeicherterEngineText(const QString& deutsch) {
    static const QHash<QString, TextId> ids = [] {
        QHash<QString, TextId> neu;
        for (std::size_t i = 1; i < kTextIds; ++i) {
            const std::string_view text = kDeutscheTexte[i];
            neu.insert(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                       static_cast<TextId>(i));
        }
        return neu;
    }();
    if (const auto it = ids.constFind(deutsch); it != ids.cend()) return engineText(*it);
    // The result label: a blank, then the Meldung (FormatErgebnis).
    if (deutsch.startsWith(QLatin1Char(' '))) {
        if (const auto it = ids.constFind(deutsch.mid(1)); it != ids.cend()) {
            return QLatin1Char(' ') + engineText(*it);
        }
    }
    return deutsch;
}

}  // namespace staffel::app
