#include "engine/graph/graph_pass.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "engine/closed_forms/closed_form_cases.h"
#include "engine/graph/skala.h"
#include "engine/graph/ueberlauf_skala.h"
#include "engine/modul_ra.h"
#include "engine/numbers/number_text.h"
#include "engine/size/groesse.h"

namespace staffel::graph {

double RundeUnten(double x) {
    if (x == std::floor(x)) return x;
    if (x <= 0) return std::trunc(x);
    return std::trunc(x) + 1;
}

double RundeOben(double x) {
    if (x == std::floor(x)) return x;
    if (x >= 0) return std::trunc(x);
    return std::trunc(x) - 1;
}

std::vector<float> grobeStellen(const GraphEinstellungen& g) {
    const auto lo = toInt16(RundeUnten(g.Xmin));
    const auto hi = toInt16(RundeOben(g.Xmax));
    std::vector<float> stellen;
    if (!lo || !hi) return stellen;
    const int weite = int{*hi} - int{*lo};
    if (weite <= 0) return stellen;
    int schritt = weite / 50;
    if (schritt == 0) schritt = 1;
    for (float x = *lo; x < *hi; x += static_cast<float>(schritt)) stellen.push_back(x);
    return stellen;
}

FeineStellen::FeineStellen(const GraphEinstellungen& g) {
    const float dx = toSingle(g.DX);
    x_ = toSingle(g.Xmin);
    ende_ = toSingle(g.Xmax);
    schritt_ = toSingle((g.Xmax - g.Xmin) / dx);
    aktiv_ = dx > 0 && std::isfinite(x_);
}

bool FeineStellen::naechste(float& x) {
    if (!aktiv_ || !(x_ < ende_) || anzahl_ >= kMaxFeineStellen) {
        aktiv_ = false;
        return false;
    }
    x = x_;
    ++anzahl_;
    const float weiter = x_ + schritt_;
    x_ = weiter > x_ ? weiter : std::nextafter(x_, std::numeric_limits<float>::infinity());
    return true;
}

Abbildung::Abbildung(const GraphEinstellungen& g)
    : xmin_(g.Xmin),
      ymin_(g.Ymin),
      sx_(toSingle((kRechts - kLinks) / (g.Xmax - g.Xmin))),
      sy_(toSingle((kOben - kUnten) / (g.Ymax - g.Ymin))),
      schwelle_((GroessteZahl - kUnten) / sy_ + g.Ymin) {}

std::optional<Punkt> Abbildung::abbilden(float x, double y, Durchgang durchgang) const {
    const float px = toSingle((static_cast<double>(x) - xmin_) * sx_ + kLinks);
    if (!std::isfinite(px)) return std::nullopt;
    const double py = y >= schwelle_ ? GroessteZahl : (y - ymin_) * sy_ + kUnten;
    const float pySingle = toSingle(py);
    if (!(pySingle > kUnten && pySingle < kOben)) return std::nullopt;
    return Punkt{px, pySingle, durchgang};
}

std::optional<Punkt> Abbildung::oben(float x, Durchgang durchgang) const {
    const float px = toSingle((static_cast<double>(x) - xmin_) * sx_ + kLinks);
    if (!std::isfinite(px)) return std::nullopt;
    return Punkt{px, static_cast<float>(kOben), durchgang, true};
}

std::size_t StellenZahl(const GraphEinstellungen& g) {
    std::size_t anzahl = grobeStellen(g).size();
    FeineStellen fein(g);
    for (float x = 0; fein.naechste(x);) ++anzahl;
    return anzahl;
}

void Durchlauf(const GraphEinstellungen& g, const Auswertung& werte, const PunktSenke& senke,
               const Abbruch& abbruch, const ProbenSenke& proben) {
    const Abbildung abbildung(g);
    auto abgebrochen = [&] { return abbruch && abbruch(); };
    auto probe = [&](float x, Durchgang durchgang) {
        if (abgebrochen()) return false;
        const Stichwert y = werte(x);
        if (abgebrochen()) return false;  // cut short by a halt: no value of its own
        if (y.skaliert) {
            if (const auto punkt = abbildung.abbilden(x, *y.skaliert, durchgang)) senke(*punkt);
        } else if (y.ohneGroesse) {
            if (const auto punkt = abbildung.oben(x, durchgang)) senke(*punkt);
        }
        if (proben) proben({x, y.wert, durchgang, y.skaliert, y.ohneGroesse});
        return true;
    };
    for (const float x : grobeStellen(g)) {
        if (!probe(x, Durchgang::Grob)) return;
    }
    FeineStellen fein(g);
    float x = 0;
    while (fein.naechste(x)) {
        if (!probe(x, Durchgang::Fein)) return;
    }
}

Argumente ArgumenteFuer(const std::string& basisText, const std::string& exponentText, float x) {
    const double wert = x;
    Argumente a;
    a.b = basisText == "x" ? wert : ZahlLesen(basisText).wert;
    a.e = exponentText == "x" ? wert : ZahlLesen(exponentText).wert;
    return a;
}

Int16 PunkteAddieren(Int16 punkte, std::size_t n) {
    const std::size_t frei =
        punkte >= kMaxPunkte ? 0 : static_cast<std::size_t>(kMaxPunkte - punkte);
    return n >= frei ? kMaxPunkte : static_cast<Int16>(punkte + static_cast<Int16>(n));
}

namespace {
// A stored grid count as a loop bound; one outside 16 bits draws nothing.
int gitterZahl(double wert) {
    const auto zahl = toInt16(wert);
    return zahl ? int{*zahl} : 0;
}
}  // namespace

std::vector<Linie> GitterLinien(double gitterX, double gitterY) {
    std::vector<Linie> linien;
    const int ny = gitterZahl(gitterY);
    const int nx = gitterZahl(gitterX);
    if (ny > 1) {
        const float abstand = static_cast<float>(kOben - kUnten) / static_cast<float>(ny);
        for (int i = 1; i < ny; ++i) {
            const double y = kUnten + i * static_cast<double>(abstand);
            linien.push_back({kLinks, y, kRechts, y});
        }
    }
    if (nx > 1) {
        const float abstand = static_cast<float>(kRechts - kLinks) / static_cast<float>(nx);
        for (int i = 1; i < nx; ++i) {
            const double x = kLinks + i * static_cast<double>(abstand);
            linien.push_back({x, kUnten, x, kOben});
        }
    }
    return linien;
}

namespace {
Beschriftung zahlBeschriftung(double x, double y, double zahl, double raum) {
    return {x, y, ZahlText(zahl), TextId::Keine, {}, {}, zahl, raum};
}
}  // namespace

std::vector<Beschriftung> Kopfzeilen(const GraphEinstellungen& g, const std::string& formelText) {
    std::vector<Beschriftung> zeilen{
        {10,
         99,
         eingesetzt(TextId::GraphVon, {formelText}),
         TextId::GraphVon,
         {formelText},
         {},
         {},
         0},
        // Xmin has the bottom line up to the name; the others end at the frame or the edge.
        zahlBeschriftung(5, 4, g.Xmin, 60),
        zahlBeschriftung(190, 4, g.Xmax, kBreite - 190),
        zahlBeschriftung(0, 6, g.Ymin, kLinks - 0.5),
        zahlBeschriftung(0, 95, g.Ymax, kLinks - 0.5),
    };
    // Inside the frame's top left corner, so Ymin and Ymax are read in the scale they mean.
    if (g.skala != Skala::Wert) {
        const TextId skala =
            g.skala == Skala::Log10 ? TextId::GraphSkalaLog : TextId::GraphSkalaHoehe;
        zeilen.push_back(
            {kLinks + 1, kOben - 1, std::string(deutsch(skala)), skala, {}, {}, {}, 0});
    }
    return zeilen;
}

std::vector<Beschriftung> Schlusszeilen(const GraphEinstellungen& g, RechenartName name,
                                        Int16 punkte) {
    const std::string punkteText = ZahlText(punkte);
    const std::string dxText = ZahlTextSingle(g.DX);
    return {
        {70, 4, eingesetzt(TextId::GraphName, {deutsch(name)}), TextId::GraphName, {}, name, {}, 0},
        {160,
         99,
         eingesetzt(TextId::GraphPunkte, {punkteText, dxText}),
         TextId::GraphPunkte,
         {punkteText, dxText},
         {},
         {},
         0},
    };
}

std::string ZahlTextSingle(double value) {
    const float wert = toSingle(value);
    if (!std::isfinite(wert)) return ZahlText(wert);
    // Rounded to the seven digits a single shows, through text that ignores the locale.
    char buffer[32];
    const auto ende =
        std::to_chars(buffer, buffer + sizeof buffer, wert, std::chars_format::general, 7).ptr;
    double gerundet = 0.0;
    std::from_chars(buffer, ende, gerundet);
    return ZahlText(gerundet);
}

std::string FeldText(double value, bool singlePrecision) {
    std::string text = Trimmen(singlePrecision ? ZahlTextSingle(value) : ZahlText(value));
    if (text.starts_with('.')) {
        text.insert(0, 1, '0');
    } else if (text.starts_with("-.")) {
        text.insert(1, 1, '0');
    }
    return text;
}

bool Uebernehmen(GraphEinstellungen& g, const Felder& felder) {
    auto lesen = [](const std::string& text) { return ZahlLesen(Trimmen(text)).wert; };
    g.Xmin = lesen(felder.xmin);
    g.Xmax = lesen(felder.xmax);
    g.Ymin = lesen(felder.ymin);
    g.Ymax = lesen(felder.ymax);
    g.DX = toSingle(lesen(felder.dx));
    g.PunkteZahl = 0;
    return g.Xmax - g.Xmin != 0 && g.Ymax - g.Ymin != 0;
}

void GitterGanz(GraphEinstellungen& g) {
    g.GitterX = toInt16(g.Xmax - g.Xmin).value_or(0);
    g.GitterY = toInt16(g.Ymax - g.Ymin).value_or(0);
}

void Gitter20(GraphEinstellungen& g) {
    g.GitterX = 20;
    g.GitterY = 20;
}

}  // namespace staffel::graph

