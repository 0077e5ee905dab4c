#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPainter;
class QWidget;

namespace staffel::app {

// One evaluated sample of the graph: its x and the value, none when undefined.
struct GraphProbe {
    float x = 0;
    std::optional<double> y;
};

// Paints the graph into a surface of the given size in logical pixels.
using GraphMaler = std::function<void(QPainter& painter, const QSize& groesse)>;

// The picture as a vector graphic when the name ends in ".svg", else as PNG with
// groesse * pixelRatio pixels. Failures are shown (see speichereDatei).
bool speichereGraphBild(QWidget* parent, const QString& pfad, const QSize& groesse,
                        qreal pixelRatio, const GraphMaler& malen);

// "x;y", then one line per sample in sampling order: 17 significant digits, "." as decimal
// point whatever the locale; an undefined value leaves y empty.
bool speichereGraphWerte(QWidget* parent, const QString& pfad,
                         const std::vector<GraphProbe>& proben);

// The file dialogs of "Bild speichern …" and "Werte speichern …", proposing a name such as
// "graph-m[5,0][x,2].png" for «m[5 , 0][x , 2]»; empty when cancelled.
QString frageBildDatei(QWidget* parent, const std::string& formelText);
QString frageWerteDatei(QWidget* parent, const std::string& formelText);

}  // namespace staffel::app
