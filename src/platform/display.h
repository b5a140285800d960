#pragma once
// Which display the program can show itself on, found out before Qt starts: Qt ends the
// process with an abort when the display it is given does not answer.

#include <QString>

namespace velmoor {

// The windowing systems to start Qt on, in order: X11 when an X server answers at DISPLAY
// (through Xwayland on a Wayland desktop, where the window manager can keep a window on top
// without giving it the focus, as Qt 6.4 cannot ask a compositor to), otherwise Wayland when
// a compositor listens at WAYLAND_DISPLAY. nullptr when neither answers; `why` then says, in
// one line, which display was named and could not be reached, or that none was named.
const char *reachablePlatforms(QString &why);

} // namespace velmoor
