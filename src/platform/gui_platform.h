#pragma once
// Qt Widgets implementations of the platform interfaces, and the few widget helpers the
// windows of every subsystem share.

#include "platform/platform.h"

#include <QLabel>
#include <QPushButton>

#include <optional>

class QWidget;

namespace velmoor {

// QDesktopServices: the default browser, via xdg-open on Linux. Never a shell string.
class DesktopPageOpener : public PageOpener {
public:
    void open(const QString &address) override;
};

class QtMessageBoxes : public MessageBoxes {
public:
    MsgAnswer show(const QString &text, MsgIcon icon, MsgButtons buttons,
                   MsgLayer layer = MsgLayer::InFront) override;
};

// Shows the window above all others without taking the focus from the active window.
void showTopmostWithoutActivating(QWidget &window);

// The icon every window of the program carries.
QIcon applicationIcon();

// Maps the faces the windows were designed with onto installed, metric-close ones.
void installFontSubstitutes();

// The windows' default face: Verdana 8.25 pt.
QFont formFont();

// Bold Verdana at this size, underlined for a link.
QFont boldFormFont(qreal points, bool underline = false);

// Colours a widget directly rather than through a style sheet (a sheet makes every widget
// under it slower to build): its text, and, if given, a background it fills itself.
void setColours(QWidget &widget, const QColor &text, const std::optional<QColor> &background = {});
void setBackground(QWidget &widget, const QColor &background);

// Makes the window fixed-size with this client area (below any menu bar) and centres the
// whole window, its frame included, on the screen.
void fixClientSize(QWidget &window, QSize client);

// A caption written with the doubled ampersand, as a label without a buddy must show it.
QString labelText(const QString &caption);

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
