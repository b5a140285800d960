#include "widgets/look.h"

#include "platform/high_contrast.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPainter>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>

namespace velmoor {

namespace {
// The faces the windows were designed with; where they are not installed, the first of the
// stand-ins that is, metric-close, takes their place.
constexpr std::array<const char *, 2> kDesignFaces{"Verdana", "MS Sans Serif"};

const QStringList &standIns()
{
    static const QStringList sans{QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")};
    return sans;
}

// The face the windows ask for by name in place of a design face: itself where it is
// installed, otherwise its stand-in. Asked for through a substitution instead, every text
// drawn in a script the face lacks (Japanese, say) would make Qt look for fallback faces
// twice, once for each name, which shows in the time the first window takes to appear.
// Found once for each design face, when first asked.
QString installedFace(const QString &designed)
{
    static QHash<QString, QString> found;
    if (const auto known = found.constFind(designed); known != found.cend())
        return *known;
    QString face = designed;
    if (!QFontDatabase::hasFamily(designed)) {
        const auto standIn = std::find_if(standIns().begin(), standIns().end(), &QFontDatabase::hasFamily);
        if (standIn != standIns().end())
            face = *standIn;
    }
    found.insert(designed, face);
    return face;
}
} // namespace

void installFontSubstitutes()
{
    for (const char *face : kDesignFaces)
        QFont::insertSubstitutions(QLatin1StringView(face), standIns());
}

QFont formFont()
{
    QFont font(installedFace(QStringLiteral("Verdana")));
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
    centreFrame(window, g_frameMargins);
    new FrameCentring(window, g_frameMargins);
    if (window.isRightToLeft())
        new Mirroring(window);
}

namespace {
// Right to left: access keys that work, their letters not underlined; the message boxes'
// buttons without icons, whose mirrored layout pushed the caption against the button's edge.
class RightToLeftStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returned) const override
    {
        if (hint == SH_UnderlineShortcut || hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};
} // namespace

void look::chooseStyle()
{
    const QPalette system = QApplication::palette();
    if (!nativeStyleDrawsDarkColours() && qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")
        && system.color(QPalette::WindowText).lightness() > system.color(QPalette::Window).lightness())
        QApplication::setStyle(QStringLiteral("fusion"));
    if (QGuiApplication::layoutDirection() == Qt::RightToLeft)
        QApplication::setStyle(new RightToLeftStyle(QApplication::style()->name()));
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
    static const std::pair<const char *, const QColor &> named[] = {
        {"violet", kViolet},      {"navy", kNavy},        {"cream", kCream}, {"cyan", kCyan},
        {"yellow", kYellow},      {"white", kWhite},      {"black", kBlack}, {"blue", kBlue},
        {"pale-cyan", kPaleCyan}, {"midnight", kMidnight}};
    // Declaration by declaration: what a colour colours is the property it stands in.
    static const QRegularExpression declaration(QStringLiteral("([\\w-]+)\\s*:([^;{}]*)"));
    const QString sheet = window.property("sheet").toString();
    QString resolved;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &found : declaration.globalMatch(sheet)) {
        const QPalette::ColorRole role =
            found.captured(1).startsWith(u"background") ? QPalette::Window : QPalette::WindowText;
        QString value = found.captured(2);
        for (const auto &[name, colour] : named)
            value.replace(u'$' + QLatin1StringView(name), css(colour, role));
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

QRect paintOnDevicePixels(QPainter &painter, const QWidget &widget)
{
    const qreal scale = widget.devicePixelRatioF();
    const QPointF corner = painter.deviceTransform().map(QPointF(0, 0));
    const QPoint snapped = corner.toPoint();
    painter.setWorldTransform(
        QTransform::fromScale(1 / scale, 1 / scale)
        * QTransform::fromTranslate((snapped.x() - corner.x()) / scale, (snapped.y() - corner.y()) / scale));
    // Qt gives the widget a pixel more or less, by where it lies: the pixels it always has.
    return {0, 0, int(widget.width() * scale), int(widget.height() * scale)};
}

} // namespace velmoor
