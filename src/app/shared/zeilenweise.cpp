#include "app/shared/zeilenweise.h"

#include <algorithm>
#include <numeric>

namespace staffel::app {

std::vector<std::size_t> zeilenweise(std::span<const QRect> rechtecke) {
    std::vector<std::size_t> reihe(rechtecke.size());
    std::iota(reihe.begin(), reihe.end(), std::size_t{0});
    std::stable_sort(reihe.begin(), reihe.end(), [&](std::size_t a, std::size_t b) {
        return rechtecke[a].top() < rechtecke[b].top();
    });
    // Each row's number is that of its first (highest) member.
    std::vector<int> zeile(rechtecke.size());
    int obenDerZeile = 0;
    int nummer = -1;
    for (const std::size_t i : reihe) {
        const QRect& r = rechtecke[i];
        if (nummer < 0 || r.top() - obenDerZeile >= r.height() / 2) {
            ++nummer;
            obenDerZeile = r.top();
        }
        zeile[i] = nummer;
    }
    std::stable_sort(reihe.begin(), reihe.end(), [&](std::size_t a, std::size_t b) {
        if (zeile[a] != zeile[b]) return zeile[a] < zeile[b];
        return rechtecke[a].left() < rechtecke[b].left();
    });
    return reihe;
}

void tabZeilenweise(std::span<QWidget* const> widgets, QWidget* vorher) {
    std::vector<QRect> rechtecke;
    rechtecke.reserve(widgets.size());
    for (QWidget* w : widgets)
        rechtecke.push_back(QRect(w->mapTo(w->window(), QPoint()), w->size()));
    for (const std::size_t i : zeilenweise(rechtecke)) {
        if (vorher != nullptr) QWidget::setTabOrder(vorher, widgets[i]);
        vorher = widgets[i];
    }
}

}  // namespace staffel::app
