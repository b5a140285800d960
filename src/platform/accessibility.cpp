#include "platform/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QVariant>
#include <QWindow>

namespace velmoor {

namespace {

constexpr char kRoleProperty[] = "velmoorAccessibleRole";
// Set on a window while assistive technology knows it as showing.
constexpr char kToldShowingProperty[] = "velmoorToldShowing";
// The field whose text the program is changing on its own, unheard.
QPointer<QWidget> g_quiet;

class MarkedAccessible : public QAccessibleWidget {
public:
    MarkedAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto *label = qobject_cast<const QLabel *>(widget()))
                return label->text();
            if (const auto *button = qobject_cast<const QAbstractButton *>(widget()))
                return withoutMnemonic(button->text());
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        if (role() == QAccessible::Link)
            return {pressAction()};
        return QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (role() != QAccessible::Link || action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (auto *button = qobject_cast<QAbstractButton *>(widget()))
            button->click();
        else
            QMetaObject::invokeMethod(widget(), "activate");
    }
};

QAccessibleInterface *markedInterface(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (role.isValid())
        return new MarkedAccessible(widget, static_cast<QAccessible::Role>(role.toInt()));
    if (className == QLatin1String("velmoor::ClickLabel")) // every clickable label is a link
        return new MarkedAccessible(widget, QAccessible::Link);
    return nullptr;
}

void mark(QWidget &widget, QAccessible::Role role)
{
    widget.setProperty(kRoleProperty, int(role));
    // Qt may have made the widget's accessible already (setting a text announces it): make
    // it again, now with its role.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&widget);
    if (made && !dynamic_cast<MarkedAccessible *>(made)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        QAccessible::queryAccessibleInterface(&widget);
    }
}

// A window that is not on the screen says nothing: what its load fills in, what hiding it
// takes away and what it does while hidden reach no one, so that a screen reader is not
// flooded with news of windows nobody sees (and drops what matters, the answer among it).
// The tree's shape, the focus and activation still go through. A window's own showing is
// told when it comes on the screen, and its hiding only if its showing was told: a window
// loaded and hidden at once is never heard of, since a screen reader that read its states
// while it was hidden keeps them (Qt never tells a change of "visible") and would hide all
// of it from review once it is shown.
bool onScreen(const QWidget &widget)
{
    const QWidget *window = widget.window();
    const QWindow *handle = window->windowHandle();
    return window->isVisible() && handle && handle->isExposed();
}

bool alwaysHeard(const QAccessibleEvent &event)
{
    switch (event.type()) {
    case QAccessible::ObjectCreated:
    case QAccessible::ObjectDestroyed:
    case QAccessible::ObjectReorder:
    case QAccessible::ParentChanged:
    case QAccessible::Focus:
        return true;
    case QAccessible::StateChanged: {
        const QAccessible::State changed =
            static_cast<const QAccessibleStateChangeEvent &>(event).changedStates();
        return changed.active || changed.focused;
    }
    default:
        return false;
    }
}

QAccessible::UpdateHandler g_platformHandler = nullptr;

// Hands an event on as Qt would have without this program's handler.
void tell(QAccessibleEvent &event);

// Tells a window's showing, and makes its announcements, when it has just come on the screen.
class ArrivalWatch : public QObject {
public:
    static void watch(QWidget &window)
    {
        static ArrivalWatch instance;
        if (QWindow *handle = window.windowHandle())
            handle->installEventFilter(&instance); // once per window, however often it shows
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose)
            return false;
        const auto *handle = static_cast<QWindow *>(watched);
        QWidget *window = QWidget::find(handle->winId());
        if (!window || !handle->isExposed() || !window->isVisible()
            || window->property(kToldShowingProperty).toBool())
            return false;
        window->setProperty(kToldShowingProperty, true);
        QAccessibleEvent arrived(window, QAccessible::ObjectShow);
        tell(arrived);
        for (QWidget *widget : window->findChildren<QWidget *>())
            if (widget->isVisible() && widget->property(kRoleProperty).toInt() == QAccessible::Notification) {
                QAccessibleEvent shown(widget, QAccessible::ObjectShow);
                tell(shown);
            }
        return false;
    }
};

// A popup menu is named by its title, as the menu it is: a screen reader says which menu
// opened before its first item.
void nameMenu(QWidget &widget)
{
    if (auto *menu = qobject_cast<QMenu *>(&widget); menu && menu->windowTitle().isEmpty())
        menu->setWindowTitle(withoutMnemonic(menu->title()));
}

void sayIfOnScreen(QAccessibleEvent *event)
{
    QObject *object = event->object();
    if (!object && event->accessibleInterface())
        object = event->accessibleInterface()->object();
    if (object && object->isWidgetType()) {
        auto &widget = *static_cast<QWidget *>(object);
        const bool window = widget.isWindow();
        if (window && event->type() == QAccessible::ObjectShow) {
            nameMenu(widget);
            ArrivalWatch::watch(widget);
            if (!onScreen(widget))
                return; // told on arrival
            widget.setProperty(kToldShowingProperty, true);
        } else if (window && event->type() == QAccessible::ObjectHide) {
            if (!widget.property(kToldShowingProperty).toBool())
                return;
            widget.setProperty(kToldShowingProperty, false);
        } else if (!alwaysHeard(*event) && (&widget == g_quiet || !onScreen(widget))) {
            return;
        }
    }
    tell(*event);
}

void tell(QAccessibleEvent &event)
{
    // Not a call through the handler saved: there usually is none (installUpdateHandler gave
    // back null), and Qt hands an event to the platform's bridge itself only when no handler
    // is installed, through a function it does not export. So ours steps aside for the call.
    QAccessible::installUpdateHandler(g_platformHandler);
    QAccessible::updateAccessibility(&event);
    QAccessible::installUpdateHandler(sayIfOnScreen);
}

} // namespace

void markAsLink(QWidget &widget, const QString &page)
{
    mark(widget, QAccessible::Link);
    widget.setAccessibleDescription(page);
}

void markAsAnnouncement(QWidget &widget, const QString &spoken)
{
    mark(widget, QAccessible::Notification);
    widget.setAccessibleName(spoken);
}

void markAsWindow(QWidget &widget)
{
    mark(widget, QAccessible::Window);
}

Unheard::Unheard(QWidget &field) : m_previous(g_quiet)
{
    g_quiet = &field;
}

Unheard::~Unheard()
{
    g_quiet = m_previous;
}

void installAccessibleRoles()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(markedInterface);
        g_platformHandler = QAccessible::installUpdateHandler(sayIfOnScreen);
    }
    installed = true;
}

QString withoutMnemonic(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i; // the marker goes; of "&&", one stays
        shown.append(caption[i]);
    }
    return shown;
}

} // namespace velmoor
