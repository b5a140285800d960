#pragma once
// Qt Core implementations of the platform interfaces.

#include "platform/platform.h"

#include <QLockFile>

#include <memory>
#include <random>

namespace velmoor {

// QSettings in INI form under the user's configuration folder, addressed by application
// name, section and key. QSettings replaces the file atomically, so a crash during a
// write loses at most that write.
class QtSettingsStore : public SettingsStore {
public:
    // An empty folder means the user's usual configuration location.
    explicit QtSettingsStore(QString applicationName, QString folder = QString());
    std::optional<QString> read(const QString &section, const QString &key) override;
    bool write(const QString &section, const QString &key, const QString &value) override;
    QString fileName() const { return m_fileName; }

private:
    QString m_fileName;
};

// A lock file held for the whole run in the per-user runtime folder. A lock left by a
// copy that was killed is recognised by its dead process id and taken over.
class LockFileInstanceQuery : public InstanceQuery {
public:
    explicit LockFileInstanceQuery(const QString &lockPath);
    bool PrevInstance() override;
    static QString defaultLockPath(const QString &applicationName);

private:
    QLockFile m_lock;
    std::optional<bool> m_answer;
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

// An event loop that ends at a deadline; the window stays live while it runs.
class EventLoopPause : public Pause {
public:
    void pause(int seconds) override;
};

// Maps a 32-bit draw onto [0, 1): the top 24 bits over 2^24, so 1.0 cannot come out.
float unitFloat(std::uint32_t bits);

} // namespace velmoor
