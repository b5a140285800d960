#include "platform/bevel_button.h"

#include "platform/look.h"

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
    const QRect box = rect();
    QRect inside = box.adjusted(kEdge, kEdge, -kEdge, -kEdge);
    if (isDown()) {
        // Pushed in: a black frame, a shadow along the top and left inside it, and the
        // caption a pixel down and to the right.
        painter.fillRect(box, frame);
        painter.fillRect(box.adjusted(1, 1, -1, -1), shadow);
        painter.fillRect(box.adjusted(kEdge, kEdge, -1, -1), face);
        inside.translate(1, 1);
    } else if (hasFocus()) {
        painter.fillRect(box, frame);
        painter.fillRect(inside, face);
    } else {
        painter.fillRect(box, face);
        // Each edge a trapezoid meeting its neighbours on the diagonals; the lit edges, top
        // and left, drawn over the others.
        const qreal w = box.width(), h = box.height(), e = kEdge;
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
    // The caption in the design's colours whatever the desktop's (a dark desktop's light
    // text would vanish on the silver), unless the program draws with the system's.
    QPalette caption = palette();
    if (!system) {
        caption.setColor(QPalette::Active, QPalette::ButtonText, look::kBlack);
        caption.setColor(QPalette::Inactive, QPalette::ButtonText, look::kBlack);
        caption.setColor(QPalette::Disabled, QPalette::ButtonText, look::kDisabledText);
    }
    style()->drawItemText(&painter, inside, Qt::AlignCenter | Qt::TextShowMnemonic, caption, isEnabled(),
                          text(), QPalette::ButtonText);
}

} // namespace velmoor
