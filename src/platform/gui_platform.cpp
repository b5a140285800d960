#include "platform/gui_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace velmoor {

void DesktopPageOpener::open(const QString &address)
{
    // Addresses are built already encoded; tolerant parsing keeps them as they are.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

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
    const int result = box.exec();
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void showTopmostWithoutActivating(QWidget &window)
{
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window.setAttribute(Qt::WA_ShowWithoutActivating, true);
    window.show();
}

QIcon applicationIcon()
{
    // Each size rendered from the one vector drawing when building, so every size is crisp;
    // decoded once, for every window of the run (and dropped before the application goes).
    static QIcon icon;
    if (icon.isNull()) {
        for (const int size : {16, 24, 32, 48, 64, 128})
            icon.addFile(QStringLiteral(":/velmoor/icon-%1.png").arg(size), QSize(size, size));
        qAddPostRoutine([] { icon = QIcon(); });
    }
    return icon;
}

void installFontSubstitutes()
{
    const QStringList sans{QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")};
    QFont::insertSubstitutions(QStringLiteral("Verdana"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
}

QFont formFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    return font;
}

QFont boldFormFont(qreal points, bool underline)
{
    QFont font = formFont();
    font.setPointSizeF(points);
    font.setBold(true);
    font.setUnderline(underline);
    return font;
}

void setColours(QWidget &widget, const QColor &text, const std::optional<QColor> &background)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget.setPalette(palette);
    if (background)
        setBackground(widget, *background);
}

void setBackground(QWidget &widget, const QColor &background)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Button, background);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

namespace {
// The window manager's frame around the program's windows, as last seen: a new window is
// placed with it before its own frame is known (the window manager adds that frame only
// once the window is shown).
QMargins g_frameMargins;

void centreFrame(QWidget &window, QMargins frame)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect outer(QPoint(), window.size().grownBy(frame));
        outer.moveCenter(screen->geometry().center());
        window.move(outer.topLeft()); // a window's position is its frame's
    }
}

// Centres the window's frame again once it is known, if it differs from the one assumed;
// once only, so that a window the person moves stays where they put it.
class FrameCentring : public QObject {
public:
    FrameCentring(QWidget &window, QMargins assumed) : QObject(&window), m_window(window), m_assumed(assumed)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Move && event->type() != QEvent::Show)
            return false;
        const QRect outer = m_window.frameGeometry(), inner = m_window.geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (frame.isNull())
            return false; // not framed yet
        g_frameMargins = frame;
        m_window.removeEventFilter(this);
        if (frame != m_assumed)
            centreFrame(m_window, frame);
        deleteLater();
        return false;
    }

private:
    QWidget &m_window;
    QMargins m_assumed;
};
} // namespace

void fixClientSize(QWidget &window, QSize client)
{
    if (auto *mainWindow = qobject_cast<QMainWindow *>(&window)) {
        mainWindow->centralWidget()->setFixedSize(client);
        mainWindow->layout()->setSizeConstraint(QLayout::SetFixedSize);
        mainWindow->adjustSize();
    } else {
        window.setFixedSize(client);
    }
    centreFrame(window, g_frameMargins);
    new FrameCentring(window, g_frameMargins);
}

QString labelText(const QString &caption)
{
    QString shown = caption;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus); // a click opens the page, it does not move the focus
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        activate();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Shown reversed while it has the focus, as selected text is: on the dark strips the
    // links sit on, every pixel of it changes, strongly.
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.fillRect(rect(), palette().color(foregroundRole()));
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

BevelButton::BevelButton(QWidget *parent) : QPushButton(parent)
{
    setFont(boldFormFont(8.25));
}

void BevelButton::paintEvent(QPaintEvent *)
{
    constexpr int kEdge = 2;
    const QColor face(192, 192, 192), edge(224, 224, 224), shadow(128, 128, 128);
    QPainter painter(this);
    const QRect box = rect();
    QRect inside = box.adjusted(kEdge, kEdge, -kEdge, -kEdge);
    if (isDown()) {
        // Pushed in: a black frame, a shadow along the top and left inside it, and the
        // caption a pixel down and to the right.
        painter.fillRect(box, Qt::black);
        painter.fillRect(box.adjusted(1, 1, -1, -1), shadow);
        painter.fillRect(box.adjusted(kEdge, kEdge, -1, -1), face);
        inside.translate(1, 1);
    } else if (hasFocus()) {
        painter.fillRect(box, Qt::black);
        painter.fillRect(inside, face);
    } else {
        painter.fillRect(box, face);
        // Each edge a trapezoid meeting its neighbours on the diagonals; the lit edges, top
        // and left, drawn over the others.
        const qreal w = box.width(), h = box.height(), e = kEdge;
        const QPolygonF top({{0, 0}, {w, 0}, {w - e, e}, {e, e}});
        const QPolygonF bottom({{0, h}, {w, h}, {w - e, h - e}, {e, h - e}});
        const QPolygonF left({{0, 0}, {0, h}, {e, h - e}, {e, e}});
        const QPolygonF right({{w, 0}, {w, h}, {w - e, h - e}, {w - e, e}});
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(edge);
        painter.drawPolygon(bottom);
        painter.drawPolygon(right);
        painter.setBrush(edge.lighter());
        painter.drawPolygon(top);
        painter.drawPolygon(left);
    }
    style()->drawItemText(&painter, inside, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                          text(), QPalette::ButtonText);
}

} // namespace velmoor
