#include "platform/fakes.h"
#include "platform/instance_lock.h"
#include "platform/qt_platform.h"

#include <QElapsedTimer>
#include <QSettings>
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
        // Pauses in a row keep their beat, but one that starts well after the last one
        // ended is a whole second again, not shortened to catch up.
        QTest::qWait(200);
        elapsed.restart();
        pause.pause(1);
        QVERIFY2(elapsed.elapsed() >= 1000, qPrintable(QString::number(elapsed.elapsed())));
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

    void settingsLockLeftByACrashDoesNotDelayAWrite()
    {
        QTemporaryDir dir;
        QtSettingsStore store(QStringLiteral("velmoor"), dir.path());
        QVERIFY(store.write(QStringLiteral("Settings"), QStringLiteral("Kept"), QStringLiteral("1")));
        // What a copy killed inside QSettings' write leaves: an empty lock, and the
        // take-over files of earlier attempts.
        for (const char *name :
             {"velmoor.conf.lock", "velmoor.conf.lock.rmlock", "velmoor.conf.lock.rmlock.rmlock"}) {
            QFile leftover(dir.path() + QStringLiteral("/velmoor/") + QLatin1String(name));
            QVERIFY(leftover.open(QIODevice::WriteOnly));
        }
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY(store.write(QStringLiteral("Settings"), QStringLiteral("New"), QStringLiteral("2")));
        QVERIFY2(elapsed.elapsed() < 10000, "waited for a dead lock to age");
        QCOMPARE(store.read(QStringLiteral("Settings"), QStringLiteral("Kept")), QStringLiteral("1"));
        QCOMPARE(QDir(dir.path() + QStringLiteral("/velmoor")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("velmoor.conf")});
    }

    void lockLetsOneCopyRunUntilItsHolderIsGone()
    {
        QTemporaryDir dir;
        const QStringList paths{dir.path() + QStringLiteral("/velmoor.lock")};
        auto first = std::make_unique<LockFileInstanceQuery>(paths);
        QVERIFY(!first->PrevInstance());
        QCOMPARE(first->heldPath(), paths.front());
        LockFileInstanceQuery second(paths);
        QVERIFY(second.PrevInstance());
        QCOMPARE(second.heldPath(), QString());
        first.reset(); // the holder ends: its lock goes with it, the file stays
        QVERIFY(QFile::exists(paths.front()));
        QVERIFY(!LockFileInstanceQuery(paths).PrevInstance());
    }

    void leftoversAtTheLockPathNeverKeepTheUserOut_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("folder");
        QTest::addRow("empty file") << QByteArray() << false;
        QTest::addRow("garbage") << QByteArray("\xff\xfe not a lock\n") << false;
        QTest::addRow("another copy's stale owner") << QByteArray("4242\nvelmoor\nhost\n") << false;
        QTest::addRow("a folder") << QByteArray() << true;
    }

    void leftoversAtTheLockPathNeverKeepTheUserOut()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, folder);
        QTemporaryDir dir;
        const QString first = dir.path() + QStringLiteral("/run/velmoor.lock");
        const QString second = dir.path() + QStringLiteral("/own/velmoor.lock");
        QDir().mkpath(dir.path() + QStringLiteral("/own"));
        if (folder) {
            QDir().mkpath(first);
        } else {
            QDir().mkpath(dir.path() + QStringLiteral("/run"));
            QFile file(first);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        LockFileInstanceQuery copy({first, second});
        QVERIFY(!copy.PrevInstance());
        QCOMPARE(copy.heldPath(), folder ? second : first);
        // ...and the guard still works: the next copy finds the same lock held.
        QVERIFY(LockFileInstanceQuery({first, second}).PrevInstance());
        // With every path blocked the program runs rather than refusing for good.
        QVERIFY(!LockFileInstanceQuery({first + QStringLiteral("/.."), QStringLiteral("/")}).PrevInstance());
    }

#ifdef Q_OS_WIN
    void settingsLiveWhereTheDesktopKeepsThemOnWindows()
    {
        const QString app = QStringLiteral("velmoor-test-%1").arg(QCoreApplication::applicationPid());
        QtSettingsStore store(app);
        QCOMPARE(store.fileName(),
                 QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + app);
        const QString value = QStringLiteral(":8;8;9") + QChar(0xFF);
        QVERIFY(store.write(QStringLiteral("Settings"), QStringLiteral("M~{j}rxw"), value));
        QCOMPARE(QtSettingsStore(app).read(QStringLiteral("Settings"), QStringLiteral("M~{j}rxw")), value);
        QSettings registry(store.fileName(), QSettings::NativeFormat);
        QCOMPARE(registry.value(QStringLiteral("Settings/M~{j}rxw")).toString(), value);
        registry.remove(QString());
    }
#else
    void lockStaysInFoldersOfTheUsersOwn()
    {
        QTemporaryDir dir;
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray cache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.path() + QStringLiteral("/cache")));
        // A folder every user may write to is not a runtime folder, whatever the variable says.
        QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::WriteOther);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
        const QStringList shared = LockFileInstanceQuery::defaultLockPaths(QStringLiteral("velmoor"));
        qunsetenv("XDG_RUNTIME_DIR");
        const QStringList unset = LockFileInstanceQuery::defaultLockPaths(QStringLiteral("velmoor"));
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("XDG_CACHE_HOME", cache);

        const QString own = dir.path() + QStringLiteral("/cache/velmoor");
        QCOMPARE(shared, QStringList{own + QStringLiteral("/velmoor.lock")});
        QCOMPARE(unset, shared);
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                            | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(own) & others, QFile::Permissions());
    }
#endif
};

QTEST_GUILESS_MAIN(TestQtPlatform)
#include "tst_qt_platform.moc"
