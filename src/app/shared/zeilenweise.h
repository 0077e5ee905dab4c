#pragma once

#include <QRect>
#include <QWidget>
#include <span>
#include <vector>

namespace staffel::app {

// The order in which the eye reads the rectangles: row by row from the top, left to right in a
// row. A rectangle belongs to the row above when its top lies within half its height of that
// row's first top, so controls set a few pixels apart still read as one row.
std::vector<std::size_t> zeilenweise(std::span<const QRect> rechtecke);

// Chains the widgets' Tab order row by row after vorher (when given).
void tabZeilenweise(std::span<QWidget* const> widgets, QWidget* vorher = nullptr);

}  // namespace staffel::app
