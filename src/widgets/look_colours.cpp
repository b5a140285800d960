// The look's colours: the design's, or the system's in their place, on widgets and in the
// windows' style sheets.
#include "widgets/look.h"
#include "widgets/look_faces.h"

#include <QRegularExpression>
#include <QWidget>

#include <algorithm>

namespace velmoor {

namespace {
bool g_systemColours = false;

void fill(QWidget &widget, const QColor &background)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Button, background);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
} // namespace

void look::useSystemColours(bool system)
{
    g_systemColours = system;
}

bool look::usingSystemColours()
{
    return g_systemColours;
}

void setColours(QWidget &widget, const QColor &text, const std::optional<QColor> &background)
{
    if (g_systemColours) {
        widget.setAutoFillBackground(background.has_value());
        return;
    }
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget.setPalette(palette);
    if (background)
        setBackground(widget, *background);
}

void setBackground(QWidget &widget, const QColor &background)
{
    if (g_systemColours) {
        widget.setAutoFillBackground(true);
        return;
    }
    fill(widget, background);
}

void setSquareColour(QWidget &widget, const QColor &colour)
{
    fill(widget, colour);
}

QString look::css(const QColor &colour, std::optional<QPalette::ColorRole> role)
{
    if (g_systemColours && role) {
        // The palette's roles as style sheets name them.
        static const std::pair<QPalette::ColorRole, const char *> names[] = {
            {QPalette::Window, "window"},
            {QPalette::WindowText, "window-text"},
            {QPalette::Highlight, "highlight"},
            {QPalette::Button, "button"},
            {QPalette::ButtonText, "button-text"}};
        for (const auto &[named, name] : names)
            if (named == *role)
                return QStringLiteral("palette(%1)").arg(QLatin1StringView(name));
    }
    return QStringLiteral("rgb(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

void resolveSheetColours(QWidget &window)
{
    using namespace look;
    // Declaration by declaration: what a colour colours is the property it stands in.
    static const QRegularExpression declaration(QStringLiteral("([\\w-]+)\\s*:([^;{}]*)"));
    static const QRegularExpression colourName(QStringLiteral("\\$([a-z]+(?:-[a-z]+)*)"));
    const QString sheet = window.property("sheet").toString();
    QString resolved;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &found : declaration.globalMatch(sheet)) {
        const QPalette::ColorRole role =
            found.captured(1).startsWith(u"background") ? QPalette::Window : QPalette::WindowText;
        QString value;
        const QString declared = found.captured(2);
        qsizetype copied = 0;
        for (const QRegularExpressionMatch &named : colourName.globalMatch(declared)) {
            const auto *const colour =
                std::find_if(kNamedColours.begin(), kNamedColours.end(), [&](const NamedColour &c) {
                    return named.captured(1) == QLatin1StringView(c.name);
                });
            if (colour == kNamedColours.end())
                qFatal("a style sheet names no colour of the look: %s", qPrintable(named.captured(0)));
            value += QStringView(declared).sliced(copied, named.capturedStart(0) - copied);
            value += css(colour->colour, role);
            copied = named.capturedEnd(0);
        }
        value += QStringView(declared).sliced(copied);
        for (const char *face : kDesignFaces) {
            const QString quoted = u'"' + QLatin1StringView(face) + u'"';
            if (value.contains(quoted))
                value.replace(quoted, u'"' + installedFace(QLatin1StringView(face)) + u'"');
        }
        resolved += QStringView(sheet).sliced(done, found.capturedStart(2) - done);
        resolved += value;
        done = found.capturedEnd(2);
    }
    resolved += QStringView(sheet).sliced(done);
    window.setStyleSheet(resolved);
}

} // namespace velmoor
