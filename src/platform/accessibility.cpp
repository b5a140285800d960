#include "platform/accessibility.h"

#include "platform/look.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>
#include <QWindow>

namespace velmoor {

namespace {

constexpr char kRoleProperty[] = "velmoorAccessibleRole";

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
// The tree's shape, the focus, activation and a window's own showing and hiding still go
// through; once the window is on the screen its announcements are made.
bool onScreen(const QWidget &widget)
{
    const QWidget *window = widget.window();
    const QWindow *handle = window->windowHandle();
    return window->isVisible() && handle && handle->isExposed();
}

bool alwaysHeard(const QAccessibleEvent &event, const QWidget &widget)
{
    switch (event.type()) {
    case QAccessible::ObjectCreated:
    case QAccessible::ObjectDestroyed:
    case QAccessible::ObjectReorder:
    case QAccessible::ParentChanged:
    case QAccessible::Focus:
        return true;
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
        return widget.isWindow();
    case QAccessible::StateChanged: {
        const QAccessible::State changed =
            static_cast<const QAccessibleStateChangeEvent &>(event).changedStates();
        return changed.active || changed.focused;
    }
    default:
        return false;
    }
}

// Makes the announcements of a window that has just come on the screen (their showing was
// not heard while it was on its way).
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
        // Qt marks the window mapped after this filter: unmapped means it has just arrived.
        if (!window || !handle->isExposed() || window->testAttribute(Qt::WA_Mapped))
            return false;
        for (QWidget *widget : window->findChildren<QWidget *>())
            if (widget->isVisible() && widget->property(kRoleProperty).toInt() == QAccessible::Notification) {
                QAccessibleEvent shown(widget, QAccessible::ObjectShow);
                QAccessible::updateAccessibility(&shown);
            }
        return false;
    }
};

QAccessible::UpdateHandler g_platformHandler = nullptr;

void sayIfOnScreen(QAccessibleEvent *event)
{
    QObject *object = event->object();
    if (!object && event->accessibleInterface())
        object = event->accessibleInterface()->object();
    if (object && object->isWidgetType()) {
        auto &widget = *static_cast<QWidget *>(object);
        if (!alwaysHeard(*event, widget) && !onScreen(widget))
            return;
        if (event->type() == QAccessible::ObjectShow && widget.isWindow())
            ArrivalWatch::watch(widget);
    }
    // Handed on as Qt would have without this handler.
    QAccessible::installUpdateHandler(g_platformHandler);
    QAccessible::updateAccessibility(event);
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

void installAccessibleRoles()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(markedInterface);
        g_platformHandler = QAccessible::installUpdateHandler(sayIfOnScreen);
    }
    installed = true;
}

} // namespace velmoor
