#include "app/graph/punkt_spalten.h"

#include <cmath>

namespace staffel::app {

std::vector<QLineF> spaltenStriche(std::span<const QPointF> lagen, const QSize& flaeche) {
    const int breite = flaeche.width();
    const int hoehe = flaeche.height();
    std::vector<QLineF> striche;
    if (breite <= 0 || hoehe <= 0) return striche;
    // Column by column, so each column's runs are read from consecutive bytes.
    std::vector<unsigned char> belegt(static_cast<std::size_t>(breite) * hoehe, 0);
    for (const QPointF& p : lagen) {
        const double x = std::floor(p.x());
        const double y = std::floor(p.y());
        if (!(x >= 0 && x < breite && y >= 0 && y < hoehe)) continue;
        belegt[static_cast<std::size_t>(x) * hoehe + static_cast<std::size_t>(y)] = 1;
    }
    for (int x = 0; x < breite; ++x) {
        const unsigned char* spalte = belegt.data() + static_cast<std::size_t>(x) * hoehe;
        for (int y = 0; y < hoehe; ++y) {
            if (spalte[y] == 0) continue;
            const int anfang = y;
            while (y + 1 < hoehe && spalte[y + 1] != 0) ++y;
            striche.emplace_back(x + 0.5, anfang + 0.5, x + 0.5, y + 0.5);
        }
    }
    return striche;
}

}  // namespace staffel::app
