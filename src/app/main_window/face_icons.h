#pragma once

#include <QPixmap>

namespace staffel::app {

// The two 32 x 32 validity faces, drawn for the given device pixel ratio so they stay crisp
// on high-DPI screens: a yellow smiling face and a yellow face with a straight mouth.
QPixmap smilingFace(qreal devicePixelRatio);
QPixmap straightFace(qreal devicePixelRatio);

}  // namespace staffel::app
