#pragma once
// TextField: the multi-line text field every window uses.

#include <QPlainTextEdit>

#include <optional>

namespace velmoor {

// A plain-text field that takes from a paste, a middle-click or a drop only what is text,
// and nothing from data that holds none. Qt 6.4's own field reads the first format of the
// data it is given without checking that there is one: a paste from an empty clipboard
// (a fresh login, a source program that has gone) ends the program there.
//
// Given a frame colour, it draws its frame itself, as a line whole device pixels wide right
// against its text area: the style's line, drawn in the widget's own pixels, stands apart
// from the text area or vanishes on a side at 125, 150 or 175 %.
class TextField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextField(QWidget *parent = nullptr);
    void setFrameColour(const QColor &colour);

protected:
    bool event(QEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void followLayoutDirection();
    std::optional<QColor> m_frameColour;
};

} // namespace velmoor
