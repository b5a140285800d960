#pragma once
// The ground floor: what the program asks of the desktop that the tests replace goes through
// one of these small interfaces. Logic and windows above call them; qt_platform.h implements
// them with Qt (settings store, clock, generator, the wait's beat), instance_lock.h (the
// one-copy guard) and desktop_services.h with Qt Widgets (browser, message boxes); tests swap
// in the doubles of tests/platform/fakes.h. The rest of the system's services are plain
// functions or classes, one concern a file: the user's language (languages.h), the terminal,
// the display, high contrast, and what assistive technology is told. What differs by system
// is in a file of its own for each (name_windows.cpp, name_unix.cpp), chosen by the build.
// The look and the program's own controls are one floor up, in src/widgets. Nothing here
// knows about a window of the program, nor includes anything of src/ outside this folder.

#include "velmoor_version.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace velmoor {

// Hands a complete page address to the desktop's default browser. Returns at once; the
// outcome is deliberately not reported.
class PageOpener {
public:
    virtual ~PageOpener() = default;
    virtual void open(const QString &address) = 0;
};

// The per-user settings store. A missing value reads as "".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // nullopt when the store itself cannot be read.
    virtual std::optional<QString> read(const QString &section, const QString &key) = 0;
    // false when the value may not have reached the store.
    virtual bool write(const QString &section, const QString &key, const QString &value) = 0;
};

// Whether another copy of the program is running for this user.
class InstanceQuery {
public:
    virtual ~InstanceQuery() = default;
    virtual bool PrevInstance() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
    virtual QDate today() const = 0;
};

// The one process-wide generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Reseeds from the time of day.
    virtual void Randomize() = 0;
    // A value r with 0 <= r < 1.
    virtual float next() = 0;
};

enum class MsgIcon { Information, Critical };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

inline const QString kAppTitle = QStringLiteral("Velmoor");
inline const QString kWindowCaption = QStringLiteral("Velmoor v" VELMOOR_VERSION);

// Where a box stands: in front of the window the person is using, or, for a box that
// may have to stand over another copy's window that stays on top, above every window.
enum class MsgLayer { InFront, AboveAll };

// Modal message boxes, titled with the application's title.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer show(const QString &text, MsgIcon icon, MsgButtons buttons,
                           MsgLayer layer = MsgLayer::InFront) = 0;
};

// A steady beat, one a second from start() until stop(), each called from the event loop
// like any other event: a wait during which every handler runs on its own, never one inside
// another.
class Beat {
public:
    virtual ~Beat() = default;
    virtual void start(std::function<void()> tick) = 0;
    virtual void stop() = 0;
};

// Everything above, as the program's windows receive it.
struct Services {
    PageOpener &opener;
    SettingsStore &settings;
    InstanceQuery &instance;
    Clock &clock;
    RandomSource &random;
    MessageBoxes &boxes;
    Beat &beat;
};

} // namespace velmoor
