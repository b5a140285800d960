#include "platform/display.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <xcb/xcb.h>

#include <cstring>

namespace velmoor {

namespace {

// A compositor's socket: WAYLAND_DISPLAY is a path, or a name in XDG_RUNTIME_DIR.
bool compositorListens(const QString &display)
{
    const QString path =
        QDir::isAbsolutePath(display) ? display : qEnvironmentVariable("XDG_RUNTIME_DIR") + u'/' + display;
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::size_t(bytes.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, bytes.constData(), std::size_t(bytes.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool listens = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return listens;
}

} // namespace

DisplayProbe::DisplayProbe()
{
    const QByteArray x11 = qgetenv("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (x11.isEmpty() && wayland.isEmpty()) {
        m_why = QStringLiteral(
            "there is no display to show Velmoor on (neither DISPLAY nor WAYLAND_DISPLAY is set)");
        return;
    }
    if (!x11.isEmpty()) {
        m_x = xcb_connect(x11.constData(), nullptr);
        if (xcb_connection_has_error(m_x) == 0) {
            m_platforms = "xcb;wayland";
            return;
        }
    }
    if (!wayland.isEmpty() && compositorListens(wayland)) {
        m_platforms = "wayland";
        return;
    }
    QStringList named;
    if (!x11.isEmpty())
        named << QStringLiteral("'%1' (DISPLAY)").arg(QString::fromLocal8Bit(x11));
    if (!wayland.isEmpty())
        named << QStringLiteral("'%1' (WAYLAND_DISPLAY)").arg(wayland);
    m_why = QStringLiteral("cannot reach the display %1: nothing answers there")
                .arg(named.join(QStringLiteral(" nor ")));
}

DisplayProbe::~DisplayProbe()
{
    if (m_x)
        xcb_disconnect(m_x);
}

} // namespace velmoor
