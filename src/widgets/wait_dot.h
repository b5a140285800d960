#pragma once
// WaitDot: a dot of the "Please Wait" panel.

#include <QFrame>

namespace velmoor {

// A frame drawn by its style sheet, as any frame, but from a whole device pixel: at 125, 150
// or 175 % each dot would otherwise be drawn from its own place between two pixels, one a
// pixel wider than the next and the gaps between them uneven.
class WaitDot : public QFrame {
    Q_OBJECT
public:
    explicit WaitDot(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawAsStyled(QPainter &painter);
};

} // namespace velmoor
