// Drawing in whole device pixels at any scale.
#include "widgets/look.h"

#include <QPainter>
#include <QWidget>

namespace velmoor {

QRect paintOnDevicePixels(QPainter &painter, const QWidget &widget)
{
    const qreal scale = widget.devicePixelRatioF();
    const QPointF corner = painter.deviceTransform().map(QPointF(0, 0));
    const QPoint snapped = corner.toPoint();
    painter.setWorldTransform(
        QTransform::fromScale(1 / scale, 1 / scale)
        * QTransform::fromTranslate((snapped.x() - corner.x()) / scale, (snapped.y() - corner.y()) / scale));
    // Qt gives the widget a pixel more or less, by where it lies: the pixels it always has.
    return {0, 0, int(widget.width() * scale), int(widget.height() * scale)};
}

} // namespace velmoor
