#pragma once
// The desktop's services as the windows use them: the browser, message boxes, a window that
// stays on top without taking the focus, and the program's icon.

#include "platform/platform.h"

#include <QIcon>

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

// Once shown, the window stays above all others and does not take the focus from the active
// window. Set before the window is first shown.
void makeTopmostWithoutActivating(QWidget &window);

// The icon every window of the program carries: every size, or the small ones a title bar
// and a task bar first show. Each size is decoded as the icon is first asked for, so the
// program asks for the small ones until its first window is drawn.
enum class IconSizes { Small, All };
QIcon applicationIcon(IconSizes sizes = IconSizes::All);

} // namespace velmoor