namespace staffel {

GraphPunkt ModulRA::graphPunkt(float x, Skala skala) {
    const graph::Argumente a = graph::ArgumenteFuer(BasisText, ExponentText, x);
    // Each sample tells its own overflow; no earlier sample's Meldung may stand for it.
    MeldungId = TextId::Keine;
    {
        const Fehlschlaege::Einschalten fehlschlaege(fehlschlaege_);
        Berechnung(RZaehler, RNenner, a.b, a.e, AufZahl);
    }
    // A halted evaluation may have stopped anywhere; its value means nothing.
    const bool definiert = Fehlerstatus == Fehler::Keiner && !haltAngefordert();
    const bool ueberlauf = Fehlerstatus == Fehler::Laufzeitfehler && !haltAngefordert();
    Fehlerstatus = Fehler::Keiner;
    GraphPunkt punkt{
        definiert ? std::optional<double>(Ergebnis) : std::nullopt, NameRechenartId, {}, false};
    if (definiert) {
        punkt.skaliert = skala == Skala::Wert ? Ergebnis : graph::inSkala(skala, Ergebnis);
    } else if (ueberlauf && skala != Skala::Wert) {
        const int fall = RNenner == 1 && MeldungId == TextId::Ueberlauf
                             ? closedFormCase(RZaehler, 1, AufZahl)
                             : 0;
        if (const auto schnell = graph::ueberlaufInSkala(skala, fall, a.b, a.e)) {
            punkt.skaliert = schnell;
            return punkt;
        }
        // Only a size beyond the doubles stands for the failed value; any other outcome of
        // the wide calculation would contradict the failure.
        const OptStufenzahl groesse =
            RNenner == 1 ? GroesseStufen(RZaehler, AufZahl, a.b, a.e, *this) : std::nullopt;
        if (groesse && groesse->stufen > 0) {
            punkt.skaliert = graph::inSkala(skala, *groesse);
        } else {
            punkt.ohneGroesse = MeldungId == TextId::Ueberlauf;
        }
    }
    return punkt;
}

}  // namespace staffel
