#include "platform/qt_platform.h"

#include <windows.h>

#include <string>

namespace velmoor {

namespace {
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
} // namespace

QtSettingsStore::QtSettingsStore(const QString &applicationName, QString folder)
{
    if (!folder.isEmpty()) {
        useFileIn(applicationName, std::move(folder));
        return;
    }
    // Where the platform's own GetSetting/SaveSetting keep a program's values, so the
    // reminder state of an earlier Windows version of this program carries over.
    m_fileName =
        QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromWCharArray(kRegistryRoot) + applicationName;
    m_application = applicationName;
}

std::optional<QString> QtSettingsStore::read(const QString &section, const QString &key)
{
    if (!m_application.isEmpty())
        return readRegistry(m_application, section, key);
    return readFile(section, key);
}

bool QtSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    if (!m_application.isEmpty())
        return writeRegistry(m_application, section, key, value);
    return writeFile(section, key, value);
}

} // namespace velmoor
