#include "answer/frm_display.h"
#include "answer/frm_main.h"
#include "app/frm_startup.h"
#include "app/program_fixture.h"
#include "site/update_reminder.h"

#include <QtTest>

using namespace velmoor;
using namespace velmoor::testing;

namespace {
// Counts the times a window is shown while it lives.
// Counts the times the exit screen is shown, loaded or not yet.
struct ExitScreenShows : QObject {
    ExitScreenShows() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        shows += event->type() == QEvent::Show && watched->objectName() == QLatin1String("frmExitScreen");
        return false;
    }
    int shows = 0;
};

QColor centreColour(QWidget *w)
{
    return w->grab().toImage().pixelColor(w->width() / 2, w->height() / 2);
}
} // namespace

class TestQuestionWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> program;
    FrmMain *main = nullptr;

    void ask(const QString &question)
    {
        child<TextField>(main, "txtQuestion")->setPlainText(question);
        QTest::mouseClick(child<BevelButton>(main, "cmdNext"), Qt::LeftButton);
        program->platform.beat.finish();
    }
    FrmDisplay *display() { return program->window<FrmDisplay>(FormId::Display); }
    int shownOffers()
    {
        int shown = 0;
        for (const promo::OfferLink &offer : promo::offers())
            shown += child<ClickLabel>(main, offer.label)->isVisible();
        return shown;
    }

