#include "answer/frm_main.h"
#include "app/frm_exit_screen.h"
#include "app/program_fixture.h"
#include "app/promo_draws.h"
#include "referral/mod_tell_a_friend.h"

#include <QInputMethodEvent>
#include <QtTest>

using namespace velmoor;
using namespace velmoor::testing;

class TestExitScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> program;
    FrmExitScreen *screen = nullptr;

    void focus(QWidget *field)
    {
        field->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), field);
    }

private slots:
    void init()
    {
        program = std::make_unique<Program>();
        program->forms.load(FormId::Startup);
        program->platform.random.script = {0.6f}; // the appeal drawn at load: 2
        program->window<FrmMain>(FormId::Main)->close();
        screen = program->window<FrmExitScreen>(FormId::ExitScreen);
        QVERIFY(screen);
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
    }
    void cleanup()
    {
        program.reset();
        QCOMPARE(visibleWindows(), QStringList());
    }

    void loadsTopmostWithADrawnAppeal()
    {
        QCOMPARE(visibleWindows(), QStringList{"frmExitScreen"});
        QCOMPARE(program->platform.random.randomized, 2); // start-up and this load
        QCOMPARE(child<QLabel>(screen, "Label2")->text(), promo::appealText(2));
        QCOMPARE(screen->windowTitle(), QStringLiteral("Velmoor v" VELMOOR_VERSION));
        QCOMPARE(child<QLabel>(screen, "lblExitCaption")->text(),
                 QStringLiteral("Velmoor v" VELMOOR_VERSION));
        QVERIFY(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(screen->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!child<QLabel>(screen, "picExitIcon")->pixmap().isNull());
        QCOMPARE(screen->focusWidget(), child<QPushButton>(screen, "cmdClose"));
        QCOMPARE(child<QLineEdit>(screen, "txtName")->text(), prompts::name());
        // Only geometry hides the message field.
        QVERIFY(child<TextField>(screen, "txtMessage")->y() > child<QGroupBox>(screen, "Frame2")->height());
    }

    void exitEndsTheProgram_data()
    {
        QTest::addColumn<int>("how");
        QTest::addRow("Alt+X") << 1;
        QTest::addRow("close box") << 2;
    }
    void exitEndsTheProgram()
    {
        QFETCH(int, how);
        if (how == 1)
            QTest::keyClick(screen, Qt::Key_X, Qt::AltModifier);
        else
            screen->close();
        QTRY_COMPARE(program->processEnds, 1); // an access key clicks after a short delay
        QCOMPARE(visibleWindows(), QStringList());
        QVERIFY(!program->forms.isLoaded(FormId::Startup));
        QVERIFY(program->platform.opener.opened.isEmpty());
    }

    void promptsClearOnEntryAndReturnOnLeaving()
    {
        focus(child<QLineEdit>(screen, "txtName"));
        QCOMPARE(child<QLineEdit>(screen, "txtName")->text(), QString());
        QTest::keyClick(child<QLineEdit>(screen, "txtName"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(),
                 child<QPushButton>(screen, "cmdSubmit")); // the designed tab order
        QCOMPARE(child<QLineEdit>(screen, "txtName")->text(), prompts::name());

        child<QLineEdit>(screen, "txtEmail")->setText(QStringLiteral("  Your Email Address "));
        focus(child<QLineEdit>(screen, "txtEmail"));
        QCOMPARE(child<QLineEdit>(screen, "txtEmail")->text(), QString());
        child<QLineEdit>(screen, "txtFriendName")->setText(QStringLiteral("friend's name"));
        focus(child<QLineEdit>(screen, "txtFriendName"));
        QCOMPARE(child<QLineEdit>(screen, "txtFriendName")->text(), QStringLiteral("friend's name"));
        child<QLineEdit>(screen, "txtFriendName")->setText(QStringLiteral("   "));
        focus(child<QLineEdit>(screen, "txtName"));
        QCOMPARE(child<QLineEdit>(screen, "txtFriendName")->text(), prompts::friendName());
        child<QLineEdit>(screen, "txtName")->setText(QStringLiteral(" Ann "));
        focus(child<QLineEdit>(screen, "txtFriendName"));
        QCOMPARE(child<QLineEdit>(screen, "txtName")->text(), QStringLiteral(" Ann "));

        // Tab from the friend's name into the hidden message field keeps its content;
        // emptied and left, it gets the 12-character prompt.
        QTest::keyClick(child<QLineEdit>(screen, "txtFriendName"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<TextField>(screen, "txtMessage"));
        QCOMPARE(child<TextField>(screen, "txtMessage")->toPlainText(), QStringLiteral("Your Message\n"));
        child<TextField>(screen, "txtMessage")->clear();
        focus(child<QLineEdit>(screen, "txtName"));
        QCOMPARE(child<TextField>(screen, "txtMessage")->toPlainText(), prompts::message());
    }

    void emailFieldsRefuseSpaces()
    {
        auto &boxes = program->platform.boxes;
        for (QLineEdit *field :
             {child<QLineEdit>(screen, "txtEmail"), child<QLineEdit>(screen, "txtFriendEmail")}) {
            boxes.shown.clear();
            focus(field);
            QTest::keyClicks(field, QStringLiteral("a b "));
            QCOMPARE(field->text(), QStringLiteral("ab"));
            QCOMPARE(boxes.texts(), QStringList(2, noSpaceInEmail()));
            QCOMPARE(int(boxes.shown[0].icon), int(MsgIcon::Critical));
            QCOMPARE(QApplication::focusWidget(), field);
            // From an input method: its Space (U+3000), and Shift+Space (U+0020) committed
            // with text; the text goes in, the spaces do not.
            for (const QString &commit : {QStringLiteral("\u3000"), QStringLiteral("c d\u00a0")}) {
                QInputMethodEvent committed;
                committed.setCommitString(commit);
                QApplication::sendEvent(field, &committed);
            }
            QCOMPARE(field->text(), QStringLiteral("abcd"));
            QCOMPARE(boxes.texts(), QStringList(4, noSpaceInEmail()));
        }
        focus(child<QLineEdit>(screen, "txtName"));
        QTest::keyClicks(child<QLineEdit>(screen, "txtName"), QStringLiteral("A b"));
        QCOMPARE(child<QLineEdit>(screen, "txtName")->text(), QStringLiteral("A b"));
    }
};

QTEST_MAIN(TestExitScreen)
#include "tst_exit_screen.moc"
