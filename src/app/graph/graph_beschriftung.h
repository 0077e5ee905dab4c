#pragma once

#include <QFontMetricsF>
#include <QString>

#include "engine/graph/graph_pass.h"

namespace staffel::app {

// A number label written with fewer significant digits, down to one, until it fits the room
// it has before the frame or the window's edge (raumPx); text is what it says otherwise.
QString passendeZahl(const graph::Beschriftung& b, const QString& text, const QFontMetricsF& metrik,
                     double raumPx);

}  // namespace staffel::app
