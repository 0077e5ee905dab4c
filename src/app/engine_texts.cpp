#include "app/engine_texts.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <string_view>
#include <vector>

namespace staffel::app {

namespace {

// The context of every row below; lupdate needs it spelt out in each.
constexpr char kKontext[] = "EngineText";

// One row per text, exactly as the engine writes it, leading blanks included.
constexpr const char* kTexte[] = {
    // Input and Rechenzahl
    QT_TRANSLATE_NOOP("EngineText", "Erst EINGABE , dann BERECHNUNG !"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Basis und Exponent müssen zwischen -1.79769313486231E+308 "
                      "und 1.79769313486231E+308 liegen!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Zähler und Nenner der Rechenzahl müssen zwischen -32768 und 32767 liegen!"),
    QT_TRANSLATE_NOOP("EngineText", "Der Nenner der Rechenzahl darf nicht 0 sein!"),
    QT_TRANSLATE_NOOP("EngineText", "Die Rechenzahl darf höchstens vier Nachkommastellen haben!"),
    QT_TRANSLATE_NOOP("EngineText", "Die Rechenzahl darf nicht 0 sein!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Die Auflösungsliste dieser Rechenzahl sprengt den "
                      "Zahlenbereich von -32768 bis 32767!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Passen Sie bitte die Anzahl der Ziffern in der "
                      "Auflösungszahl an  step = |A|  an !"),
    QT_TRANSLATE_NOOP("EngineText", "Die Auflösungszahl darf nur die Ziffern 0 und 1 enthalten!"),
    QT_TRANSLATE_NOOP("EngineText", " +- Unendlich"),
    QT_TRANSLATE_NOOP("EngineText", "Diese Umformung ist nicht möglich: Der Nenner wäre 0!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Diese Umformung ist nicht möglich: Zähler oder Nenner lägen außerhalb "
                      "von -32768 bis 32767!"),
    // State of a calculation
    QT_TRANSLATE_NOOP("EngineText", "     Name der Rechenart ?"),
    QT_TRANSLATE_NOOP("EngineText", " Name der Rechenart ?"),
    QT_TRANSLATE_NOOP("EngineText", "   Berechnung angehalten!"),
    QT_TRANSLATE_NOOP("EngineText", "     |Ergebnis| > 10^308"),
    QT_TRANSLATE_NOOP("EngineText", "   Nicht definiert!"),
    QT_TRANSLATE_NOOP("EngineText", "Division durch Null"),
    QT_TRANSLATE_NOOP("EngineText", "  derzeit ohne Code"),
    QT_TRANSLATE_NOOP("EngineText", " Berechnung zu tief verschachtelt!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Bei der Umformung der Rechenzahl werden Zähler oder "
                      "Nenner größer als 32767!"),
    QT_TRANSLATE_NOOP("EngineText",
                      " In der Berechnung (Regel III) tritt ein rationaler Exponent auf!"),
    QT_TRANSLATE_NOOP("EngineText", " Grenzwert??"),
    QT_TRANSLATE_NOOP("EngineText", " In diesem Fall ist der Grenzwert unbekannt!"),
    QT_TRANSLATE_NOOP("EngineText", "Für diese Berechnung reicht der Arbeitsspeicher nicht!"),
    QT_TRANSLATE_NOOP("EngineText", "Die Berechnung ist an einem internen Fehler gescheitert!"),
    // Names of the closed forms
    QT_TRANSLATE_NOOP("EngineText", "  Identität:  b"),
    QT_TRANSLATE_NOOP("EngineText", "  Nachfolger:  b + 1"),
    QT_TRANSLATE_NOOP("EngineText", "  Addition:  b + e"),
    QT_TRANSLATE_NOOP("EngineText", "  Multiplikation:  b · e"),
    QT_TRANSLATE_NOOP("EngineText", "  Potenzierung:  b ^ e"),
    QT_TRANSLATE_NOOP("EngineText", "  Vorgänger:  b - 1"),
    QT_TRANSLATE_NOOP("EngineText", "  Subtraktion:  b - e"),
    QT_TRANSLATE_NOOP("EngineText", "  Division:  b / e"),
    QT_TRANSLATE_NOOP("EngineText", "  Hyper-0-Potenzierung"),
    QT_TRANSLATE_NOOP("EngineText", "  Radizieren:  b ^ (1/e)"),
    QT_TRANSLATE_NOOP("EngineText", "  Logarithmieren:  Loge(b)"),
    QT_TRANSLATE_NOOP("EngineText", "   0 oder b"),
    QT_TRANSLATE_NOOP("EngineText", "   unbestimmt  oder  b"),
    QT_TRANSLATE_NOOP("EngineText", " Hyper-1-Potenzierung"),
    // Domain checks of the closed forms
    QT_TRANSLATE_NOOP("EngineText", "Basis muss für rationale Exponenten positiv sein!"),
    QT_TRANSLATE_NOOP("EngineText", "Division durch Null!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Es tritt die Potenz einer negativen Basis auf (Exponent rational)!"),
    QT_TRANSLATE_NOOP("EngineText", "Basis muss positiv sein!"),
    QT_TRANSLATE_NOOP("EngineText", "Basis und Exponent(nicht 1!) des Log müssen positiv sein!"),
    QT_TRANSLATE_NOOP("EngineText",
                      " Der Logarithmus zur Basis 1 ist in diesem Fall nicht definiert!"),
    QT_TRANSLATE_NOOP("EngineText", " unbestimmt (ganz R)"),
    QT_TRANSLATE_NOOP("EngineText", "Basis muss größer als 1 sein!"),
    QT_TRANSLATE_NOOP("EngineText", "Division durch 0!"),
    QT_TRANSLATE_NOOP("EngineText", "Der Exponent muss ungleich 2 sein!"),
    QT_TRANSLATE_NOOP("EngineText", "Der Exponent muss aus ]0;2[ und  b/e>0  sein!"),
    QT_TRANSLATE_NOOP("EngineText", "Die Basis sollte größer als 0 sein!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Der Exponent muss ungleich 2 und die Basis größer als 0 sein!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Die Basis muss größer als 0, der Exponent positiv (aber ungleich 1) sein!"),
    QT_TRANSLATE_NOOP("EngineText", "Die Basis muss größer als 0 sein!"),
    QT_TRANSLATE_NOOP("EngineText", "Die Basis muss größer als 1 sein!"),
    QT_TRANSLATE_NOOP("EngineText", "Die Basis muss kleiner als 2 sein!"),
    QT_TRANSLATE_NOOP("EngineText", "Die Basis muss aus [0;2] sein!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Die Basis muss größer als 1, der Exponent aus ]0;2[ ohne 1 sein!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Der Quotient Basis/Exponent muss größer als 0 und der "
                      "Exponent<2, aber ungleich 1 sein!"),
    QT_TRANSLATE_NOOP("EngineText", " Wert unbestimmt"),
    // Inverse solvers
    QT_TRANSLATE_NOOP("EngineText", " keine Lösung!    (IV)"),
    QT_TRANSLATE_NOOP("EngineText", "nicht definiert (IV)"),
    QT_TRANSLATE_NOOP("EngineText",
                      " Kein Vorzeichenwechsel für die Lösung der Gegenrechenart gefunden!"),
    QT_TRANSLATE_NOOP("EngineText", "Fehler beim Suchen definierter Intervalle (Gegenlsg.)!"),
    QT_TRANSLATE_NOOP("EngineText", "Fehler beim Suchen definierter Intervalle (Gegenlsg.(2))!"),
    // Patterns
    //: %1: the name of the operation that was inverted
    QT_TRANSLATE_NOOP("EngineText", " Gegenrechenart von%1"),
    //: Graph label; %1: the name of the operation
    QT_TRANSLATE_NOOP("EngineText", "Name: %1"),
    //: Graph label; %1: the formula, e.g. m[7 , 00][x , 3]
    QT_TRANSLATE_NOOP("EngineText", "Graph von x -> %1"),
    //: Graph label; %1: dots drawn, %2: steps asked for
    QT_TRANSLATE_NOOP("EngineText", "Punkte: %1 von %2"),
};

bool istMuster(std::string_view text) {
    return text.find("%1") != std::string_view::npos;
}

QString uebersetzt(const char* quelle) {
    return QCoreApplication::translate(kKontext, quelle);
}

qsizetype fuehrendeBlanks(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text[n] == QLatin1Char(' ')) ++n;
    return n;
}

struct Muster {
    QRegularExpression ausdruck;
    const char* quelle;
};

// "Punkte: %1 von %2" matches "Punkte: 12 von 200" with the captures "12" and "200".
QRegularExpression ausdruckVon(const QString& muster) {
    static const QRegularExpression platzhalter(QStringLiteral("%[1-9]"));
    QString ausdruck;
    qsizetype von = 0;
    for (auto it = platzhalter.globalMatch(muster); it.hasNext();) {
        const QRegularExpressionMatch treffer = it.next();
        ausdruck += QRegularExpression::escape(muster.mid(von, treffer.capturedStart() - von));
        ausdruck += QStringLiteral("(.*?)");
        von = treffer.capturedEnd();
    }
    ausdruck += QRegularExpression::escape(muster.mid(von));
    return QRegularExpression(QRegularExpression::anchoredPattern(ausdruck));
}

struct Katalog {
    QHash<QString, const char*> genau;
    // The result label puts a blank before the message; the text after the leading blanks
    // finds its row too.
    QHash<QString, const char*> ohneBlanks;
    std::vector<Muster> muster;
};

const Katalog& katalog() {
    static const Katalog k = [] {
        Katalog neu;
        for (const char* quelle : kTexte) {
            const QString text = QString::fromUtf8(quelle);
            if (istMuster(quelle)) {
                neu.muster.push_back({ausdruckVon(text), quelle});
                continue;
            }
            neu.genau.insert(text, quelle);
            neu.ohneBlanks.insert(text.mid(fuehrendeBlanks(text)), quelle);
        }
        return neu;
    }();
    return k;
}

// Puts the captures, each translated in turn, in place of %1, %2 ... of the translation.
QString eingesetzt(const QString& uebersetzung, const QRegularExpressionMatch& treffer) {
    QString text;
    for (qsizetype i = 0; i < uebersetzung.size(); ++i) {
        const QChar c = uebersetzung[i];
        const int nummer = i + 1 < uebersetzung.size() ? uebersetzung[i + 1].digitValue() : -1;
        if (c == QLatin1Char('%') && nummer >= 1 && nummer <= treffer.lastCapturedIndex()) {
            text += engineText(treffer.captured(nummer).toStdString());
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace

QString engineText(std::string_view german) {
    const QString text = QString::fromUtf8(german.data(), static_cast<qsizetype>(german.size()));
    const Katalog& k = katalog();
    if (const auto it = k.genau.constFind(text); it != k.genau.cend()) return uebersetzt(*it);
    for (const Muster& m : k.muster) {
        const QRegularExpressionMatch treffer = m.ausdruck.match(text);
        if (treffer.hasMatch()) return eingesetzt(uebersetzt(m.quelle), treffer);
    }
    const qsizetype blanks = fuehrendeBlanks(text);
    if (const auto it = k.ohneBlanks.constFind(text.mid(blanks)); it != k.ohneBlanks.cend()) {
        const QString uebersetzung = uebersetzt(*it);
        return text.left(blanks) + uebersetzung.mid(fuehrendeBlanks(uebersetzung));
    }
    return text;
}

std::span<const char* const> engineTextSources() {
    return kTexte;
}

}  // namespace staffel::app
