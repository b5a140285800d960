#include "answer/frm_display.h"
#include "answer/frm_main.h"
#include "app/program_fixture.h"
#include "site/frm_about.h"
#include "ui_frm_display.h"
#include "ui_frm_main.h"

#include <QtTest>

using namespace velmoor;
using namespace velmoor::testing;

class TestFrmAbout : public QObject {
    Q_OBJECT

    // Opens the about window from `menu`, runs `inside` while it is up, and reports
    // whether it came back closed.
    static bool runAbout(QAction *menu, const std::function<void(QDialog *)> &inside)
    {
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!about) {
                QTimer::singleShot(10, [&] { checked = false; });
                return;
            }
            checked = true;
            inside(about);
        });
        menu->trigger(); // returns once the about window has closed
        return checked && !QApplication::activeModalWidget();
    }

private slots:
    void cleanup() { QCOMPARE(visibleWindows(), QStringList()); }

    void aboutIsModalAndClosesOnEnterAndEscape()
    {
        Program program;
        program.forms.load(FormId::Startup);
        auto *main = program.window<FrmMain>(FormId::Main);
        auto &opened = program.platform.opener.opened;
        QString title;
        QVERIFY(runAbout(main->ui().mnuAbout, [&](QDialog *about) {
            title = about->windowTitle();
            QVERIFY(about->isModal());
            QCOMPARE(about->size(), QSize(401, 273));
            QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("lblHomePage")), Qt::LeftButton);
            QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("lblCobrand")), Qt::LeftButton);
            QVERIFY(about->isVisible()); // links leave it open
            QTest::keyClick(about, Qt::Key_Return);
        }));
        QCOMPARE(title, QStringLiteral("Velmoor v1.15"));
        QCOMPARE(opened, QStringList({QLatin1String(pages::kHomePage), QLatin1String(pages::kFullyBranded)}));

        main->ui().txtQuestion->setPlainText(QStringLiteral("?"));
        QTest::mouseClick(main->ui().cmdNext, Qt::LeftButton);
        auto *display = program.window<FrmDisplay>(FormId::Display);
        QVERIFY(runAbout(display->ui().mnuAbout, [](QDialog *about) {
            QVERIFY(about->findChild<QLabel *>(QStringLiteral("Label1"))->text().startsWith(
                QStringLiteral("Velmoor is a simple divination tool")));
            QTest::keyClick(about, Qt::Key_Escape);
        }));
        QVERIFY(display->isVisible());
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frm_about.moc"
