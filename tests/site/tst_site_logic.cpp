#include "platform/fakes.h"
#include "site/mod_help.h"
#include "site/update_reminder.h"

#include <QtTest>

using namespace velmoor;
using namespace velmoor::testing;

class TestSiteLogic : public QObject {
    Q_OBJECT
private slots:
    void openersOpenExactlyTheirPage()
    {
        using Opener = void (ModHelp::*)() const;
        const std::pair<Opener, const char *> table[] = {
            {&ModHelp::OpenQuennetSoftwaresPage, "quennetsoftwares"},
            {&ModHelp::OpenDonatePage, "donate"},
            {&ModHelp::OpenHelpWebPage, "help-web-page"},
            {&ModHelp::OpenCoBrandPage, "co-brand"},
            {&ModHelp::OpenFullyBrandedPage, "fully-branded"},
            {&ModHelp::OpenHomePage, "home-page"},
            {&ModHelp::OpenDownloadWebPage, "download-web-page"},
        };
        for (const auto &[opener, key] : table) {
            FakeOpener recorder;
            const ModHelp help(recorder);
            (help.*opener)();
            (help.*opener)(); // twice is twice: nothing is remembered
            const QString address = QLatin1String(pages::kSiteBase) + QStringLiteral("/velmoor/ssd.php?page=")
                                    + QLatin1String(key);
            QCOMPARE(recorder.opened, QStringList({address, address}));
            QVERIFY(address.startsWith(QStringLiteral("https://")));
        }
    }

    void scrambleRoundTripsAndDropsOverflow()
    {
        QString all;
        for (int code = 0; code <= 255 - kScrambleOffset; ++code)
            all.append(QChar(code));
        QCOMPARE(UnscrambleText(ScrambleText(all)), all);
        QCOMPARE(ScrambleText(QString()), QString());
        QCOMPARE(ScrambleText(QStringLiteral("Duration")).size(), 8);
        QVERIFY(ScrambleText(QStringLiteral("Duration")) != QStringLiteral("Duration"));
        // A character past the top of the code page disappears; the rest keeps its order.
        const QString high = QStringLiteral("a") + QChar(0xFF) + QStringLiteral("b");
        QCOMPARE(UnscrambleText(ScrambleText(high)), QStringLiteral("ab"));
        QCOMPARE(UnscrambleText(QString(QChar(kScrambleOffset - 1))), QString());
    }

