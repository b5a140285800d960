// The settings store's INI file, the same on every system; where the store lives by default
// is each system's (settings_store_unix.cpp, settings_store_windows.cpp).
#include "platform/qt_platform.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace velmoor {

namespace {
QString settingsKey(const QString &section, const QString &key)
{
    return section + u'/' + key;
}

// Absent, or a regular file (through a link if need be): anything else at the store's path
// (a pipe, a device, a folder) could block a read for ever or cannot hold settings.
bool plainFileOrNothing(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() || (!info.exists() && !info.isSymLink());
}
} // namespace

void QtSettingsStore::useFileIn(const QString &applicationName, QString folder)
{
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    m_fileName = folder + u'/' + applicationName + u'/' + applicationName + QStringLiteral(".conf");
}

std::optional<QString> QtSettingsStore::readFile(const QString &section, const QString &key) const
{
    if (!plainFileOrNothing(m_fileName))
        return std::nullopt;
    QSettings settings(m_fileName, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    return settings.value(settingsKey(section, key), QString()).toString();
}

bool QtSettingsStore::writeFile(const QString &section, const QString &key, const QString &value)
{
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

} // namespace velmoor
