#include "platform/qt_platform.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velmoor {

namespace {
QString settingsKey(const QString &section, const QString &key)
{
    return section + u'/' + key;
}

#ifdef Q_OS_WIN
// The registry store, read and written as the platform's own GetSetting/SaveSetting do: each
// value a string holding exactly the text given (QSettings would write a text that begins
// with "@" as "@@...", and other readers of the key would get that). What the earlier
// version wrote that way still reads back as it meant it; the program itself never writes
// a value that begins with "@@" (a scrambled install count of 77 would, and it only ever
// writes back the count it read).
constexpr wchar_t kRegistryRoot[] = L"Software\\VB and VBA Program Settings\\";

std::wstring registryKey(const QString &application, const QString &section)
{
    return (QString::fromWCharArray(kRegistryRoot) + application + u'\\' + section).toStdWString();
}

std::optional<QString> readRegistry(const QString &application, const QString &section, const QString &key)
{
    HKEY handle = nullptr;
    const LSTATUS opened = RegOpenKeyExW(HKEY_CURRENT_USER, registryKey(application, section).c_str(), 0,
                                         KEY_QUERY_VALUE, &handle);
    if (opened == ERROR_FILE_NOT_FOUND)
        return QString();
    if (opened != ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring name = key.toStdWString();
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(handle, name.c_str(), nullptr, &type, nullptr, &size);
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    if (status == ERROR_SUCCESS)
        status = RegQueryValueExW(handle, name.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(data.data()),
                                  &size);
    RegCloseKey(handle);
    if (status == ERROR_FILE_NOT_FOUND)
        return QString();
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    if (type == REG_DWORD && size == sizeof(DWORD))
        return QString::number(*reinterpret_cast<const DWORD *>(data.data()));
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return QString(); // not a text: as good as missing
    QString text = QString::fromWCharArray(data.data(), qsizetype(size / sizeof(wchar_t)));
    while (text.endsWith(QChar(0)))
        text.chop(1);
    if (text.startsWith(QStringLiteral("@@")))
        text.remove(0, 1);
    return text;
}

bool writeRegistry(const QString &application, const QString &section, const QString &key,
                   const QString &value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, registryKey(application, section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &handle, nullptr)
        != ERROR_SUCCESS)
        return false;
    const std::wstring text = value.toStdWString();
    const LSTATUS status = RegSetValueExW(handle, key.toStdWString().c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE *>(text.c_str()),
                                          DWORD((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}
#endif
} // namespace

QtSettingsStore::QtSettingsStore(const QString &applicationName, QString folder)
{
#ifdef Q_OS_WIN
    if (folder.isEmpty()) {
        // Where the platform's own GetSetting/SaveSetting keep a program's values, so the
        // reminder state of an earlier Windows version of this program carries over.
        m_fileName =
            QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromWCharArray(kRegistryRoot) + applicationName;
        m_application = applicationName;
        return;
    }
#endif
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    m_fileName = folder + u'/' + applicationName + u'/' + applicationName + QStringLiteral(".conf");
}

namespace {
// Absent, or a regular file (through a link if need be): anything else at the store's path
// (a pipe, a device, a folder) could block a read for ever or cannot hold settings.
bool plainFileOrNothing(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() || (!info.exists() && !info.isSymLink());
}
} // namespace

std::optional<QString> QtSettingsStore::read(const QString &section, const QString &key)
{
#ifdef Q_OS_WIN
    if (!m_application.isEmpty())
        return readRegistry(m_application, section, key);
#endif
    if (!plainFileOrNothing(m_fileName))
        return std::nullopt;
    QSettings settings(m_fileName, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    return settings.value(settingsKey(section, key), QString()).toString();
}

bool QtSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
#ifdef Q_OS_WIN
    if (!m_application.isEmpty())
        return writeRegistry(m_application, section, key, value);
#endif
    if (!(plainFileOrNothing(m_fileName) && clearLeftovers()))
        return false;
    QSettings settings(m_fileName, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return false; // never overwrite a store we could not read
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool QtSettingsStore::clearLeftovers() const
{
    const QFileInfo file(m_fileName);
    QDir folder(file.absolutePath());
    folder.mkpath(QStringLiteral("."));
    // QSettings would wait for a lock that a crashed copy left behind (half a minute, or for
    // ever when it cannot be removed), and its take-over leaves ".rmlock" files of its own;
    // a copy killed while replacing the file leaves its temporary "velmoor.conf.XXXXXX".
    // None of them can be live here. Matched by hand: a name filter would compile a
    // regular expression at every write.
    const QString lockName = file.fileName() + QStringLiteral(".lock");
    const QString temporaryPrefix = file.fileName() + u'.';
    const auto isTemporary = [&](const QString &name) {
        return name.size() == temporaryPrefix.size() + 6 && name.startsWith(temporaryPrefix)
               && std::all_of(name.end() - 6, name.end(), [](QChar c) { return c.isLetterOrNumber(); });
    };
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted))
        if (name.startsWith(lockName) || isTemporary(name))
            folder.remove(name);
    // A lock that is still there (a folder of that name, a folder we may not change) would
    // hold the write up for ever: the program goes on without saving instead.
    folder.rmdir(lockName); // a folder of that name, if empty
    const QFileInfo lock(folder.filePath(lockName));
    return !lock.exists() && !lock.isSymLink();
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

TimerBeat::TimerBeat()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1000);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        // The tick may stop the beat, or start it again: it runs from a copy.
        const std::function<void()> tick = m_tick;
        tick();
    });
}

void TimerBeat::start(std::function<void()> tick)
{
    m_tick = std::move(tick);
    m_timer.start();
}

void TimerBeat::stop()
{
    m_timer.stop();
}

} // namespace velmoor