    void dateTextReadsBackAsTheSameDay_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *name : {"C", "en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ar_EG", "zh_CN"})
            QTest::addRow("%s", name) << QString::fromLatin1(name);
    }
    void dateTextReadsBackAsTheSameDay()
    {
        QFETCH(QString, locale);
        const QLocale l(locale);
        for (const QDate day : {QDate(2026, 12, 7), QDate(2031, 1, 2), QDate(1999, 12, 31)}) {
            const QString text = dateToText(day, l);
            QCOMPARE(textToDate(text, l), std::optional<QDate>(day));
            QCOMPARE(UnscrambleText(ScrambleText(text)), text);
        }
        // A two-digit year written by an older build reads as this century's.
        const QString shortText = l.toString(QDate(2026, 12, 7), l.dateFormat(QLocale::ShortFormat));
        if (UnscrambleText(ScrambleText(shortText)) == shortText)
            QCOMPARE(textToDate(shortText, l), std::optional<QDate>(QDate(2026, 12, 7)));
        QCOMPARE(textToDate(QStringLiteral("not a date"), l), std::nullopt);
    }

    void reminderFollowsItsRule_data()
    {
        QTest::addColumn<QString>("storedDate"); // "" for none; else days from today, or text
        QTest::addColumn<QString>("storedInstall");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<QString>("installAfter"); // "" when not written
        QTest::addColumn<bool>("dateRewritten");
        QTest::addColumn<bool>("opens");
        QTest::addRow("first start") << ""
                                     << "" << MsgAnswer::Yes << false << "1" << true << false;
        QTest::addRow("14 days ago") << "-14"
                                     << "1" << MsgAnswer::Yes << false << "" << false << false;
        QTest::addRow("14 days ahead") << "14"
                                       << "1" << MsgAnswer::Yes << false << "" << false << false;
        QTest::addRow("15 days ago, yes") << "-15"
                                          << "1" << MsgAnswer::Yes << true << "1" << true << true;
        QTest::addRow("15 days ago, no") << "-15"
                                         << "7" << MsgAnswer::No << true << "7" << true << false;
        QTest::addRow("15 days ahead") << "15"
                                       << "1" << MsgAnswer::No << true << "1" << true << false;
        QTest::addRow("negative install") << "-400"
                                          << "-3" << MsgAnswer::No << true << "3" << true << false;
        QTest::addRow("fraction rounds to even") << "-15"
                                                 << "2.5" << MsgAnswer::No << true << "2" << true << false;
        QTest::addRow("bad install, yes") << "-15"
                                          << "x" << MsgAnswer::Yes << true << "" << false << false;
        QTest::addRow("empty install") << "-15"
                                       << "" << MsgAnswer::Yes << true << "" << false << false;
        QTest::addRow("install too large") << "-15"
                                           << "2147483648" << MsgAnswer::Yes << true << "" << false << false;
        QTest::addRow("unreadable date") << "Dec the 7th"
                                         << "1" << MsgAnswer::Yes << false << "" << false << false;
    }
    void reminderFollowsItsRule()
    {
        QFETCH(QString, storedDate);
        QFETCH(QString, storedInstall);
        QFETCH(MsgAnswer, answer);
        QFETCH(bool, asks);
        QFETCH(QString, installAfter);
        QFETCH(bool, dateRewritten);
        QFETCH(bool, opens);

        FakePlatform p;
        const QLocale locale(QStringLiteral("en_US"));
        const QString durationKey = QStringLiteral("Settings/") + ScrambleText(QStringLiteral("Duration"));
        const QString installKey = QStringLiteral("Settings/") + ScrambleText(QStringLiteral("Install"));
        bool isNumber = false;
        const int offset = storedDate.toInt(&isNumber);
        const QString before = isNumber ? dateToText(p.clock.date.addDays(offset), locale) : storedDate;
        if (!storedDate.isEmpty()) {
            p.settings.values[durationKey] = ScrambleText(before);
            p.settings.values[installKey] = ScrambleText(storedInstall);
        }
        p.boxes.answer = answer;
        const ModHelp help(p.opener);
        UpdateReminderRun(p.settings, p.clock, p.boxes, help, locale).UpdateReminder();

        QCOMPARE(p.boxes.shown.size(), asks ? 1 : 0);
        if (asks) {
            QCOMPARE(p.boxes.shown[0].text, QStringLiteral("There maybe an update to this software "
                                                           "available\rDo you want to check for an update?"));
            QCOMPARE(int(p.boxes.shown[0].icon), int(MsgIcon::Information));
            QCOMPARE(int(p.boxes.shown[0].buttons), int(MsgButtons::YesNo));
            QCOMPARE(int(p.boxes.shown[0].layer), int(MsgLayer::InFront)); // a normal start-up box
        }
        QCOMPARE(UnscrambleText(p.settings.values.value(installKey)),
                 installAfter.isEmpty() ? storedInstall : installAfter);
        QCOMPARE(UnscrambleText(p.settings.values.value(durationKey)),
                 dateRewritten ? dateToText(p.clock.date, locale) : before);
        QCOMPARE(p.opener.opened,
                 opens ? QStringList{QLatin1String(pages::kDownloadWebPage)} : QStringList());
    }

    void failingStoreEndsTheReminderQuietly()
    {
        FakePlatform p;
        const ModHelp help(p.opener);
        p.settings.failReads = true;
        UpdateReminderRun(p.settings, p.clock, p.boxes, help).UpdateReminder();
        p.settings.failReads = false;
        p.settings.failWrites = true;
        UpdateReminderRun(p.settings, p.clock, p.boxes, help).UpdateReminder();
        QVERIFY(p.boxes.shown.isEmpty());
        QVERIFY(p.settings.values.isEmpty());

        // Due, but the store refuses the rewrite: the page is not opened either.
        p.settings.failWrites = false;
        UpdateReminderRun(p.settings, p.clock, p.boxes, help).UpdateReminder();
        p.clock.date = p.clock.date.addDays(30);
        p.settings.failWrites = true;
        UpdateReminderRun(p.settings, p.clock, p.boxes, help).UpdateReminder();
        QCOMPARE(p.boxes.shown.size(), 1);
        QVERIFY(p.opener.opened.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSiteLogic)
#include "tst_site_logic.moc"
