#include "platform/instance_lock.h"

#include <QSocketNotifier>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace velmoor {

InstanceGuard::InstanceGuard(QString name) : m_name(std::move(name))
{}

bool InstanceGuard::PrevInstance()
{
    if (!m_answer) {
        QString why;
        const Outcome outcome = take(why);
        m_answer = outcome == Outcome::HeldByAnotherCopy;
        if (outcome == Outcome::Unusable)
            std::fprintf(stderr, "velmoor: cannot make sure that only one copy runs (%s); starting anyway.\n",
                         qPrintable(why));
    }
    return *m_answer;
}

#ifdef Q_OS_WIN

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

#else

namespace {
struct AbstractAddress {
    sockaddr_un address{};
    socklen_t length = 0;
};

// An abstract socket's name starts with a zero byte and needs no terminator.
std::optional<AbstractAddress> abstractAddress(const QString &name)
{
    const QByteArray bytes = name.toUtf8();
    AbstractAddress out;
    out.address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || std::size_t(bytes.size()) >= sizeof out.address.sun_path)
        return std::nullopt;
    std::memcpy(out.address.sun_path + 1, bytes.constData(), std::size_t(bytes.size()));
    out.length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(bytes.size()));
    return out;
}

const sockaddr *asSockaddr(const AbstractAddress &a)
{
    return reinterpret_cast<const sockaddr *>(&a.address);
}

// The user id of whoever holds the name, when it can be asked (a copy that is just
// starting may not listen yet; one that is stuck may not take calls).
std::optional<uid_t> holderOf(const AbstractAddress &a)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return std::nullopt;
    std::optional<uid_t> holder;
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::connect(fd, asSockaddr(a), a.length) == 0
        && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0)
        holder = credentials.uid;
    ::close(fd);
    return holder;
}
} // namespace

QString InstanceGuard::nameFor(const QString &applicationId)
{
    return applicationId + u'.' + QString::number(::getuid());
}

InstanceGuard::Outcome InstanceGuard::take(QString &why)
{
    const std::optional<AbstractAddress> address = abstractAddress(m_name);
    if (!address) {
        why = QStringLiteral("the name '%1' does not fit a socket address").arg(m_name);
        return Outcome::Unusable;
    }
    // Not inherited by the browser we start.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        return Outcome::Unusable;
    }
    if (::bind(fd, asSockaddr(*address), address->length) == 0 && ::listen(fd, 8) == 0) {
        m_handle = fd;
        // Another copy asks who holds the name: answered by the connection itself (the
        // system tells it our user id), then hung up.
        m_callers = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(m_callers.get(), &QSocketNotifier::activated, m_callers.get(), [fd] {
            for (int caller; (caller = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;)
                ::close(caller);
        });
        return Outcome::Taken;
    }
    const int error = errno;
    ::close(fd);
    if (error != EADDRINUSE) {
        why = QString::fromLocal8Bit(std::strerror(error));
        return Outcome::Unusable;
    }
    // Only a holder seen to be someone else is not another copy of ours: a name anyone on
    // the machine could take must not lock this user out.
    const std::optional<uid_t> holder = holderOf(*address);
    if (holder && *holder != ::getuid()) {
        why = QStringLiteral("user %1 holds the name '%2'").arg(*holder).arg(m_name);
        return Outcome::Unusable;
    }
    return Outcome::HeldByAnotherCopy;
}

InstanceGuard::~InstanceGuard()
{
    m_callers.reset();
    if (m_handle != -1)
        ::close(static_cast<int>(m_handle));
}

#endif

} // namespace velmoor
