// The list of closed forms in the help window, every row against the calculate command, and
// every closed form of the engine in the list.
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "app/secondary/help_window.h"
#include "engine/closed_forms/closed_form_cases.h"
#include "engine/closed_forms/closed_form_table.h"
#include "engine/modul_ra.h"
#include "engine/run/antwort.h"
#include "engine/run/rechnen.h"

using namespace staffel;
using namespace staffel::app;

namespace {

// "x" stands for either digit, "0..0" for as many zeros as the Rechenzahl needs, which is
// what the calculate command makes of a single "0".
QStringList aufloesungszahlen(const QString& muster) {
    if (muster == QStringLiteral("0..0")) return {QStringLiteral("0")};
    const qsizetype x = muster.indexOf(QLatin1Char('x'));
    if (x < 0) return {muster};
    return aufloesungszahlen(QString(muster).replace(x, 1, '0')) +
           aufloesungszahlen(QString(muster).replace(x, 1, '1'));
}

std::string zahl(double x) {
    return QString::number(x, 'g', 17).toStdString();
}

bool gerade(double x) {
    return std::floor(x / 2) == x / 2;
}
double logBasis(double x, double y) {
    return std::log(x) / std::log(y);
}

// The value each formula text of the list stands for; nullopt is "unbestimmt".
using Wert = std::function<std::optional<double>(double b, double e)>;
struct Formel {
    Wert wert;
    std::vector<std::pair<double, double>> proben;
};

#define F(ausdruck) \
    [](double b, [[maybe_unused]] double e) -> std::optional<double> { return ausdruck; }

const std::map<QString, Formel>& formeln() {
    using P = std::vector<std::pair<double, double>>;
    const P allgemein{{2.5, 1.25}, {-3, 7}};
    static const std::map<QString, Formel> tabelle{
        // clang-format off
        {"b", {F(b), allgemein}},
        {"b+1", {F(b + 1), allgemein}},
        {"b-1", {F(b - 1), allgemein}},
        {"b+e", {F(b + e), allgemein}},
        {"b-e", {F(b - e), allgemein}},
        {"-b+e", {F(-b + e), allgemein}},
        {"b·e", {F(b * e), allgemein}},
        {"b/e", {F(b / e), {{7, 2}, {-3, 0.5}}}},
        {"b^e", {F(std::pow(b, e)), {{2, 3}, {1.5, 0.5}, {-2, 3}}}},
        {"b^(1/e)", {F(std::pow(b, 1 / e)), {{8, 3}, {2, 0.5}}}},
        {"Loge[b]", {F(logBasis(b, e)), {{8, 2}, {0.5, 3}}}},
        {"b^(b^(e-1))", {F(std::pow(b, std::pow(b, e - 1))), {{2, 3}, {1.5, 2.5}}}},
        {"(2-e)·b", {F((2 - e) * b), {{3, 5}, {1.5, 0.5}}}},
        {"0 (e gerade) , b (e ungerade)", {F(gerade(e) ? 0.0 : b), {{3, 4}, {3, 5}, {3, 0}}}},
        {"0 (b gerade) , b (b ungerade)", {F(gerade(b) ? 0.0 : b), {{4, 2.5}, {5, 1}, {3.5, 2}}}},
        {"b (e ungerade), unbestimmt (e gerade)",
            {F(gerade(e) ? std::optional<double>() : b), {{7, 3}, {7, 4}}}},
        {"2-(b/e)", {F(2 - b / e), {{6, 3}, {1.5, 0.5}}}},
        {"b/(2-e)", {F(b / (2 - e)), {{6, 1}, {3, 0.5}}}},
        {"Log(2-e)[b/e]+1", {F(logBasis(b / e, 2 - e) + 1), {{1.5, 0.5}, {3, 1.5}}}},
        {"b^(2-e)", {F(std::pow(b, 2 - e)), {{1.5, 0.5}, {3, 4}}}},
        {"b^(1/(2-e))", {F(std::pow(b, 1 / (2 - e))), {{1.5, 0.5}, {8, 5}}}},
        {"2-Loge[b]", {F(2 - logBasis(b, e)), {{8, 2}, {1.5, 0.5}}}},
        {"b^(b^(1-e))", {F(std::pow(b, std::pow(b, 1 - e))), {{2, 3}, {1.5, 0.5}}}},
        {"Loge[Loge[b]]+1", {F(logBasis(logBasis(b, e), e) + 1), {{16, 2}, {81, 3}}}},
        {"1-Loge[Loge[b]]", {F(1 - logBasis(logBasis(b, e), e)), {{16, 2}, {81, 3}}}},
        {"b·(2-b)^(e-1)", {F(b * std::pow(2 - b, e - 1)), {{1.5, 3}, {0.5, 2.5}}}},
        {"b^((2-b)^(e-1))", {F(std::pow(b, std::pow(2 - b, e - 1))), {{1.5, 3}, {0.5, 2.5}}}},
        {"b·(2-b)^(1-e)", {F(b * std::pow(2 - b, 1 - e)), {{1.5, 3}, {0.5, 2.5}}}},
        {"b^((2-b)^(1-e))", {F(std::pow(b, std::pow(2 - b, 1 - e))), {{1.5, 3}, {0.5, 2.5}}}},
        {"Log(2-e)[Loge[b]]+1", {F(logBasis(logBasis(b, e), 2 - e) + 1), {{9, 1.5}, {2, 1.25}}}},
        {"1-Log(2-e)[b/e]", {F(1 - logBasis(b / e, 2 - e)), {{1.5, 0.5}, {0.5, 1.5}}}},
        {"1-Log(2-e)[Loge[b]]", {F(1 - logBasis(logBasis(b, e), 2 - e)), {{9, 1.5}, {2, 1.25}}}},
        // clang-format on
    };
    return tabelle;
}

}  // namespace

