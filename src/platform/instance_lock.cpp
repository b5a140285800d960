#include "platform/instance_lock.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmoor {

namespace {
bool ownedByMe(const QFileInfo &info)
{
#ifdef Q_OS_WIN
    Q_UNUSED(info);
    return true; // the per-user profile folders are the user's by construction
#else
    return info.ownerId() == ::getuid();
#endif
}
} // namespace

QString privateFolder(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    if (!info.exists()) {
        QDir().mkpath(info.absolutePath());
        QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QFileInfo created(path);
    if (!created.isDir() || created.isSymLink() || !ownedByMe(created))
        return QString();
    return created.absoluteFilePath();
}

QStringList LockFileInstanceQuery::defaultLockPaths(const QString &applicationName)
{
    const QString file = applicationName + QStringLiteral(".lock");
    QStringList paths;
#ifndef Q_OS_WIN
    // Only the runtime folder the session gave this user, never Qt's fallback under /tmp.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo info(runtime);
    if (!runtime.isEmpty() && info.isDir() && ownedByMe(info)
        && !(info.permissions() & (QFile::WriteGroup | QFile::WriteOther)))
        paths << info.absoluteFilePath() + u'/' + file;
    const QString own = privateFolder(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                                      + u'/' + applicationName);
#else
    const QString own = privateFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                      + u'/' + applicationName);
#endif
    if (!own.isEmpty())
        paths << own + u'/' + file;
    return paths;
}

LockFileInstanceQuery::LockFileInstanceQuery(QStringList lockPaths) : m_paths(std::move(lockPaths))
{}

bool LockFileInstanceQuery::PrevInstance()
{
    if (!m_answer) {
        m_answer = false;
        for (const QString &path : std::as_const(m_paths)) {
            const Outcome outcome = tryLock(path);
            if (outcome == Outcome::Unusable)
                continue;
            m_answer = outcome == Outcome::HeldElsewhere;
            break;
        }
    }
    return *m_answer;
}

#ifdef Q_OS_WIN

LockFileInstanceQuery::Outcome LockFileInstanceQuery::tryLock(const QString &path)
{
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    // Not inheritable: a browser started from here must not keep the lock alive.
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Outcome::Unusable;
    OVERLAPPED whole{};
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        m_handle = reinterpret_cast<qintptr>(file);
        m_held = path;
        return Outcome::Locked;
    }
    const DWORD error = GetLastError();
    CloseHandle(file);
    return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING ? Outcome::HeldElsewhere
                                                                      : Outcome::Unusable;
}

LockFileInstanceQuery::~LockFileInstanceQuery()
{
    if (m_handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

#else

LockFileInstanceQuery::Outcome LockFileInstanceQuery::tryLock(const QString &path)
{
    // Not inherited by the browser we start; never follows a planted link; never blocks
    // on a planted pipe.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0)
        return Outcome::Unusable;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Outcome::Unusable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_handle = fd;
        m_held = path;
        return Outcome::Locked;
    }
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK ? Outcome::HeldElsewhere : Outcome::Unusable;
}

LockFileInstanceQuery::~LockFileInstanceQuery()
{
    if (m_handle != -1)
        ::close(static_cast<int>(m_handle));
}

#endif

} // namespace velmoor
