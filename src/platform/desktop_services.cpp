#include "platform/desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace velmoor {

void DesktopPageOpener::open(const QString &address)
{
    // Addresses are built already encoded; tolerant parsing keeps them as they are.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

namespace {

// A short message (one line of Chinese) makes a box narrower than its title bar needs, and
// the window manager elides the title between the icon and the buttons. The box is kept as
// wide as its title in bold and, a title bar's height each, the icon, three buttons and the
// bar's ends: room to spare on the desktops Velmoor meets, and only ever wider.
void keepTitleWhole(QMessageBox &box)
{
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!label || !box.layout())
        return;
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics title(bold);
    const int needed = title.horizontalAdvance(box.windowTitle()) + 5 * (title.height() + 8);
    const int besideLabel = box.layout()->totalMinimumSize().width() - label->minimumSizeHint().width();
    if (needed - besideLabel > label->minimumSizeHint().width())
        label->setMinimumWidth(needed - besideLabel);
}

} // namespace

MsgAnswer QtMessageBoxes::show(const QString &text, MsgIcon icon, MsgButtons buttons, MsgLayer layer)
{
    // A lone carriage return is this program's line break in a message.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    // Owned by the window the person is using, so that it stands in front of it even when
    // that window stays on top of everything.
    QWidget *owner = QApplication::activeWindow();
    QMessageBox box(
        icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, kAppTitle, shown,
        buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    if (layer == MsgLayer::AboveAll || (owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint)))
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // A Wayland compositor may raise the blocked owner over its box, and Qt 6.4 cannot tell
    // it that the box belongs in front: the program would look frozen. Whenever the owner
    // gets the focus, the box asks for it back (a compositor that wants proof of a recent
    // click for that, as GNOME's does, keeps the box in front but the keys on the owner).
    if (owner && QGuiApplication::platformName() == QLatin1StringView("wayland"))
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &box, [&box, owner](QWindow *focused) {
            if (focused && focused == owner->windowHandle())
                QTimer::singleShot(0, &box, [&box] {
                    box.raise();
                    box.activateWindow();
                });
        });
    box.setWindowIcon(applicationIcon());
    box.setTextFormat(Qt::PlainText);
    keepTitleWhole(box);
    const int result = box.exec();
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void makeTopmostWithoutActivating(QWidget &window)
{
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window.setAttribute(Qt::WA_ShowWithoutActivating, true);
}

QIcon applicationIcon(IconSizes sizes)
{
    // Each size rendered from the one vector drawing when building, so every size is crisp;
    // decoded once, for every window of the run (and dropped before the application goes).
    static QIcon all, small;
    QIcon &icon = sizes == IconSizes::All ? all : small;
    if (icon.isNull()) {
        for (const int size : {16, 24, 32, 48, 64, 128})
            if (sizes == IconSizes::All || size <= 32)
                icon.addFile(QStringLiteral(":/velmoor/icon-%1.png").arg(size), QSize(size, size));
        qAddPostRoutine([] { all = small = QIcon(); });
    }
    return icon;
}

} // namespace velmoor