class TestClosedFormList : public QObject {
    Q_OBJECT

  private slots:
    // Each row "m[R, A][b,e]<tab>= formula[<tab>= m[R', A'][b,e]]", with every digit the "x"
    // may stand for: the calculate command gives the formula's value on both sides.
    void listeStimmtMitDerRechnung() {
        HilfeFenster fenster(Hilfe::Normal);
        static const QRegularExpression form(
            QStringLiteral("^m\\[([0-9/]+)(?:, ([01x.]+))?\\]\\[b(?:,e)?\\]\\t= ([^\\t]+)"
                           "(?:\\t= m\\[([0-9/]+)(?:, ([01x.]+))?\\]\\[b,e\\])?$"));
        int zeilen = 0;
        int geprueft = 0;
        std::set<int> beschrieben;  // the engine's closed forms that the list names
        for (const QString& zeile : fenster.anzeige()->toPlainText().split('\n')) {
            if (!zeile.startsWith(QStringLiteral("m[")) || !zeile.contains('\t')) continue;
            ++zeilen;
            const QRegularExpressionMatch treffer = form.match(zeile);
            QVERIFY2(treffer.hasMatch(), qPrintable(zeile));
            const auto formel = formeln().find(treffer.captured(3));
            QVERIFY2(formel != formeln().end(), qPrintable(zeile));
            QList<std::pair<QString, QString>> seiten;  // Rechenzahl, Auflösungszahl
            for (int r : {1, 4}) {
                if (!treffer.hasCaptured(r)) continue;
                const QStringList bruch = treffer.captured(r).split('/');
                for (const QString& a : aufloesungszahlen(treffer.captured(r + 1))) {
                    seiten.append({treffer.captured(r), a});
                    beschrieben.insert(closedFormCase(bruch[0].toShort(),
                                                      bruch.size() > 1 ? bruch[1].toShort() : 1,
                                                      a.toStdString()));
                }
            }
            for (const auto& [b, e] : formel->second.proben) {
                const std::optional<double> soll = formel->second.wert(b, e);
                for (const auto& [r, a] : seiten) {
                    ModulRA m;
                    const Antwort antwort =
                        m.rechne({r.toStdString(), a.toStdString(), zahl(b), zahl(e)});
                    const double wert = antwort.ergebnis.value_or(std::nan(""));
                    const bool stimmt =
                        soll ? antwort.gueltig && std::fabs(wert - *soll) <=
                                                      1e-12 * std::max(1.0, std::fabs(*soll))
                             : antwort.meldung == " Wert unbestimmt";
                    const QString wo = QStringLiteral("%1, %2 [%3, %4]: %5 %6")
                                           .arg(r, a, QString::number(b), QString::number(e),
                                                QString::number(wert, 'g', 17),
                                                QString::fromStdString(antwort.meldung));
                    QVERIFY2(antwort.ausgang == RechenAusgang::Wert && stimmt, qPrintable(wo));
                    ++geprueft;
                }
            }
        }
        for (const closed_form::Row& row : closed_form::kRows) {
            QVERIFY2(
                beschrieben.contains(row.number),
                qPrintable(QStringLiteral("closed form %1 is not in the list").arg(row.number)));
        }
        QVERIFY(zeilen >= 87);
        QVERIFY(geprueft > 400);
    }
};

QTEST_MAIN(TestClosedFormList)
#include "test_closed_form_list.moc"
