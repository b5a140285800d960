#pragma once
// What assistive technology needs beyond Qt's own accessible widgets: roles that a widget's
// class does not tell (a label that is a link, a panel whose showing must be announced, a
// plain widget that is a window), given by marking the widget.

class QWidget;
class QString;

namespace velmoor {

// A link: role "link", its text as name unless it has an accessible name, `page` as its
// description, and a press action that opens it.
void markAsLink(QWidget &widget, const QString &page);
// An announcement: a screen reader speaks its accessible name whenever it shows.
void markAsAnnouncement(QWidget &widget, const QString &spoken);
// A top-level widget that is a window of its own, named by its title.
void markAsWindow(QWidget &widget);

// While it lives, what the program itself does to a field's text is not told: a prompt that
// clears as the field is entered would reach a screen reader before the focus does, and the
// field would then be entered unnamed.
class Unheard {
public:
    explicit Unheard(QWidget &field);
    ~Unheard();
    Unheard(const Unheard &) = delete;
    Unheard &operator=(const Unheard &) = delete;

private:
    QWidget *m_previous;
};

// Makes the marks count, and keeps windows that are not on the screen quiet: called once,
// before the first window is created.
void installAccessibleRoles();

// A caption as a person sees it: "&x" marks an access key and shows as "x", "&&" shows as
// "&" (a label with no buddy would show both ampersands).
QString withoutMnemonic(const QString &caption);

} // namespace velmoor
