#include "platform/text_field.h"

#include <QMimeData>

#include <algorithm>

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
{}

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
