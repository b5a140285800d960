// The look's colours: the design's, or the system's in their place, on widgets and in the
// windows' style sheets.
#include "widgets/look.h"
#include "widgets/look_faces.h"

#include <QApplication>
#include <QRegularExpression>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

namespace {
double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
           + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The disabled text of a dark palette moved towards its enabled colour until it reads.
bool readableDisabledText(QPalette &palette)
{
    bool changed = false;
    for (const auto &[text, ground] :
         {std::pair{QPalette::WindowText, QPalette::Window},
          std::pair{QPalette::ButtonText, QPalette::Button}, std::pair{QPalette::Text, QPalette::Base}}) {
        const QColor enabled = palette.color(QPalette::Active, text);
        const QColor background = palette.color(QPalette::Disabled, ground);
        QColor disabled = palette.color(QPalette::Disabled, text);
        if (enabled.lightness() <= background.lightness() || contrast(disabled, background) >= 3.0)
            continue;
        for (int step = 1; step <= 20 && contrast(disabled, background) < 3.0; ++step) {
            const double t = step / 20.0;
            disabled =
                QColor::fromRgbF(float(background.redF() + t * (enabled.redF() - background.redF())),
                                 float(background.greenF() + t * (enabled.greenF() - background.greenF())),
                                 float(background.blueF() + t * (enabled.blueF() - background.blueF())));
        }
        palette.setColor(QPalette::Disabled, text, disabled);
        changed = true;
    }
    return changed;
}
} // namespace

void look::keepDisabledTextReadable()
{
    // The application's palette, then those Qt takes from the system for menus alone.
    QPalette palette = QApplication::palette();
    if (readableDisabledText(palette))
        QApplication::setPalette(palette);
    for (const char *widgetClass : {"QMenuBar", "QMenu"}) {
        QPalette own = QApplication::palette(widgetClass);
        if (readableDisabledText(own))
            QApplication::setPalette(own, widgetClass);
    }
}

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
