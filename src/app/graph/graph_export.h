#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/graph/graph_pass.h"

class QPainter;
class QWidget;

namespace staffel::app {

// Paints the graph into a surface of the given size in logical pixels.
using GraphMaler = std::function<void(QPainter& painter, const QSize& groesse)>;

// The picture as a vector graphic when the name ends in ".svg", else as PNG with
// groesse * pixelRatio pixels. Failures are shown (see speichereDatei).
bool speichereGraphBild(QWidget* parent, const QString& pfad, const QSize& groesse,
                        qreal pixelRatio, const GraphMaler& malen);

// The size text of an undefined sample whose result lies beyond 10^308; nullopt for none.
using GroesseVon = std::function<std::optional<std::string>(float x)>;

// "x;y;Durchgang;Größe;" and the scale's name ("Wert", "log₁₀|Wert|", "Höhe"), then one line
// per sample, sorted by x (the coarse pass first where both passes took the same x): each
// number as the shortest text that reads back to the value sampled (x in single precision),
// "." as decimal point whatever the locale; an undefined value leaves y empty; the pass is
// "grob" or "fein"; the size as the main window writes it, where the sample has one; the
// value in the scale, empty where the scale has none. Tools read the first three columns.
QByteArray graphWerteText(const std::vector<graph::Probe>& proben, Skala skala,
                          const GroesseVon& groesse);
bool speichereGraphWerte(QWidget* parent, const QString& pfad,
                         const std::vector<graph::Probe>& proben, Skala skala,
                         const GroesseVon& groesse);

// The file dialogs of "Bild speichern …" and "Werte speichern …", proposing a name such as
// "graph-m[5,0][x,2].png" for «m[5 , 0][x , 2]»; empty when cancelled.
QString frageBildDatei(QWidget* parent, const std::string& formelText);
QString frageWerteDatei(QWidget* parent, const std::string& formelText);

}  // namespace staffel::app
