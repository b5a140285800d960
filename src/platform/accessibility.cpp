#include "platform/accessibility.h"

#include "platform/look.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

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
    if (!installed)
        QAccessible::installFactory(markedInterface);
    installed = true;
}

} // namespace velmoor
