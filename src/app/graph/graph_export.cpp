#include "app/graph/graph_export.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <charconv>

#include "app/shared/datei_speichern.h"

namespace staffel::app {

namespace {

// The shortest text that reads back to wert in its own precision.
template <typename Zahl>
void zahlAnhaengen(QByteArray& ziel, Zahl wert) {
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    if (fehler == std::errc()) ziel.append(puffer, ende - puffer);
}

// The scale's column: the same name in every language, as tools read it.
const char* skalenName(Skala skala) {
    switch (skala) {
        case Skala::Wert:
            return "Wert";
        case Skala::Log10:
            return "log₁₀|Wert|";
        case Skala::Hoehe:
            return "Höhe";
    }
    return "";
}

bool schreibeSvg(QIODevice& datei, const QSize& groesse, const GraphMaler& malen) {
    QSvgGenerator svg;
    svg.setOutputDevice(&datei);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    // CSS pixels: viewers then show the picture at the size of the window.
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Graph"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    malen(painter, groesse);
    return painter.end();
}

bool schreibePng(QIODevice& datei, const QSize& groesse, qreal pixelRatio,
                 const GraphMaler& malen) {
    QImage bild(groesse * pixelRatio, QImage::Format_RGB32);
    bild.setDevicePixelRatio(pixelRatio);
    {
        QPainter painter(&bild);
        malen(painter, groesse);
    }
    return bild.save(&datei, "PNG");
}

// Without blanks, and without the characters that common file systems refuse in a name.
QString graphDateiname(const std::string& formelText) {
    QString name = QStringLiteral("graph-") + QString::fromStdString(formelText);
    name.remove(QLatin1Char(' '));
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
    }
    return name;
}

}  // namespace

bool speichereGraphBild(QWidget* parent, const QString& pfad, const QSize& groesse,
                        qreal pixelRatio, const GraphMaler& malen) {
    const bool svg = hatEndung(pfad, QLatin1String("svg"));
    return speichereDatei(parent, pfad, [&](QIODevice& datei) {
        return svg ? schreibeSvg(datei, groesse, malen)
                   : schreibePng(datei, groesse, pixelRatio, malen);
    });
}

QByteArray graphWerteText(const std::vector<graph::Probe>& proben, Skala skala,
                          const GroesseVon& groesse) {
    std::vector<graph::Probe> sortiert = proben;
    std::stable_sort(sortiert.begin(), sortiert.end(),
                     [](const graph::Probe& a, const graph::Probe& b) { return a.x < b.x; });
    QByteArray csv("x;y;Durchgang;Größe;");
    csv += skalenName(skala);
    csv += '\n';
    for (const graph::Probe& probe : sortiert) {
        zahlAnhaengen(csv, probe.x);
        csv += ';';
        if (probe.y) zahlAnhaengen(csv, *probe.y);
        csv += probe.durchgang == graph::Durchgang::Grob ? ";grob;" : ";fein;";
        // Only a failed value can stand for a result beyond 10^308; one known to have no size
        // is not asked again.
        if (!probe.y && !probe.ohneGroesse) {
            if (const std::optional<std::string> text = groesse(probe.x)) csv += *text;
        }
        csv += ';';
        if (probe.skaliert) zahlAnhaengen(csv, *probe.skaliert);
        csv += '\n';
    }
    return csv;
}

bool speichereGraphWerte(QWidget* parent, const QString& pfad,
                         const std::vector<graph::Probe>& proben, Skala skala,
                         const GroesseVon& groesse) {
    return speichereDatei(parent, pfad, graphWerteText(proben, skala, groesse));
}

QString frageBildDatei(QWidget* parent, const std::string& formelText) {
    return frageSpeicherort(parent, QCoreApplication::translate("frmGraph", "Bild speichern"),
                            graphDateiname(formelText) + ".png",
                            {QCoreApplication::translate("frmGraph", "PNG-Bild (*.png)"),
                             QCoreApplication::translate("frmGraph", "SVG-Grafik (*.svg)")});
}

QString frageWerteDatei(QWidget* parent, const std::string& formelText) {
    return frageSpeicherort(parent, QCoreApplication::translate("frmGraph", "Werte speichern"),
                            graphDateiname(formelText) + ".csv",
                            {QCoreApplication::translate("frmGraph", "CSV-Datei (*.csv)")});
}

}  // namespace staffel::app
