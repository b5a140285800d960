#include "platform/qt_platform.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <cmath>

namespace velmoor {

namespace {
QString settingsKey(const QString &section, const QString &key)
{
    return section + u'/' + key;
}
} // namespace

QtSettingsStore::QtSettingsStore(const QString &applicationName, QString folder)
{
#ifdef Q_OS_WIN
    if (folder.isEmpty()) {
        // Where the platform's own GetSetting/SaveSetting keep a program's values, so the
        // reminder state of an earlier Windows version of this program carries over.
        m_fileName =
            QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + applicationName;
        m_format = QSettings::NativeFormat;
        return;
    }
#endif
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    m_fileName = folder + u'/' + applicationName + u'/' + applicationName + QStringLiteral(".conf");
}

std::optional<QString> QtSettingsStore::read(const QString &section, const QString &key)
{
    QSettings settings(m_fileName, m_format);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    return settings.value(settingsKey(section, key), QString()).toString();
}

bool QtSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    if (m_format == QSettings::IniFormat)
        clearLeftoverLocks();
    QSettings settings(m_fileName, m_format);
    if (settings.status() != QSettings::NoError)
        return false; // never overwrite a store we could not read
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

void QtSettingsStore::clearLeftoverLocks() const
{
    const QFileInfo file(m_fileName);
    QDir folder(file.absolutePath());
    folder.mkpath(QStringLiteral("."));
    // QSettings would wait half a minute for a lock that a crashed copy left behind, and
    // its take-over leaves ".rmlock" files of its own: none of them can be live here.
    // Matched by hand: a name filter would compile a regular expression at every write.
    const QString lockName = file.fileName() + QStringLiteral(".lock");
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted))
        if (name.startsWith(lockName))
            folder.remove(name);
}

double SystemClock::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

float unitFloat(std::uint32_t bits)
{
    return static_cast<float>(bits >> 8) * 0x1.0p-24f;
}

TimeSeededRandom::TimeSeededRandom(const Clock &clock) : m_clock(clock)
{
    Randomize();
}

void TimeSeededRandom::Randomize()
{
    const auto seed = static_cast<std::uint32_t>(std::llround(m_clock.secondsSinceMidnight() * 1000.0));
    m_engine.seed(seed);
}

float TimeSeededRandom::next()
{
    return unitFloat(static_cast<std::uint32_t>(m_engine()));
}

void EventLoopPause::pause(int seconds)
{
    // Beyond this, the previous pause is history (the user acted, or the machine stalled):
    // start afresh rather than hurry to catch up.
    constexpr auto kBeatSlack = std::chrono::milliseconds(50);
    const auto now = std::chrono::steady_clock::now();
    const auto start = m_lastEnd && now - *m_lastEnd < kBeatSlack ? *m_lastEnd : now;
    const auto end = start + std::chrono::seconds(seconds);
    const QDeadlineTimer deadline(end, Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(std::max<qint64>(1, deadline.remainingTime()));
        loop.exec();
        if (timer.isActive())
            return; // the application asked every event loop to end: stop waiting
    }
    m_lastEnd = end;
}

} // namespace velmoor
