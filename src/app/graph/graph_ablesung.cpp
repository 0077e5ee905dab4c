#include "app/graph/graph_ablesung.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>
#include <tuple>

#include "app/language/groesse_worte.h"
#include "engine/numbers/number_text.h"
#include "engine/run/rechnen.h"

namespace staffel::app {

namespace {

// In pixels.
constexpr double kGrobVorrang = 2;

QPointF pixel(double logischX, double logischY, QSizeF groesse) {
    return {logischX * groesse.width() / graph::kBreite,
            (graph::kHoehe - logischY) * groesse.height() / graph::kHoehe};
}

}  // namespace

std::optional<QPointF> probenLage(const graph::Probe& probe, const Bereich& b, QSizeF groesse) {
    if (!probe.skaliert) return std::nullopt;
    const double y = logischY(b, *probe.skaliert);
    if (!(y > graph::kUnten && y < graph::kOben)) return std::nullopt;
    return pixel(logischX(b, probe.x), y, groesse);
}

std::optional<std::size_t> naechsteProbe(const std::vector<graph::Probe>& proben, const Bereich& b,
                                         QSizeF groesse, QPointF zeiger, double radius) {
    std::optional<std::size_t> mitPunkt;
    std::optional<std::size_t> ohnePunkt;
    double abstandMitPunkt = std::numeric_limits<double>::infinity();
    double abstandOhnePunkt = abstandMitPunkt;
    auto naeher = [&](std::size_t i, double abstand, double& bester,
                      std::optional<std::size_t>& gefunden) {
        // The whole numbers of the coarse pass are the marks one aims at: a fine sample a
        // little nearer does not hide them.
        const double vorrang = proben[i].durchgang == graph::Durchgang::Grob ? kGrobVorrang : 0;
        if (abstand > radius || abstand - vorrang >= bester) return;
        bester = abstand - vorrang;
        gefunden = i;
    };
    for (std::size_t i = 0; i < proben.size(); ++i) {
        if (const auto lage = probenLage(proben[i], b, groesse)) {
            naeher(i, std::hypot(lage->x() - zeiger.x(), lage->y() - zeiger.y()), abstandMitPunkt,
                   mitPunkt);
        } else {
            const double spalte = pixel(logischX(b, proben[i].x), 0, groesse).x();
            naeher(i, std::abs(spalte - zeiger.x()), abstandOhnePunkt, ohnePunkt);
        }
    }
    return mitPunkt ? mitPunkt : ohnePunkt;
}

std::optional<std::size_t> naechsteInX(const std::vector<graph::Probe>& proben,
                                       std::optional<std::size_t> von, int schritt) {
    auto schluessel = [&](std::size_t i) { return std::tuple(proben[i].x, i); };
    std::optional<std::size_t> beste;
    for (std::size_t i = 0; i < proben.size(); ++i) {
        const bool dahinter = !von || (schritt > 0 ? schluessel(i) > schluessel(*von)
                                                   : schluessel(i) < schluessel(*von));
        const bool naeher = !beste || (schritt > 0 ? schluessel(i) < schluessel(*beste)
                                                   : schluessel(i) > schluessel(*beste));
        if (dahinter && naeher) beste = i;
    }
    return beste;
}

QStringList ablesungZeilen(const graph::Probe& probe, const std::optional<std::string>& groesse) {
    QStringList zeilen;
    zeilen << QStringLiteral("x = %1").arg(QString::fromStdString(graph::FeldText(probe.x, true)));
    zeilen << (probe.y ? QCoreApplication::translate("frmGraph", "Ergebnis: %1")
                             .arg(QString::fromStdString(Trimmen(FormatErgebnis(*probe.y, {}))))
                       : QCoreApplication::translate("frmGraph", "Ergebnis: nicht definiert"));
    if (groesse) {
        zeilen << groesseZeile(QString::fromStdString(*groesse));
    } else if (probe.ohneGroesse) {
        zeilen << QCoreApplication::translate("frmGraph", "Größe nicht bekannt");
    }
    zeilen << (probe.y ? QCoreApplication::translate("frmHaupt", "Ergebnis ist gültig")
                       : QCoreApplication::translate("frmHaupt", "Ergebnis ungültig"));
    return zeilen;
}

}  // namespace staffel::app
