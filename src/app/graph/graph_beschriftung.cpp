#include "app/graph/graph_beschriftung.h"

#include "engine/numbers/number_text.h"

namespace staffel::app {

QString passendeZahl(const graph::Beschriftung& b, const QString& text, const QFontMetricsF& metrik,
                     double raumPx) {
    if (!b.zahl || b.raum <= 0) return text;
    QString kurz = text;
    for (int stellen = 14; stellen >= 1 && metrik.horizontalAdvance(kurz) > raumPx; --stellen) {
        kurz = QString::fromStdString(Trimmen(ZahlText(*b.zahl, stellen)));
    }
    return kurz;
}

}  // namespace staffel::app
