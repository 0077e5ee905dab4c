#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/graph/graph_einstellungen.h"
#include "engine/model/engine_texte.h"
#include "engine/numbers/int16.h"
#include "engine/numbers/single_precision.h"

// The graph's drawing pass without any window: which x are sampled, where their values land in
// the logical 200 x 100 coordinate system, and what the frame, grid and labels look like. The
// graph window only turns these data into pixels.
namespace staffel::graph {

// The fixed plotting frame in logical units; y grows upwards.
inline constexpr double kLinks = 8;
inline constexpr double kRechts = 198;
inline constexpr double kUnten = 5;
inline constexpr double kOben = 95;
inline constexpr double kBreite = 200;
inline constexpr double kHoehe = 100;

// The fine pass never takes more samples than this: far beyond the resolution of any screen,
// and it keeps an absurd DX from exhausting memory or running for days.
inline constexpr std::size_t kMaxFeineStellen = std::size_t{1} << 20;

// The dot counter is 16 bits wide; it stops at its limit instead of wrapping.
inline constexpr Int16 kMaxPunkte = 32767;

// Smallest whole number not below x (the coarse pass's lower bound).
double RundeUnten(double x);
// Largest whole number not above x (the coarse pass's upper bound).
double RundeOben(double x);

enum class Durchgang : std::uint8_t { Grob, Fein };

// A dot in logical coordinates.
struct Punkt {
    float x = 0;
    float y = 0;
    Durchgang durchgang = Durchgang::Fein;
    // A result beyond 10^308 whose size is not known, marked on the frame's top edge.
    bool ohneGroesse = false;
    bool operator==(const Punkt&) const = default;
};

// The whole-number samples of the coarse pass, in order. Empty when the range holds no whole
// number or its bounds leave the 16-bit range.
std::vector<float> grobeStellen(const GraphEinstellungen& g);

// The samples of the fine pass, one at a time: Xmin, then Xmin + step ... while below Xmax.
// Where the step is too small to change x in single precision, x moves to the next single value,
// so the pass always ends. A DX of 0 or below, or bounds that are no finite single values, give
// no samples.
class FeineStellen {
  public:
    explicit FeineStellen(const GraphEinstellungen& g);
    bool naechste(float& x);

  private:
    float x_ = 0;
    float ende_ = 0;
    float schritt_ = 0;
    std::size_t anzahl_ = 0;
    bool aktiv_ = false;
};

// Maps a sample and its value into the frame.
class Abbildung {
  public:
    explicit Abbildung(const GraphEinstellungen& g);
    // The dot for a defined value, or nullopt when it falls on or off the frame's bottom or top
    // edge, overflows, or lies beyond single precision.
    std::optional<Punkt> abbilden(float x, double y, Durchgang durchgang) const;
    // The mark on the top edge for a result beyond 10^308 without a size; nullopt where x
    // lies beyond single precision.
    std::optional<Punkt> oben(float x, Durchgang durchgang) const;

  private:
    double xmin_;
    double ymin_;
    float sx_;
    float sy_;
    double schwelle_;
};

// The number of samples both passes take together.
std::size_t StellenZahl(const GraphEinstellungen& g);

// One evaluated sample: its x, its value (nullopt when undefined), the pass that took it and
// where the scale drew it.
struct Probe {
    float x = 0;
    std::optional<double> y;
    Durchgang durchgang = Durchgang::Fein;
    std::optional<double> skaliert;
    bool ohneGroesse = false;
};

// A sample's outcome: its value (nullopt when undefined) and where the chosen scale draws it,
// which a result beyond 10^308 may have from its size alone. A value alone is drawn as it is.
struct Stichwert {
    Stichwert(std::optional<double> w = std::nullopt) : wert(w), skaliert(w) {}
    Stichwert(double w) : Stichwert(std::optional<double>(w)) {}
    Stichwert(std::optional<double> w, std::optional<double> s, bool ohne = false)
        : wert(w), skaliert(s), ohneGroesse(ohne) {}
    std::optional<double> wert;
    std::optional<double> skaliert;
    // Beyond 10^308 without a size: the log10 and height scales mark it at the top.
    bool ohneGroesse = false;
};

// The outcome of one sample.
using Auswertung = std::function<Stichwert(float x)>;
// Receives each dot as soon as it is known.
using PunktSenke = std::function<void(const Punkt&)>;
// Asked before and after every sample; true ends both passes.
using Abbruch = std::function<bool()>;
// Receives each evaluated sample, after its dot.
using ProbenSenke = std::function<void(const Probe&)>;

// The coarse pass, then the fine pass. A sample during which abbruch turned true has no value
// of its own: neither its dot nor the sample is reported.
void Durchlauf(const GraphEinstellungen& g, const Auswertung& werte, const PunktSenke& senke,
               const Abbruch& abbruch = {}, const ProbenSenke& proben = {});

// Basis and Exponent of one sample: "x" takes the sample, the other text is read as a number.
struct Argumente {
    double b = 0;
    double e = 0;
};
Argumente ArgumenteFuer(const std::string& basisText, const std::string& exponentText, float x);

// PunkteZahl + n, held at the 16-bit limit.
Int16 PunkteAddieren(Int16 punkte, std::size_t n);

// A straight line in logical coordinates.
struct Linie {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    bool operator==(const Linie&) const = default;
};

// The dotted grid: horizontal lines first, then vertical ones. Counts of 1 or less draw none.
std::vector<Linie> GitterLinien(double gitterX, double gitterY);

// A label with its top-left corner at (x, y), in German, and what a window needs to translate
// it: the id of its words (Keine for a number alone) and the parts put into them; "Name: %1"
// takes the operation's name by id.
struct Beschriftung {
    double x = 0;
    double y = 0;
    std::string text;
    TextId muster = TextId::Keine;
    std::vector<std::string> teile;
    RechenartName name;
    // A number label's value and the width it has before it would run into the frame or the
    // window's edge (0: no limit): a window writes the number with fewer digits to fit.
    std::optional<double> zahl;
    double raum = 0;
};
// Title and range bounds, drawn before the dots.
std::vector<Beschriftung> Kopfzeilen(const GraphEinstellungen& g, const std::string& formelText);
// Name and dot count, drawn after the dots.
std::vector<Beschriftung> Schlusszeilen(const GraphEinstellungen& g, RechenartName name,
                                        Int16 punkte);

// A single-precision value as number text (7 significant digits), e.g. DX.
std::string ZahlTextSingle(double value);

// A setting as the settings window shows it: "." as decimal point, no leading blank, a zero
// before the point ("0.5", "-2.5", "1E+20").
std::string FeldText(double value, bool singlePrecision = false);

// What "Zeichnen" stores from the five field texts, in the order they are read.
struct Felder {
    std::string xmin;
    std::string xmax;
    std::string ymin;
    std::string ymax;
    std::string dx;
};
// Stores the fields into g and sets PunkteZahl to 0; true when both ranges are non-empty, so
// the settings window may close.
bool Uebernehmen(GraphEinstellungen& g, const Felder& felder);

// "jede ganze Zahl": one grid cell per whole unit of the stored ranges. A count beyond 16 bits
// becomes 0, which draws no grid lines in that direction.
void GitterGanz(GraphEinstellungen& g);
// "20 äquidistante Linien".
void Gitter20(GraphEinstellungen& g);

}  // namespace staffel::graph
