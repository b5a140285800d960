#include "platform/fakes.h"
#include "platform/instance_lock.h"
#include "platform/qt_platform.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

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

    void theBeatTicksFromTheEventLoopUntilStopped()
    {
        // Started again from its own tick, and stopped from the next: it ticks from the
        // event loop, never inside the call that starts it.
        TimerBeat beat;
        int ticks = 0;
        std::function<void()> tick = [&] {
            if (++ticks == 1)
                beat.start(tick);
            else
                beat.stop();
        };
        beat.start(tick);
        QCOMPARE(ticks, 0);
        QTRY_COMPARE_WITH_TIMEOUT(ticks, 2, 5000);
        QTest::qWait(1100);
        QCOMPARE(ticks, 2);
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

    void guardLetsOneCopyRunUntilItsHolderIsGone()
    {
        const QString name = QStringLiteral("velmoor-test.%1").arg(QCoreApplication::applicationPid());
        auto first = std::make_unique<InstanceGuard>(name);
        QVERIFY(!first->PrevInstance());
        QVERIFY(first->holds());
        // Asked again and again (more often than calls can wait to be answered), the
        // holder is still found.
        for (int i = 0; i < 20; ++i) {
            InstanceGuard another(name);
            QVERIFY(another.PrevInstance());
            QVERIFY(!another.holds());
        }
        QCoreApplication::processEvents(); // the holder hangs up on the callers
        QVERIFY(InstanceGuard(name).PrevInstance());
        first.reset(); // the holder ends: the name goes with it
        InstanceGuard next(name);
        QVERIFY(!next.PrevInstance());
        QVERIFY(next.holds());
    }

    // What would block a read or hold a write up for ever only costs the write.
    void storeNeverWaits_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("writes");
        QTest::addRow("leftover temporary files") << QStringLiteral("temporary") << true;
        QTest::addRow("an empty folder as the lock") << QStringLiteral("empty lock folder") << true;
#ifndef Q_OS_WIN
        QTest::addRow("a pipe as the store") << QStringLiteral("pipe") << false;
        QTest::addRow("a folder with a file as the lock") << QStringLiteral("lock folder") << false;
        if (::geteuid() != 0) // the superuser may change any folder
            QTest::addRow("a lock in a read-only folder") << QStringLiteral("read-only") << false;
#endif
    }

    void storeNeverWaits()
    {
        QFETCH(QString, what);
        QFETCH(bool, writes);
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/velmoor");
        QtSettingsStore store(QStringLiteral("velmoor"), dir.path());
        QVERIFY(store.write(QStringLiteral("Settings"), QStringLiteral("Kept"), QStringLiteral("1")));
        const QString lock = store.fileName() + QStringLiteral(".lock");
        const auto touch = [](const QString &path) { QFile(path).open(QIODevice::WriteOnly); };
        if (what == QStringLiteral("temporary")) {
            touch(store.fileName() + QStringLiteral(".aB3xYz"));
            touch(store.fileName() + QStringLiteral(".Q1w2E3"));
        } else if (what.endsWith(QStringLiteral("lock folder"))) {
            QVERIFY(QDir().mkdir(lock));
            if (what == QStringLiteral("lock folder"))
                touch(lock + QStringLiteral("/inside"));
        }
#ifndef Q_OS_WIN
        else if (what == QStringLiteral("pipe")) {
            QVERIFY(QFile::remove(store.fileName()));
            QCOMPARE(::mkfifo(QFile::encodeName(store.fileName()).constData(), 0600), 0);
        } else if (what == QStringLiteral("read-only")) {
            touch(lock);
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
#endif
        QElapsedTimer elapsed;
        elapsed.start();
        const std::optional<QString> kept = store.read(QStringLiteral("Settings"), QStringLiteral("Kept"));
        QCOMPARE(store.write(QStringLiteral("Settings"), QStringLiteral("New"), QStringLiteral("2")), writes);
        QVERIFY2(elapsed.elapsed() < 5000, "waited");
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Nothing stored is lost; a pipe holds no settings, and is not read.
        QCOMPARE(kept, what == QStringLiteral("pipe") ? std::nullopt : std::optional(QStringLiteral("1")));
        if (writes)
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList{QStringLiteral("velmoor.conf")});
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
#endif
};

QTEST_GUILESS_MAIN(TestQtPlatform)
#include "tst_qt_platform.moc"
