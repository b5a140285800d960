#include "widgets/wait_dot.h"

#include "widgets/look.h"

#include <QImage>
#include <QPainter>
#include <QStyleOption>

#include <cmath>

namespace velmoor {

WaitDot::WaitDot(QWidget *parent) : QFrame(parent)
{
    // Its styled background is drawn here, with the rest of it, not by Qt beforehand.
    setAttribute(Qt::WA_NoSystemBackground);
}

void WaitDot::drawAsStyled(QPainter &painter)
{
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    drawFrame(&painter);
}

void WaitDot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal scale = devicePixelRatioF();
    if (scale == std::floor(scale)) {
        drawAsStyled(painter); // whole pixels already
        return;
    }
    // Drawn into a picture of whole pixels, the dot filling it, then set down on a whole pixel.
    const QRect device = paintOnDevicePixels(painter, *this);
    QImage picture(device.size(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(qreal(device.width()) / width());
    picture.fill(Qt::transparent);
    QPainter onPicture(&picture);
    drawAsStyled(onPicture);
    onPicture.end();
    picture.setDevicePixelRatio(1);
    painter.drawImage(QPoint(), picture);
}

} // namespace velmoor
