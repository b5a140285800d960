// The style Qt draws its controls in.
#include "widgets/look.h"

#include "platform/high_contrast.h"

#include <QApplication>
#include <QGuiApplication>
#include <QProxyStyle>

namespace velmoor {

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

} // namespace velmoor
