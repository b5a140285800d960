// Every text of every window fits its control, in the faces the program asks for (the
// same test runs again at twice the scale).

#include "answer/frm_display.h"
#include "app/frm_exit_screen.h"
#include "app/program_fixture.h"
#include "platform/look.h"
#include "site/frm_about.h"
#include "site/mod_help.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWindow>
#include <QtTest>

using namespace velmoor;
using namespace velmoor::testing;

namespace {

// The controls of `window` whose text is cut: a word-wrapped label too short for its
// lines, a one-line label or a button too narrow for its text.
QStringList clipped(QWidget *window)
{
    // A platform that could not make the window (Windows' under Wine without a display)
    // would tell nothing of the faces.
    if (!window->windowHandle() || !window->windowHandle()->handle())
        return {window->objectName() + QStringLiteral(": the window was not made")};
    QStringList found;
    const auto check = [&](const QWidget *control, QSize needed) {
        const QSize room = control->contentsRect().size();
        if (needed.width() > room.width() || needed.height() > room.height())
            found << QStringLiteral("%1 %2: needs %3x%4, has %5x%6")
                         .arg(window->objectName(), control->objectName())
                         .arg(needed.width())
                         .arg(needed.height())
                         .arg(room.width())
                         .arg(room.height());
    };
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            continue;
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        check(label, QFontMetrics(label->font())
                         .boundingRect(label->contentsRect(), flags, withoutMnemonic(label->text()))
                         .size());
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty())
            continue;
        const QFontMetrics metrics(button->font());
        check(button, {metrics.horizontalAdvance(withoutMnemonic(button->text())), metrics.height()});
    }
    return found;
}
} // namespace

class TestTextFits : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void everyWindow()
    {
        Program program;
        program.forms.load(FormId::Startup);
        QStringList found = clipped(program.window<QWidget>(FormId::Main));
        program.forms.show(FormId::Display);
        found << clipped(program.window<QWidget>(FormId::Display));
        program.forms.show(FormId::ExitScreen);
        found << clipped(program.window<QWidget>(FormId::ExitScreen));
        ModHelp help(program.platform.opener);
        FrmAbout about(help);
        about.show();
        found << clipped(&about);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(TestTextFits)
#include "tst_text_fits.moc"
