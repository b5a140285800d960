// Every text of every window fits its control and every control its window, in every
// language and the faces the program asks for (the same test runs again at twice the
// scale), every line of it shown; each window's access keys are its own; right to left,
// every text runs so; the user's language is the one chosen.

#include "answer/frm_display.h"
#include "answer/frm_main.h"
#include "app/frm_exit_screen.h"
#include "app/program_fixture.h"
#include "platform/accessibility.h"
#include "platform/languages.h"
#include "site/frm_about.h"
#include "site/mod_help.h"
#include "widgets/look.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextLayout>
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
    const auto check = [&](const QWidget *control, QSize needed, QSize room) {
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
        check(label,
              QFontMetrics(label->font())
                  .boundingRect(label->contentsRect(), flags, withoutMnemonic(label->text()))
                  .size(),
              label->contentsRect().size());
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty())
            continue;
        // The ink too: a last letter may reach past its advance ("t" in some faces).
        const QFontMetrics metrics(button->font());
        const QString text = withoutMnemonic(button->text());
        const QSize needed(qMax(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1),
                           metrics.height());
        // A check box's text has the room its box and the space after it leave.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        check(button, needed,
              qobject_cast<QCheckBox *>(button)
                  ? button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button).size()
                  : button->contentsRect().size());
    }
    for (QGroupBox *box : window->findChildren<QGroupBox *>()) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        if (box->isVisibleTo(window) && !box->rect().contains(title))
            found << QStringLiteral("%1 %2: its title needs %3 px, has %4")
                         .arg(window->objectName(), box->objectName())
                         .arg(title.right() + 1)
                         .arg(box->width());
    }
    // A label that sizes itself to its text grows sideways, maybe past its frame's side, or
    // into its neighbour: it keeps a few pixels clear of the controls beside it.
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QWidget *parent = control->parentWidget();
        if (!control->isVisibleTo(window) || control->isWindow() || !parent || parent->layout())
            continue;
        if (control->x() < 0 || control->x() + control->width() > parent->width())
            found << QStringLiteral("%1 %2: outside %3")
                         .arg(window->objectName(), control->objectName(), parent->objectName());
        const auto *label = qobject_cast<const QLabel *>(control);
        if (!label || label->wordWrap())
            continue;
        for (const QWidget *neighbour : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (neighbour != control && neighbour->isVisibleTo(window)
                && control->geometry().marginsAdded({3, 0, 3, 0}).intersects(neighbour->geometry()))
                found << QStringLiteral("%1 %2: against %3")
                             .arg(window->objectName(), control->objectName(), neighbour->objectName());
    }
    return found;
}

// The labels of a right-to-left window whose text would run left to right: a plain text
// takes its direction from its first letter, so a paragraph that opens with a Latin name or
// an address, as many do in Arabic, needs to be told.
QStringList runningLeftToRight(QWidget *window)
{
    QStringList found;
    for (QLabel *label : window->findChildren<QLabel *>())
        if (window->isRightToLeft() && label->isVisibleTo(window) && !label->text().isEmpty()
            && !label->text().isRightToLeft())
            found
                << QStringLiteral("%1 %2: runs left to right").arg(window->objectName(), label->objectName());
    return found;
}

// The lines of a word-wrapped label that hold words but show none, pushed out of the label
// sideways (as a run of spaces between two paragraphs did, laid out right to left).
QStringList lostLines(QWidget *window)
{
    QStringList found;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || !label->wordWrap() || label->textFormat() == Qt::RichText)
            continue;
        const QImage shown = label->grab().toImage();
        const qreal scale = shown.devicePixelRatio();
        QTextLayout layout(label->text(), label->font());
        QTextOption option(label->alignment());
        option.setWrapMode(QTextOption::WordWrap);
        option.setTextDirection(label->layoutDirection());
        layout.setTextOption(option);
        layout.beginLayout();
        qreal height = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label->contentsRect().width());
            height += line.height();
        }
        layout.endLayout();
        // Where the lines start: the label's vertical alignment places them as a block.
        const QRect room = label->contentsRect();
        qreal top = room.top();
        if (label->alignment() & Qt::AlignVCenter)
            top += (room.height() - height) / 2;
        else if (label->alignment() & Qt::AlignBottom)
            top += room.height() - height;
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            top += line.height();
            if (label->text().mid(line.textStart(), line.textLength()).trimmed().isEmpty())
                continue;
            // Ink in the middle half of the line's height.
            bool ink = false;
            const int from = std::max(0, int((top - line.height() * 0.75) * scale)),
                      to = int((top - line.height() * 0.25) * scale);
            for (int y = from; y < std::min(to, shown.height()) && !ink; ++y)
                for (int x = 0; x < shown.width() && !ink; ++x)
                    ink = shown.pixel(x, y) != shown.pixel(0, 0);
            if (!ink)
                found << QStringLiteral("%1 %2: line %3 not shown")
                             .arg(window->objectName(), label->objectName())
                             .arg(i + 1);
        }
    }
    return found;
}

