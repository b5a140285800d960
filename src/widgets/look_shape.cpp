// The windows' shape: a fixed client area, the frame centred on the screen, and mirrored
// right to left.
#include "widgets/look.h"

#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

namespace velmoor {

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
// A form's containers (plain widgets, frames, group boxes) hold controls where the form put
// them; Qt's composite widgets (a text field with its scroll bars) place and mirror their
// own parts.
bool isFormContainer(const QWidget &widget)
{
    const QMetaObject *type = widget.metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject
           || qobject_cast<const QGroupBox *>(&widget);
}

// Moves each control of `parent` to the same distance from its other side, if the parent
// places them itself (a layout mirrors its own), and those of the containers in it.
void mirrorChildren(QWidget &parent, bool placed)
{
    for (QWidget *child : parent.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if (placed)
            child->move(parent.width() - child->x() - child->width(), child->y());
        if (isFormContainer(*child))
            mirrorChildren(*child, !child->layout());
    }
}

// Qt lays out and aligns a label's text in the direction of its first letter, so that a
// paragraph that opens with a Latin name or an address ("Velmoor …", "%1 …") would run left
// to right in a right-to-left window, its name at the reading end. A right-to-left mark
// before such a text gives it the window's direction.
void giveTextsTheWindowsDirection(QWidget &window)
{
    constexpr QChar kRightToLeftMark(0x200F);
    for (QLabel *label : window.findChildren<QLabel *>())
        if (const QString text = label->text(); !text.isEmpty() && !text.isRightToLeft())
            label->setText(kRightToLeftMark + text);
}

// A one-line field's text, and its caret while it is empty, at the right: Qt 6.4 places the
// caret of an empty field by the keyboard's direction, at the left for a Latin keyboard.
void startFieldsAtTheRight(QWidget &window)
{
    for (QLineEdit *field : window.findChildren<QLineEdit *>())
        if ((field->alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignLeft)
            field->setAlignment((field->alignment() & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight
                                | Qt::AlignAbsolute);
}

// Mirrors a window drawn for left to right once, as it first shows: by then its texts have
// sized the labels that fit themselves to them.
class Mirroring : public QObject {
public:
    explicit Mirroring(QWidget &window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        watched->removeEventFilter(this);
        auto &window = *static_cast<QWidget *>(watched);
        mirrorChildren(window, !window.layout());
        giveTextsTheWindowsDirection(window);
        startFieldsAtTheRight(window);
        deleteLater();
        return false;
    }
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
    // A fixed window has a fixed frame: no sizing border, no resize cursor at its edges, no
    // maximise (on Windows; elsewhere the window manager reads the fixed size itself).
    window.setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    centreFrame(window, g_frameMargins);
    new FrameCentring(window, g_frameMargins);
    if (window.isRightToLeft())
        new Mirroring(window);
}

} // namespace velmoor
