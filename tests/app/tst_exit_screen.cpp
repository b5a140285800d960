#include "answer/frm_main.h"
#include "app/frm_exit_screen.h"
#include "app/program_fixture.h"
#include "app/promo_draws.h"
#include "referral/mod_tell_a_friend.h"
#include "ui_frm_exit_screen.h"

#include <QInputMethodEvent>
#include <QtTest>

using namespace velmoor;
using namespace velmoor::testing;

class TestExitScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> program;
    FrmExitScreen *screen = nullptr;

    Ui::FrmExitScreen &ui() { return screen->ui(); }
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
        QCOMPARE(ui().Label2->text(), promo::appealText(2));
        QCOMPARE(screen->windowTitle(), QStringLiteral("Velmoor v" VELMOOR_VERSION));
        QCOMPARE(ui().lblExitCaption->text(), QStringLiteral("Velmoor v" VELMOOR_VERSION));
        QVERIFY(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(screen->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!ui().picExitIcon->pixmap().isNull());
        QCOMPARE(screen->focusWidget(), ui().cmdClose);
        QCOMPARE(ui().txtName->text(), prompts::name());
        // Only geometry hides the message field.
        QVERIFY(ui().txtMessage->y() > ui().Frame2->height());
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
        focus(ui().txtName);
        QCOMPARE(ui().txtName->text(), QString());
        QTest::keyClick(ui().txtName, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ui().cmdSubmit); // the designed tab order
        QCOMPARE(ui().txtName->text(), prompts::name());

        ui().txtEmail->setText(QStringLiteral("  Your Email Address "));
        focus(ui().txtEmail);
        QCOMPARE(ui().txtEmail->text(), QString());
        ui().txtFriendName->setText(QStringLiteral("friend's name"));
        focus(ui().txtFriendName);
        QCOMPARE(ui().txtFriendName->text(), QStringLiteral("friend's name"));
        ui().txtFriendName->setText(QStringLiteral("   "));
        focus(ui().txtName);
        QCOMPARE(ui().txtFriendName->text(), prompts::friendName());
        ui().txtName->setText(QStringLiteral(" Ann "));
        focus(ui().txtFriendName);
        QCOMPARE(ui().txtName->text(), QStringLiteral(" Ann "));

        // Tab from the friend's name into the hidden message field keeps its content;
        // emptied and left, it gets the 12-character prompt.
        QTest::keyClick(ui().txtFriendName, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ui().txtMessage);
        QCOMPARE(ui().txtMessage->toPlainText(), QStringLiteral("Your Message\n"));
        ui().txtMessage->clear();
        focus(ui().txtName);
        QCOMPARE(ui().txtMessage->toPlainText(), prompts::message());
    }

    void emailFieldsRefuseSpaces()
    {
        auto &boxes = program->platform.boxes;
        for (QLineEdit *field : {ui().txtEmail, ui().txtFriendEmail}) {
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
        focus(ui().txtName);
        QTest::keyClicks(ui().txtName, QStringLiteral("A b"));
        QCOMPARE(ui().txtName->text(), QStringLiteral("A b"));
    }
};

QTEST_MAIN(TestExitScreen)
#include "tst_exit_screen.moc"
