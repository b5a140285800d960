#include "platform/instance_lock.h"

#include <QSocketNotifier>

#include <windows.h>

namespace velmoor {

QString InstanceGuard::nameFor(const QString &applicationId)
{
    wchar_t user[257];
    DWORD length = 257;
    const QString account = GetUserNameW(user, &length) ? QString::fromWCharArray(user) : QString();
    return applicationId + u'.' + account;
}

namespace {
// Whether a mutex of this name exists; it is another copy's.
bool mutexExists(const std::wstring &name)
{
    HANDLE existing = OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
    if (existing)
        CloseHandle(existing);
    return existing || GetLastError() == ERROR_ACCESS_DENIED;
}
} // namespace

InstanceGuard::Outcome InstanceGuard::take(QString &why)
{
    // The session's namespace: each signed-in user has a session of their own. When another
    // kind of object (an event, a file mapping...) of another program holds the name, the
    // copy takes a second name derived from it; a copy that takes the first name makes sure
    // no copy holds the second. Not inheritable: a browser started from here must not keep
    // the name alive.
    const std::wstring first = (QStringLiteral("Local\\") + m_name).toStdWString();
    const std::wstring second = first + L".guard";
    HANDLE mutex = CreateMutexW(nullptr, FALSE, first.c_str());
    DWORD error = GetLastError();
    if (!mutex && error == ERROR_INVALID_HANDLE) {
        mutex = CreateMutexW(nullptr, FALSE, second.c_str());
        error = GetLastError();
    } else if (mutex && error != ERROR_ALREADY_EXISTS && mutexExists(second)) {
        error = ERROR_ALREADY_EXISTS;
    }
    if (!mutex) {
        // Made by a copy of this user's running with other rights (elevated).
        if (error == ERROR_ACCESS_DENIED)
            return Outcome::HeldByAnotherCopy;
        why = QStringLiteral("CreateMutex failed with error %1").arg(error);
        return Outcome::Unusable;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return Outcome::HeldByAnotherCopy;
    }
    m_handle = reinterpret_cast<qintptr>(mutex);
    return Outcome::Taken;
}

InstanceGuard::~InstanceGuard()
{
    if (m_handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

} // namespace velmoor
