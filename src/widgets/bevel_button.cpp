#include "widgets/bevel_button.h"

#include "widgets/look.h"

#include <QPainter>
#include <QStyle>

namespace velmoor {

BevelButton::BevelButton(QWidget *parent) : QPushButton(parent)
{
    setFont(boldFormFont(8.25));
}

void BevelButton::paintEvent(QPaintEvent *)
{
    constexpr int kEdge = 2;
    // The design's silver, or the system's button colours when the program draws with them.
    const bool system = look::usingSystemColours();
    const QColor face = system ? palette().color(QPalette::Button) : look::kSilver;
    const QColor edge = system ? palette().color(QPalette::Light) : look::kSilverEdge;
    const QColor shadow = system ? palette().color(QPalette::Dark) : look::kShadow;
    const QColor frame = system ? palette().color(QPalette::ButtonText) : look::kBlack;
    QPainter painter(this);
    // The face and its edges in whole device pixels, each edge as wide on every side at any
    // scale; the caption as Qt places text.
    painter.save();
    const QRect box = paintOnDevicePixels(painter, *this);
    const int line = qRound(devicePixelRatioF()), rim = qRound(kEdge * devicePixelRatioF());
    if (isDown()) {
        // Pushed in: a black frame, a shadow along the top and left inside it, and the
        // caption a pixel down and to the right.
        painter.fillRect(box, frame);
        painter.fillRect(box.adjusted(line, line, -line, -line), shadow);
        painter.fillRect(box.adjusted(rim, rim, -line, -line), face);
    } else if (hasFocus()) {
        painter.fillRect(box, frame);
        painter.fillRect(box.adjusted(rim, rim, -rim, -rim), face);
    } else {
        painter.fillRect(box, face);
        // Each edge a trapezoid meeting its neighbours on the diagonals; the lit edges, top
        // and left, drawn over the others.
        const qreal w = box.width(), h = box.height(), e = rim;
        const QPolygonF top({{0, 0}, {w, 0}, {w - e, e}, {e, e}});
        const QPolygonF bottom({{0, h}, {w, h}, {w - e, h - e}, {e, h - e}});
        const QPolygonF left({{0, 0}, {0, h}, {e, h - e}, {e, e}});
        const QPolygonF right({{w, 0}, {w, h}, {w - e, h - e}, {w - e, e}});
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(edge);
        painter.drawPolygon(bottom);
        painter.drawPolygon(right);
        painter.setBrush(edge.lighter());
        painter.drawPolygon(top);
        painter.drawPolygon(left);
    }
    painter.restore();
    // The raised button's caption has always been drawn smoothed, with its edges.
    painter.setRenderHint(QPainter::Antialiasing, !isDown() && !hasFocus());
    QRect inside = rect().adjusted(kEdge, kEdge, -kEdge, -kEdge);
    if (isDown())
        inside.translate(1, 1);
    // The caption in the design's colours whatever the desktop's (a dark desktop's light
    // text would vanish on the silver), unless the program draws with the system's.
    QPalette caption = palette();
    if (!system) {
        caption.setColor(QPalette::Active, QPalette::ButtonText, look::kBlack);
        caption.setColor(QPalette::Inactive, QPalette::ButtonText, look::kBlack);
        caption.setColor(QPalette::Disabled, QPalette::ButtonText, look::kDisabledText);
    }
    const int keys = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this) ? Qt::TextShowMnemonic
                                                                                     : Qt::TextHideMnemonic;
    style()->drawItemText(&painter, inside, int(Qt::AlignCenter) | keys, caption, isEnabled(), text(),
                          QPalette::ButtonText);
}

} // namespace velmoor
