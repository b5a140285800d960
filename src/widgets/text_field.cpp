#include "widgets/text_field.h"

#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace velmoor {

namespace {

// Longer than any line of a field holds: such a word is broken anywhere whatever the mode.
constexpr qsizetype kLongestWord = 1000;

bool hasLongWord(const QString &text)
{
    qsizetype run = 0;
    return std::any_of(text.cbegin(), text.cend(), [&run](QChar c) {
        run = c.isSpace() ? 0 : run + 1;
        return run > kLongestWord;
    });
}

} // namespace

TextField::TextField(QWidget *parent) : QPlainTextEdit(parent)
{
    followLayoutDirection();
}

void TextField::followLayoutDirection()
{
    // Right to left, every line runs so and stands at the right, an empty one too: Qt 6.4
    // would place the caret of an empty field at the left, whatever the direction it is told.
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(isRightToLeft() ? Qt::RightToLeft : Qt::LayoutDirectionAuto);
    option.setAlignment(isRightToLeft() ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
}

void TextField::setFrameColour(const QColor &colour)
{
    m_frameColour = colour;
    update();
}

bool TextField::event(QEvent *event)
{
    if (event->type() == QEvent::LayoutDirectionChange)
        followLayoutDirection();
    if (event->type() != QEvent::Paint || !m_frameColour)
        return QPlainTextEdit::event(event);
    // In device pixels from the widget's corner: the line and the ground inside it share
    // the corner's place between two pixels, so the line comes out whole and the same on
    // every side. The text area, placed a line's logical width inside, never covers it.
    QPainter painter(this);
    const qreal scale = devicePixelRatioF();
    painter.scale(1 / scale, 1 / scale);
    const QRectF outer(0, 0, width() * scale, height() * scale);
    const qreal line = std::max(1.0, std::floor(scale));
    painter.fillRect(outer, *m_frameColour);
    painter.fillRect(outer.adjusted(line, line, -line, -line), palette().color(QPalette::Base));
    return true;
}

bool TextField::canInsertFromMimeData(const QMimeData *source) const
{
    return source && source->hasText();
}

void TextField::insertFromMimeData(const QMimeData *source)
{
    if (!canInsertFromMimeData(source))
        return;
    // The text alone, handed on as data that certainly has a first format.
    QMimeData text;
    text.setText(source->text());
    // Qt 6.4 lays out a word that runs over many lines in time that grows with its square
    // while it looks for a word boundary: a pasted megabyte without a space would hold the
    // program for minutes. Breaking anywhere lays it out at once and looks the same.
    setWordWrapMode(hasLongWord(text.text()) || hasLongWord(toPlainText())
                        ? QTextOption::WrapAnywhere
                        : QTextOption::WrapAtWordBoundaryOrAnywhere);
    QPlainTextEdit::insertFromMimeData(&text);
}

} // namespace velmoor