private slots:
    void init()
    {
        program = std::make_unique<Program>();
        program->platform.random.script = {0.0f /* promotional draw: co-brand */};
        program->forms.load(FormId::Startup);
        main = program->window<FrmMain>(FormId::Main);
        QVERIFY(main);
        QVERIFY(QTest::qWaitForWindowExposed(main));
    }
    void cleanup()
    {
        program.reset();
        QCOMPARE(visibleWindows(), QStringList());
    }

    void startUpShowsOnlyTheQuestionWindow()
    {
        auto &p = program->platform;
        QCOMPARE(visibleWindows(), QStringList{"frmMain"});
        QCOMPARE(p.random.randomized, 1);
        QVERIFY(p.boxes.shown.isEmpty());
        QCOMPARE(p.settings.values.size(), 2); // the reminder's first start
        QCOMPARE(shownOffers(), 1);
        for (const promo::OfferLink &offer : promo::offers()) // "&&" is a caption's one "&"
            QCOMPARE(child<ClickLabel>(main, offer.label)->text(), promo::caption(offer).replace("&&", "&"));
        QCOMPARE(main->windowTitle(), QStringLiteral("Velmoor v" VELMOOR_VERSION));
        QCOMPARE(main->centralWidget()->size(), QSize(518, 355));
        QVERIFY(!child<QAction>(main, "mkmoney")->isVisible());
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : main->focusWidget(),
                 child<TextField>(main, "txtQuestion"));
    }

    void promotionalDrawsShowEachOfferAlone()
    {
        const auto &offers = promo::offers();
        for (std::size_t k = 0; k < offers.size(); ++k) {
            program.reset();
            program = std::make_unique<Program>();
            program->platform.random.script = {float(k) / 6}; // a draw of k + 1
            program->forms.load(FormId::Startup);
            main = program->window<FrmMain>(FormId::Main);
            QVERIFY(child<ClickLabel>(main, offers[k].label)->isVisible());
            QCOMPARE(shownOffers(), 1);
        }
    }

    void secondCopyOnlySaysSoAndEnds()
    {
        program.reset();
        program = std::make_unique<Program>();
        auto &p = program->platform;
        p.instance.running = true;
        QVERIFY(!program->forms.load(FormId::Startup));
        QCOMPARE(p.boxes.texts(), QStringList{"Application is already running"});
        QCOMPARE(int(p.boxes.shown[0].icon), int(MsgIcon::Information));
        QCOMPARE(program->processEnds, 1);
        QVERIFY(p.settings.values.isEmpty());
        QCOMPARE(p.random.randomized, 0);
        QCOMPARE(visibleWindows(), QStringList());
    }

    void emptyQuestionIsRefused()
    {
        auto &p = program->platform;
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        child<BevelButton>(main, "cmdNext")->setFocus();
        ask(QString());
        QCOMPARE(p.boxes.texts(), QStringList{"Plese Enter Your Question"});
        QCOMPARE(int(p.boxes.shown[0].icon), int(MsgIcon::Information));
        QCOMPARE(p.beat.starts, 0);
        QVERIFY(child<QTimer>(main, "Timer1")->isActive() && child<QTimer>(main, "Timer2")->isActive());
        QTRY_COMPARE(QApplication::focusWidget(), child<TextField>(main, "txtQuestion"));
    }

    void blankQuestionsAreAnsweredAndEnterAddsALine()
    {
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        child<TextField>(main, "txtQuestion")->setFocus();
        QTest::keyClick(child<TextField>(main, "txtQuestion"), Qt::Key_Space);
        QTest::keyClick(child<TextField>(main, "txtQuestion"), Qt::Key_Return);
        QCOMPARE(child<TextField>(main, "txtQuestion")->toPlainText(), QStringLiteral(" \n"));
        QCOMPARE(program->platform.beat.starts, 0); // Enter did not press the button
        QTest::mouseClick(child<BevelButton>(main, "cmdNext"), Qt::LeftButton);
        program->platform.beat.finish();
        QVERIFY(program->platform.boxes.shown.isEmpty());
        QTRY_VERIFY(display() && display()->isVisible());
    }

    void answerSequenceStagesThenSwapsWindows_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QColor>("colour");
        QTest::addRow("yes") << 0.4999f << "Yes" << QColor(Qt::white);
        QTest::addRow("no") << 0.5f << "No" << QColor(Qt::black);
    }
    void answerSequenceStagesThenSwapsWindows()
    {
        QFETCH(float, r);
        QFETCH(QString, word);
        QFETCH(QColor, colour);
        auto &p = program->platform;
        p.random.script = {r};
        const int seededBefore = p.random.randomized;
        ExitScreenShows exitShows;
        p.beat.during = [&](int call) {
            QVERIFY(!child<QTimer>(main, "Timer1")->isActive() && !child<QTimer>(main, "Timer2")->isActive());
            QVERIFY(child<QFrame>(main, "picMessage")->isVisible());
            for (int dot = 1; dot <= kDotCount; ++dot) {
                auto *shown =
                    child<QFrame>(main, "picMessage")->findChild<QWidget *>(QStringLiteral("shp%1").arg(dot));
                QCOMPARE(shown->isVisible(), dot <= call);
                // Every dot styled: yellow, whatever their number.
                if (dot == call)
                    QCOMPARE(centreColour(shown), QColor(255, 255, 0));
            }
            QVERIFY(!program->forms.isLoaded(FormId::Display));
        };
        ask(QStringLiteral("Will it rain?"));
        QCOMPARE(p.beat.calls, kDotCount);
        QTRY_COMPARE(visibleWindows(), QStringList{"frmDisplay"});
        QCOMPARE(child<QLabel>(display(), "lblAnswer")->text(), word);
        QCOMPARE(centreColour(child<QFrame>(display(), "picResult")), colour);
        QCOMPARE(child<QLabel>(display(), "lblAnswer")->x(), 235);
        QVERIFY(!child<QFrame>(main, "picMessage")->isVisible());
        // The first answer loads the exit screen, hidden (never shown, not even for a
        // moment: the window manager could map it after it is hidden), and its load reseeds.
        QVERIFY(program->forms.isLoaded(FormId::ExitScreen));
        QCOMPARE(exitShows.shows, 0);
        QCOMPARE(p.random.randomized, seededBefore + 1);
    }

    void theButtonIsRaisedAndFramedInBlackWhileFocused()
    {
        QPushButton *button = child<BevelButton>(main, "cmdNext");
        const auto corners = [button] {
            const QImage image = button->grab().toImage();
            const int right = image.width() - 1, bottom = image.height() - 1;
            return QList<QColor>{image.pixelColor(1, 0), image.pixelColor(0, 1),
                                 image.pixelColor(right - 1, bottom), image.pixelColor(right, bottom - 1),
                                 image.pixelColor(image.width() / 2, 2)};
        };
        // Lit top and left edges, plain bottom and right ones, grey face inside the edge.
        const QColor lit(255, 255, 255), edge(224, 224, 224), face(192, 192, 192);
        QCOMPARE(corners(), (QList<QColor>{lit, lit, edge, edge, face}));
        main->activateWindow();
        button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button->hasFocus());
        QCOMPARE(corners(), (QList<QColor>{Qt::black, Qt::black, Qt::black, Qt::black, face}));
        const QImage focused = button->grab().toImage();
        button->setDown(true); // held: pushed in, inside the frame, the caption moved
        const QImage pressed = button->grab().toImage();
        button->setDown(false);
        QCOMPARE(corners(), (QList<QColor>{Qt::black, Qt::black, Qt::black, Qt::black, face}));
        const QColor shadow(128, 128, 128);
        QCOMPARE(pressed.pixelColor(pressed.width() / 2, 1), shadow);
        QCOMPARE(pressed.pixelColor(1, pressed.height() / 2), shadow);
        QCOMPARE(pressed.pixelColor(pressed.width() - 2, pressed.height() / 2), face);
        int changed = 0;
        for (int y = 0; y < pressed.height(); ++y)
            for (int x = 0; x < pressed.width(); ++x)
                changed += pressed.pixel(x, y) != focused.pixel(x, y);
        QVERIFY2(changed > 500, qPrintable(QStringLiteral("%1 pixels change").arg(changed)));
    }

    void backReturnsToTheQuestion_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::addRow("button") << false;
        QTest::addRow("file menu") << true;
    }
    void backReturnsToTheQuestion()
    {
        QFETCH(bool, fromMenu);
        ask(QStringLiteral("Again?"));
        QTRY_VERIFY(display() && display()->isVisible());
        FrmDisplay *first = display();
        QPointer<FrmDisplay> gone(first);
        // The exit screen, loaded and hidden, is never shown on the way back, not even for
        // a moment (the window manager would give it the focus).
        ExitScreenShows exitShows;
        if (fromMenu)
            child<QAction>(first, "mnuFileBack")->trigger();
        else
            QTest::mouseClick(child<BevelButton>(first, "cmdOK"), Qt::LeftButton);
        QCOMPARE(visibleWindows(), QStringList{"frmMain"});
        QCOMPARE(exitShows.shows, 0);
        QVERIFY(!program->forms.isLoaded(FormId::Display));
        QTRY_VERIFY(gone.isNull());
        QCOMPARE(child<TextField>(main, "txtQuestion")->toPlainText(), QStringLiteral("Again?"));
        QVERIFY(child<QTimer>(main, "Timer1")->isActive() && child<QTimer>(main, "Timer2")->isActive());
        const QList<WaitDot *> dots = child<QFrame>(main, "picMessage")->findChildren<WaitDot *>();
        QCOMPARE(dots.size(), kDotCount);
        for (QWidget *dot : dots)
            QVERIFY(dot->isHidden());
        // The next answer gets a fresh result window.
        program->platform.random.script = {0.9f};
        ask(QStringLiteral("Again?"));
        QTRY_VERIFY(display() && display()->isVisible());
        QCOMPARE(child<QLabel>(display(), "lblAnswer")->text(), QStringLiteral("No"));
    }

    void secondPressDuringTheWaitShowsTheFirstDraw()
    {
        auto &p = program->platform;
        p.random.script = {0.1f, 0.9f};
        p.beat.during = [&](int call) {
            if (call == 1)
                QTest::mouseClick(child<BevelButton>(main, "cmdNext"), Qt::LeftButton);
        };
        ask(QStringLiteral("Twice?"));
        QCOMPARE(p.beat.calls, kDotCount);
        QTRY_COMPARE(visibleWindows(), QStringList{"frmDisplay"});
        QCOMPARE(child<QLabel>(display(), "lblAnswer")->text(), QStringLiteral("Yes"));
    }

    void closingDuringTheWaitEndsTheSequence()
    {
        auto &p = program->platform;
        p.beat.during = [&](int call) {
            if (call == 2)
                main->close();
        };
        QPointer<FrmMain> watched(main);
        ask(QStringLiteral("Leaving?"));
        QCOMPARE(p.beat.calls, 2);
        QVERIFY(!program->forms.isLoaded(FormId::Display));
        QTRY_VERIFY(watched.isNull());
        QCOMPARE(visibleWindows(), QStringList{"frmExitScreen"});
    }

    void endProgramDuringTheWaitLeavesNothing()
    {
        auto &p = program->platform;
        p.beat.during = [&](int call) {
            if (call == 1)
                program->forms.EndProgram();
        };
        ask(QStringLiteral("End?"));
        QCOMPARE(p.beat.calls, 1);
        QCOMPARE(program->processEnds, 1);
        QCOMPARE(visibleWindows(), QStringList());
    }

    void resultWindowExitsToTheExitScreen_data()
    {
        QTest::addColumn<int>("how");
        // The Exit button and the close box are driven for real in tests/e2e.
        QTest::addRow("Escape") << 1;
        QTest::addRow("File Exit") << 2;
    }
    void resultWindowExitsToTheExitScreen()
    {
        QFETCH(int, how);
        ask(QStringLiteral("Exit?"));
        QTRY_VERIFY(display() && display()->isVisible());
        FrmDisplay *d = display();
        if (how == 1) {
            d->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(d));
            QTest::keyClick(d, Qt::Key_Escape);
        } else {
            child<QAction>(d, "mnuExit")->trigger();
        }
        QCOMPARE(visibleWindows(), QStringList{"frmExitScreen"});
        QVERIFY(program->forms.isLoaded(FormId::Main)); // hidden, still loaded
        QCOMPARE(program->processEnds, 0);
    }

    void hiddenMakeMoneyCommandStillOpensItsPage()
    {
        // Out of sight on both windows, so the end-to-end run cannot click it.
        auto &opened = program->platform.opener.opened;
        QVERIFY(!child<QAction>(main, "mkmoney")->isVisible());
        child<QAction>(main, "mkmoney")->trigger();
        ask(QStringLiteral("Money?"));
        QTRY_VERIFY(display() && display()->isVisible());
        QVERIFY(!child<QAction>(display(), "mkmoney")->isVisible());
        child<QAction>(display(), "mkmoney")->trigger();
        QCOMPARE(opened, QStringList(2, QLatin1String(pages::kFullyBranded)));
    }

    void squaresBlink()
    {
        // Real timers: over three seconds the squares must be seen both shown and hidden
        // after their first appearance.
        QStringList seen;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 3300) {
            QTest::qWait(100);
            const bool white = child<QFrame>(main, "picWhite")->isVisible();
            QCOMPARE(child<QFrame>(main, "picBlack")->isVisible(), white);
            const QString state = white ? QStringLiteral("on") : QStringLiteral("off");
            if (seen.isEmpty() || seen.last() != state)
                seen << state;
        }
        QCOMPARE(seen.mid(0, 4), QStringList({"off", "on", "off", "on"}));
    }
};

QTEST_MAIN(TestQuestionWindow)
#include "tst_question_window.moc"
