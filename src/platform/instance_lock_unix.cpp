#include "platform/instance_lock.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmoor {

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

} // namespace velmoor
