#include "app/graph/graph_lage.h"

#include <QLineEdit>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <tuple>

namespace staffel::app {

namespace {

// Shifts a window of that size at that corner onto the screen; one larger than the screen
// keeps its top-left corner in sight.
QPoint aufDenBildschirm(QPoint ecke, QSize groesse, const QRect& bildschirm) {
    const auto lege = [](int wert, int anfang, int ende, int laenge) {
        return std::max(anfang, std::min(wert, ende - laenge + 1));
    };
    return {lege(ecke.x(), bildschirm.left(), bildschirm.right(), groesse.width()),
            lege(ecke.y(), bildschirm.top(), bildschirm.bottom(), groesse.height())};
}

long long ueberdeckt(const QRect& a, const QRect& b) {
    const QRect schnitt = a.intersected(b);
    return schnitt.isEmpty() ? 0 : static_cast<long long>(schnitt.width()) * schnitt.height();
}

}  // namespace

QPoint grafLage(const QRect& haupt, const QRect& eingaben, QSize graph, const QRect& bildschirm) {
    struct Seite {
        QPoint ecke;
        int frei;
    };
    const Seite seiten[] = {
        {{haupt.right() + 1, haupt.top()}, bildschirm.right() - haupt.right()},
        {{haupt.left() - graph.width(), haupt.top()}, haupt.left() - bildschirm.left()},
        {{haupt.left(), haupt.bottom() + 1}, bildschirm.bottom() - haupt.bottom()},
    };
    const auto wertung = [&](const Seite& seite) {
        const QRect lage(aufDenBildschirm(seite.ecke, graph, bildschirm), graph);
        return std::tuple{ueberdeckt(lage, eingaben), ueberdeckt(lage, haupt), -seite.frei};
    };
    // The first of equally good sides wins: right, then left, then below.
    const Seite& beste = *std::ranges::min_element(seiten, {}, wertung);
    return aufDenBildschirm(beste.ecke, graph, bildschirm);
}

void stelleNebenHaupt(QWidget* graph, const QWidget* haupt) {
    if (haupt == nullptr) return;
    const QWidget* fenster = haupt->window();
    QRect eingaben;
    for (const char* name : {"txtRechenart", "txtAufzahl", "txtBasis", "txtExponent"}) {
        if (const auto* feld = fenster->findChild<const QLineEdit*>(QLatin1String(name))) {
            eingaben |= QRect(feld->mapToGlobal(QPoint(0, 0)), feld->size());
        }
    }
    const QRect rahmen = fenster->frameGeometry();
    const QSize rand = rahmen.size() - fenster->geometry().size();
    graph->move(
        grafLage(rahmen, eingaben, graph->size() + rand, fenster->screen()->availableGeometry()));
}

}  // namespace staffel::app
