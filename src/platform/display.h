#pragma once
// Which display the program can show itself on, found out before Qt starts: Qt ends the
// process with an abort when the display it is given does not answer. On Windows there is
// always the one desktop (display_windows.cpp); elsewhere X11 or Wayland (display_unix.cpp).

#include <QList>

#include <memory>

namespace velmoor {

class DisplayChoice {
public:
    DisplayChoice();
    ~DisplayChoice();
    DisplayChoice(const DisplayChoice &) = delete;
    DisplayChoice &operator=(const DisplayChoice &) = delete;

    // Adds to Qt's arguments the platform to start on, when the program chooses it (the
    // user's own QT_QPA_PLATFORM always wins): an argument to Qt rather than an environment
    // variable, so that the browser started from here does not inherit it. False, having
    // said why on standard error, when there is no display to show on.
    bool choose(QList<const char *> &qtArguments);
    // Qt has started, with a connection of its own.
    void release();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace velmoor