// Access keys used twice where one press must choose one control: among a window's buttons
// and menu titles, and among a menu's commands.
QStringList repeatedKeys(QWidget *window)
{
    QStringList found;
    const auto check = [&](const QString &where, const QStringList &texts) {
        QSet<QKeySequence> keys;
        for (const QString &text : texts) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (!key.isEmpty() && keys.contains(key))
                found << QStringLiteral("%1 %2: %3").arg(window->objectName(), where, text);
            keys.insert(key);
        }
    };
    QStringList windowLevel;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(window))
            windowLevel << button->text();
    for (QMenuBar *bar : window->findChildren<QMenuBar *>())
        for (QAction *action : bar->actions())
            if (action->isVisible())
                windowLevel << action->text();
    check(QStringLiteral("window"), windowLevel);
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        QStringList commands;
        for (QAction *action : menu->actions())
            commands << action->text();
        check(menu->objectName(), commands);
    }
    return found;
}
} // namespace

class TestTextFits : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void choosesTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("a locale name") << "de_DE.UTF-8"
                                       << "de";
        QTest::newRow("the first the program has") << "sv:fr_CA:de"
                                                   << "fr";
        QTest::newRow("English before it") << "en_GB:de"
                                           << "";
        QTest::newRow("C") << "C.UTF-8"
                           << "";
        QTest::newRow("POSIX") << "POSIX"
                               << "";
        QTest::newRow("none it has") << "sv:fi"
                                     << "";
        QTest::newRow("Windows' own name") << "ja-JP"
                                           << "ja";
        QTest::newRow("the language alone") << "pt"
                                            << "pt_BR";
        QTest::newRow("Portuguese of Portugal") << "pt_PT:es"
                                                << "es";
        QTest::newRow("Simplified Chinese by script") << "zh-Hans-SG"
                                                      << "zh_CN";
        QTest::newRow("Traditional Chinese") << "zh_TW"
                                             << "";
        QTest::newRow("a modifier") << "ar_EG@latin"
                                    << "ar";
        QTest::newRow("unknown ones passed over") << "xx:de"
                                                  << "de";
        QTest::newRow("one Qt has no data for") << "csb:bar:pl"
                                                << "pl";
        QTest::newRow("nothing but unknown ones") << "xx:"
                                                  << "";
    }

    void choosesTheUsersLanguage()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, chosen);
        QCOMPARE(chooseLanguage(wanted.split(u':'), translatedLanguages()), chosen);
    }

    void everyWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        const QStringList languages = translatedLanguages();
        QStringList built = QStringLiteral(VELMOOR_LANGUAGES).split(u' ');
        built.sort();
        QCOMPARE(languages, built);
        for (const QString &language : languages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyWindow()
    {
        QFETCH(QString, language);
        useLanguage(language);
        Program program;
        program.forms.load(FormId::Startup);
        // The wait panel as its last second shows it.
        auto *main = program.window<FrmMain>(FormId::Main);
        child<QFrame>(main, "picMessage")->show();
        for (QWidget *dot : child<QFrame>(main, "picMessage")->findChildren<WaitDot *>())
            dot->show();
        QList<QWidget *> windows;
        for (const FormId id : kForms) {
            if (id == FormId::Startup)
                continue;
            program.forms.show(id);
            windows << program.forms.load(id);
        }
        ModHelp help(program.platform.opener);
        FrmAbout about(help);
        about.show();
        windows << &about;
        QStringList found;
        for (QWidget *window : windows)
            found << clipped(window) << repeatedKeys(window) << runningLeftToRight(window)
                  << lostLines(window);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(TestTextFits)
#include "tst_text_fits.moc"
