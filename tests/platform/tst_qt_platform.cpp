#include "platform/fakes.h"
#include "platform/qt_platform.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmoor;

class TestQtPlatform : public QObject {
    Q_OBJECT
private slots:
    void randomStaysBelowOne()
    {
        QCOMPARE(unitFloat(0), 0.0f);
        QVERIFY(unitFloat(0xFFFFFFFFu) < 1.0f);
        testing::FakeClock clock;
        TimeSeededRandom random(clock);
        float low = 1, high = 0;
        for (int i = 0; i < 100000; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            low = std::min(low, r);
            high = std::max(high, r);
        }
        QVERIFY(low < 0.01f && high > 0.99f);
        // Seeded from the time of day: another time, another sequence.
        TimeSeededRandom same(clock);
        clock.seconds += 0.001;
        TimeSeededRandom later(clock);
        const float first = same.next();
        QCOMPARE(TimeSeededRandom(testing::FakeClock()).next(), first);
        QVERIFY(later.next() != first);
    }

    void pauseWaitsWhileEventsGoOn()
    {
        EventLoopPause pause;
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(100);
        QElapsedTimer elapsed;
        elapsed.start();
        pause.pause(1);
        QVERIFY2(elapsed.elapsed() >= 1000, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY(ticks >= 5);
    }

    void pauseEndsWhenTheApplicationEnds()
    {
        EventLoopPause pause;
        QTimer::singleShot(50, [] { QCoreApplication::exit(0); });
        QElapsedTimer elapsed;
        elapsed.start();
        pause.pause(5);
        QVERIFY(elapsed.elapsed() < 4000);
    }

    void settingsKeepEveryScrambledCharacter()
    {
        QTemporaryDir dir;
        QtSettingsStore store(QStringLiteral("velmoor"), dir.path());
        QCOMPARE(store.read(QStringLiteral("Settings"), QStringLiteral("Missing")), QString());
        QString all;
        for (int code = 1; code <= 255; ++code)
            all.append(QChar(code));
        const QString key = QStringLiteral("K|yh{pvu") + QChar(0xE9);
        QVERIFY(store.write(QStringLiteral("Settings"), key, all));
        QVERIFY(store.write(QStringLiteral("Settings"), QStringLiteral("Other"), QStringLiteral("1")));
        QtSettingsStore again(QStringLiteral("velmoor"), dir.path());
        QCOMPARE(again.read(QStringLiteral("Settings"), key), all);
        QCOMPARE(again.fileName(), dir.path() + QStringLiteral("/velmoor/velmoor.conf"));
    }

    void settingsReportAStoreThatCannotBeWritten()
    {
        QTemporaryDir dir;
        QFile blocker(dir.path() + QStringLiteral("/velmoor"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        QtSettingsStore store(QStringLiteral("velmoor"), dir.path());
        QVERIFY(!store.write(QStringLiteral("Settings"), QStringLiteral("a"), QStringLiteral("b")));
    }

    void lockFileLetsOneCopyRun()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/velmoor.lock");
        LockFileInstanceQuery first(path);
        QVERIFY(!first.PrevInstance());
        LockFileInstanceQuery second(path);
        QVERIFY(second.PrevInstance());
    }

    void lockLeftByADeadCopyIsTakenOver()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/velmoor.lock");
        // A lock file naming a process that no longer exists, as a killed copy leaves it.
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(deadPid) + "\nvelmoor\n" + QSysInfo::machineHostName().toUtf8() + '\n');
        stale.close();
        LockFileInstanceQuery next(path);
        QVERIFY(!next.PrevInstance());
    }
};

QTEST_GUILESS_MAIN(TestQtPlatform)
#include "tst_qt_platform.moc"
