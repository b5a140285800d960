#pragma once
// Qt Core implementations of the platform interfaces.

#include "platform/platform.h"

#include <QTimer>

#include <memory>
#include <optional>
#include <random>

namespace velmoor {

// QSettings in INI form under the user's configuration folder (on Windows, by default, the
// registry, each value the plain string given: settings_store_windows.cpp), addressed by
// application name, section and key. QSettings replaces the INI file atomically, so a crash during a write
// loses at most that write. Only the one running copy writes the store (the instance guard runs first), so a
// lock file found beside it was left by a crash and is cleared before writing rather than waited out. Only a
// regular file is read; what cannot be read or written is reported, never waited for.
class QtSettingsStore : public SettingsStore {
public:
    // A folder: an INI file there, on every platform. None: the user's usual location.
    explicit QtSettingsStore(const QString &applicationName, QString folder = QString());
    std::optional<QString> read(const QString &section, const QString &key) override;
    bool write(const QString &section, const QString &key, const QString &value) override;
    // The INI file, or the registry key on Windows.
    QString fileName() const { return m_fileName; }

private:
    // The INI file at m_fileName (settings_store.cpp).
    void useFileIn(const QString &applicationName, QString folder);
    std::optional<QString> readFile(const QString &section, const QString &key) const;
    bool writeFile(const QString &section, const QString &key, const QString &value);
    // Removes what crashed writes left beside the store; false when a lock stays in the way.
    bool clearLeftovers() const;

    QString m_fileName;
    QString m_application; // on Windows, when the store is the registry
};

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() const override;
    QDate today() const override;
};

class TimeSeededRandom : public RandomSource {
public:
    explicit TimeSeededRandom(const Clock &clock);
    void Randomize() override;
    float next() override;

private:
    const Clock &m_clock;
    std::mt19937 m_engine;
};

// A precise repeating timer: its ticks keep their second from the start, so its small
// lateness does not add up from one tick to the next.
class TimerBeat : public Beat {
public:
    TimerBeat();
    void start(std::function<void()> tick) override;
    void stop() override;

private:
    QTimer m_timer;
    std::function<void()> m_tick;
};

// Maps a 32-bit draw onto [0, 1): the top 24 bits over 2^24, so 1.0 cannot come out.
float unitFloat(std::uint32_t bits);

} // namespace velmoor
