#pragma once
// ClickLabel: a label that works as a link.

#include <QLabel>

namespace velmoor {

// A label that acts as a link: hand pointer, clicked() on a click inside it. The keyboard
// reaches it with Tab (after the window's other controls), sees it reversed while it has
// the focus, and opens it with Enter or Space; a screen reader knows it as a link.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);

    // Opens the link, as a click does.
    Q_INVOKABLE void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace velmoor
