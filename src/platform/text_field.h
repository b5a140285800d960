#pragma once
// TextField: the multi-line text field every window uses.

#include <QPlainTextEdit>

namespace velmoor {

// A plain-text field that takes from a paste, a middle-click or a drop only what is text,
// and nothing from data that holds none. Qt 6.4's own field reads the first format of the
// data it is given without checking that there is one: a paste from an empty clipboard
// (a fresh login, a source program that has gone) ends the program there.
class TextField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextField(QWidget *parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};

} // namespace velmoor
