#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <vector>

#include "app/graph/punkt_spalten.h"

namespace {

// The fine dots of a 300 000-step pass on a drawing of the graph window's size, painted as the
// window paints them: one stroke per run of pixels in a column.
void BM_GraphPunkte300000(benchmark::State& state) {
    const QSize flaeche(666, 480);
    std::vector<QPointF> lagen;
    for (int i = 0; i < 300'000; ++i) {
        const double x = 8 + i * 650.0 / 300'000;
        lagen.emplace_back(x, 240 + 200 * std::sin(x / 40));
    }
    QImage bild(flaeche, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&bild);
        QPen pen(Qt::black, 2);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        const auto striche = staffel::app::spaltenStriche(lagen, flaeche);
        painter.drawLines(striche.data(), static_cast<int>(striche.size()));
    }
}
BENCHMARK(BM_GraphPunkte300000)->Unit(benchmark::kMillisecond);

}  // namespace
