#pragma once
// The whole program on test doubles: the real windows and registry, fake platform.

#include "app/window_registry.h"
#include "platform/fakes.h"

#include <QApplication>
#include <QWidget>

namespace velmoor::testing {

struct Program {
    FakePlatform platform;
    int processEnds = 0;
    WindowRegistry forms{platform.services, [this] { ++processEnds; }};

    Program() { QApplication::setQuitOnLastWindowClosed(false); }
    ~Program()
    {
        forms.EndProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template <typename Window> Window *window(FormId id) { return forms.window<Window>(id); }
};

// Object names of the top-level windows a person would see now.
inline QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty())
            names << w->objectName();
    names.sort();
    return names;
}

} // namespace velmoor::testing
