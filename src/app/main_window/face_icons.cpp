#include "app/main_window/face_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace staffel::app {

namespace {

constexpr int kIconSize = 32;

enum class Mouth { Smile, Straight };

QPixmap drawFace(qreal devicePixelRatio, Mouth mouth) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(qRound(kIconSize * ratio), qRound(kIconSize * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(0xff, 0xff, 0x00));
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(9.5, 8.5, 4, 6));
    painter.drawEllipse(QRectF(18.5, 8.5, 4, 6));

    QPen mouthPen(Qt::black, 2.2);
    mouthPen.setCapStyle(Qt::RoundCap);
    painter.setPen(mouthPen);
    painter.setBrush(Qt::NoBrush);
    if (mouth == Mouth::Smile) {
        QPainterPath path(QPointF(8.5, 18.5));
        path.quadTo(QPointF(16, 27.5), QPointF(23.5, 18.5));
        painter.drawPath(path);
    } else {
        painter.drawLine(QPointF(9.5, 21.5), QPointF(22.5, 21.5));
    }
    return pixmap;
}

}  // namespace

QPixmap smilingFace(qreal devicePixelRatio) {
    return drawFace(devicePixelRatio, Mouth::Smile);
}
QPixmap straightFace(qreal devicePixelRatio) {
    return drawFace(devicePixelRatio, Mouth::Straight);
}

}  // namespace staffel::app
