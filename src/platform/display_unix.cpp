#include "platform/display.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstring>

namespace velmoor {

// The windowing systems to start Qt on, in order: X11 when an X server answers at DISPLAY
// (through Xwayland on a Wayland desktop, where the window manager can keep a window on top
// without giving it the focus, as Qt 6.4 cannot ask a compositor to), otherwise Wayland when
// a compositor listens at WAYLAND_DISPLAY. When the user names the platform (QT_QPA_PLATFORM),
// theirs is kept, and only whether its display answers is asked. The X connection that
// answered stays open while the probe lives: an X server with no other client resets when its
// last client leaves, and Qt's own connection, made just after, would meet it resetting. Keep
// it until Qt has started.
class DisplayProbe {
public:
    DisplayProbe();
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe &) = delete;
    DisplayProbe &operator=(const DisplayProbe &) = delete;

    // Whether Qt can start on a display that answers.
    bool canStart() const { return m_why.isEmpty(); }
    // For Qt's -platform; nullptr when Qt is to take the user's QT_QPA_PLATFORM, or cannot start.
    const char *platforms() const { return m_platforms; }
    // When Qt cannot start, in one line: which display was named and could not be reached,
    // or that none was named.
    const QString &why() const { return m_why; }

private:
    const char *m_platforms = nullptr;
    QString m_why;
    xcb_connection_t *m_x = nullptr;
};

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
    // The windowing systems the user named in QT_QPA_PLATFORM, in Qt's own form ("xcb",
    // "wayland;xcb", "xcb:option", ...), or both when nothing is named. Any other platform
    // (offscreen, vnc, ...) needs no display: Qt starts it as it is told.
    const QByteArray named = qgetenv("QT_QPA_PLATFORM");
    bool x11Wanted = named.isEmpty();
    bool waylandWanted = named.isEmpty();
    for (const QByteArray &entry : named.split(';')) {
        const QByteArray platform = entry.split(':').constFirst().trimmed();
        if (platform == "xcb")
            x11Wanted = true;
        else if (platform.startsWith("wayland"))
            waylandWanted = true;
        else if (!platform.isEmpty())
            return;
    }

    const QByteArray x11 = x11Wanted ? qgetenv("DISPLAY") : QByteArray();
    // Named explicitly, Wayland falls back on the compositor's usual socket name.
    QString wayland = waylandWanted ? qEnvironmentVariable("WAYLAND_DISPLAY") : QString();
    if (wayland.isEmpty() && waylandWanted && !named.isEmpty())
        wayland = QStringLiteral("wayland-0");
    if (!x11.isEmpty()) {
        m_x = xcb_connect(x11.constData(), nullptr);
        if (xcb_connection_has_error(m_x) == 0) {
            m_platforms = named.isEmpty() ? "xcb;wayland" : nullptr;
            return;
        }
    }
    if (!wayland.isEmpty() && compositorListens(wayland)) {
        m_platforms = named.isEmpty() ? "wayland" : nullptr;
        return;
    }
    QStringList reached;
    if (!x11.isEmpty())
        reached << QStringLiteral("'%1' (DISPLAY)").arg(QString::fromLocal8Bit(x11));
    if (!wayland.isEmpty())
        reached << QStringLiteral("'%1' (%2)")
                       .arg(wayland, qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                         ? QStringLiteral("Wayland's default")
                                         : QStringLiteral("WAYLAND_DISPLAY"));
    if (reached.isEmpty()) {
        m_why = x11Wanted && waylandWanted
                    ? QStringLiteral("there is no display to show Velmoor on (neither DISPLAY nor "
                                     "WAYLAND_DISPLAY is set)")
                    : QStringLiteral("there is no display to show Velmoor on (QT_QPA_PLATFORM is '%1' "
                                     "and DISPLAY is not set)")
                          .arg(QString::fromLocal8Bit(named));
        return;
    }
    m_why = QStringLiteral("cannot reach the display %1: nothing answers there")
                .arg(reached.join(QStringLiteral(" nor ")));
}

DisplayProbe::~DisplayProbe()
{
    if (m_x)
        xcb_disconnect(m_x);
}

struct DisplayChoice::State {
    DisplayProbe probe;
};

DisplayChoice::DisplayChoice() = default;
DisplayChoice::~DisplayChoice() = default;

bool DisplayChoice::choose(QList<const char *> &qtArguments)
{
    m_state = std::make_unique<State>();
    const DisplayProbe &display = m_state->probe;
    if (!display.canStart()) {
        std::fprintf(stderr, "velmoor: %s.\n", qPrintable(display.why()));
        return false;
    }
    if (display.platforms())
        qtArguments << "-platform" << display.platforms();
    return true;
}

void DisplayChoice::release()
{
    m_state.reset();
}

} // namespace velmoor
