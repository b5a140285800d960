#pragma once
// Which display the program can show itself on, found out before Qt starts: Qt ends the
// process with an abort when the display it is given does not answer.

#include <QString>

struct xcb_connection_t;

namespace velmoor {

// The windowing systems to start Qt on, in order: X11 when an X server answers at DISPLAY
// (through Xwayland on a Wayland desktop, where the window manager can keep a window on top
// without giving it the focus, as Qt 6.4 cannot ask a compositor to), otherwise Wayland when
// a compositor listens at WAYLAND_DISPLAY. When the user names the platform (QT_QPA_PLATFORM),
// theirs is kept, and only whether its display answers is asked. The X connection that
// answered stays open while the probe lives: an X server with no other client resets when its
// last client leaves, and Qt's own connection, made just after, would meet it resetting. Keep
// it until Qt has started.
class DisplayProbe {
public:
    DisplayProbe();
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe &) = delete;
    DisplayProbe &operator=(const DisplayProbe &) = delete;

    // Whether Qt can start on a display that answers.
    bool canStart() const { return m_why.isEmpty(); }
    // For Qt's -platform; nullptr when Qt is to take the user's QT_QPA_PLATFORM, or cannot start.
    const char *platforms() const { return m_platforms; }
    // When Qt cannot start, in one line: which display was named and could not be reached,
    // or that none was named.
    const QString &why() const { return m_why; }

private:
    const char *m_platforms = nullptr;
    QString m_why;
    xcb_connection_t *m_x = nullptr;
};

} // namespace velmoor
