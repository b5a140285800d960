#pragma once
// BevelButton: the silver push button the question window draws itself.

#include <QPushButton>

namespace velmoor {

// A grey push button with a raised 2 px edge, framed in black while it has the focus, and
// pushed in (a shadow inside the frame, the caption moved by a pixel) while it is held
// down; its caption in bold Verdana 8.25 pt.
class BevelButton : public QPushButton {
    Q_OBJECT
public:
    explicit BevelButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace velmoor
