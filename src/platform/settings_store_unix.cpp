#include "platform/qt_platform.h"

namespace velmoor {

QtSettingsStore::QtSettingsStore(const QString &applicationName, QString folder)
{
    useFileIn(applicationName, std::move(folder));
}

std::optional<QString> QtSettingsStore::read(const QString &section, const QString &key)
{
    return readFile(section, key);
}

bool QtSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    return writeFile(section, key, value);
}

} // namespace velmoor
