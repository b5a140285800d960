#include "platform/text_field.h"

#include <QMimeData>

namespace velmoor {

TextField::TextField(QWidget *parent) : QPlainTextEdit(parent) {}

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
    QPlainTextEdit::insertFromMimeData(&text);
}

} // namespace velmoor
