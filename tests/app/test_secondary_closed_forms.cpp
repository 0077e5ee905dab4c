#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

#include "app/help_window.h"
#include "engine/modul_ra.h"
#include "engine/rechnen.h"

using namespace staffel;
using namespace staffel::app;

namespace {

// One row of the list of closed forms: "m[R, A][b,e]<tab>= formula[<tab>= m[R', A'][b,e]]".
struct Zeile {
    QString r;
    QString a;
    QString formel;
    std::optional<QPair<QString, QString>> gleich;
};

std::vector<Zeile> zeilenDerListe() {
    HilfeFenster fenster(Hilfe::Normal);
    const QString text = fenster.anzeige()->toPlainText();
    static const QRegularExpression form(
        QStringLiteral("^m\\[([0-9/]+)(?:, ([01x.]+))?\\]\\[b(?:,e)?\\]\\t= ([^\\t]+)"
                       "(?:\\t= m\\[([0-9/]+)(?:, ([01x.]+))?\\]\\[b,e\\])?$"));
    std::vector<Zeile> zeilen;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QStringLiteral("m[")) || !line.contains(QLatin1Char('\t'))) continue;
        const QRegularExpressionMatch match = form.match(line);
        if (!match.hasMatch()) {
            zeilen.push_back({QStringLiteral("unlesbar"), line, {}, {}});
            continue;
        }
        Zeile zeile{match.captured(1), match.captured(2), match.captured(3), std::nullopt};
        if (match.hasCaptured(4)) zeile.gleich = qMakePair(match.captured(4), match.captured(5));
        zeilen.push_back(zeile);
    }
    return zeilen;
}

// "x" stands for either digit, "0..0" for as many zeros as the Rechenzahl needs, which is
// what the calculate command makes of a single "0".
QStringList aufloesungszahlen(const QString& muster) {
    if (muster == QStringLiteral("0..0")) return {QStringLiteral("0")};
    QStringList varianten{QString()};
    for (QChar ziffer : muster) {
        QStringList weiter;
        for (const QString& anfang : varianten) {
            if (ziffer == QLatin1Char('x')) {
                weiter << anfang + QLatin1Char('0') << anfang + QLatin1Char('1');
            } else {
                weiter << anfang + ziffer;
            }
        }
        varianten = weiter;
    }
    return varianten;
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

#define F(ausdruck) [](double b, double e) -> std::optional<double> { (void)e; return ausdruck; }

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

struct Ergebnis {
    RechenAusgang ausgang;
    double wert;
    std::string meldung;
    std::int64_t fehlerstatus;
};

Ergebnis rechne(const QString& r, const QString& a, double b, double e) {
    ModulRA modul;
    const RechenEingabe eingabe{r.toStdString(), a.toStdString(),
                                QString::number(b, 'g', 17).toStdString(),
                                QString::number(e, 'g', 17).toStdString()};
    const RechenAnzeige anzeige = Rechne(modul, eingabe);
    return {anzeige.ausgang, modul.Ergebnis, modul.Meldung, modul.Fehlerstatus};
}

bool nahe(double ist, double soll) {
    return std::fabs(ist - soll) <= 1e-12 * std::max(1.0, std::fabs(soll));
}

QString beschreibung(const QString& r, const QString& a, double b, double e) {
    return QStringLiteral("m[%1, %2][%3, %4]").arg(r, a).arg(b).arg(e);
}

}  // namespace

class TestSecondaryClosedForms : public QObject {
    Q_OBJECT

  private slots:
    // Every row, with every digit the "x" may stand for, against what the calculate
    // command works out; the operation of the third column must give the same value.
    void listeStimmtMitDerRechnung() {
        int geprueft = 0;
        const std::vector<Zeile> zeilen = zeilenDerListe();
        QCOMPARE(zeilen.size(), std::size_t{87});
        for (const Zeile& zeile : zeilen) {
            const auto formel = formeln().find(zeile.formel);
            QVERIFY2(formel != formeln().end(), qPrintable(zeile.formel));
            for (const auto& [b, e] : formel->second.proben) {
                const std::optional<double> soll = formel->second.wert(b, e);
                QStringList seiten;
                for (const QString& a : aufloesungszahlen(zeile.a)) seiten << zeile.r + "|" + a;
                if (zeile.gleich) {
                    for (const QString& a : aufloesungszahlen(zeile.gleich->second)) {
                        seiten << zeile.gleich->first + "|" + a;
                    }
                }
                for (const QString& seite : seiten) {
                    const QString r = seite.section(QLatin1Char('|'), 0, 0);
                    const QString a = seite.section(QLatin1Char('|'), 1);
                    const Ergebnis ist = rechne(r, a, b, e);
                    const QString wo = beschreibung(r, a, b, e) + QStringLiteral(" for ") +
                                       zeile.formel + QStringLiteral(": ") +
                                       QString::number(ist.wert, 'g', 17) + QLatin1Char(' ') +
                                       QString::fromStdString(ist.meldung);
                    QVERIFY2(ist.ausgang == RechenAusgang::Wert, qPrintable(wo));
                    if (soll) {
                        QVERIFY2(ist.fehlerstatus == 0 && ist.meldung.empty(), qPrintable(wo));
                        QVERIFY2(nahe(ist.wert, *soll), qPrintable(wo));
                    } else {
                        QVERIFY2(ist.meldung == " Wert unbestimmt", qPrintable(wo));
                    }
                    ++geprueft;
                }
            }
        }
        QVERIFY(geprueft > 400);
    }
};

QTEST_MAIN(TestSecondaryClosedForms)
#include "test_secondary_closed_forms.moc"
