#pragma once
// The whole program on test doubles: the real windows and registry, fake platform.

#include "app/window_registry.h"
#include "platform/fakes.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "widgets/bevel_button.h"
#include "widgets/click_label.h"
#include "widgets/text_field.h"
#include "widgets/wait_dot.h"

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

// A window's control by the name its form gives it, as a person's tools (and the end-to-end
// tests) find it; a name the window lacks fails at once.
template <typename Control = QWidget> Control *child(QObject *window, const char *name)
{
    auto *found = window->findChild<Control *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s named %s in %s", Control::staticMetaObject.className(), name,
               qPrintable(window->objectName()));
    return found;
}

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
