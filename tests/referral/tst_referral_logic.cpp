#include "platform/fakes.h"
#include "referral/mod_tell_a_friend.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

Q_DECLARE_METATYPE(velmoor::ReferralFields)

using namespace velmoor;
using namespace velmoor::testing;

namespace {
ReferralFields untouched()
{
    return {prompts::name(), prompts::email(), prompts::messageInitial(), prompts::friendName(),
            prompts::friendEmail()};
}

#ifdef PYTHON3
// What a server's standard query parser makes of an address: Python's parse_qs.
QJsonObject parseQuery(const QString &address)
{
    QProcess python;
    python.start(
        QStringLiteral(PYTHON3),
        {QStringLiteral("-c"),
         QStringLiteral("import sys, json, urllib.parse as u\n"
                        "q = u.urlsplit(sys.stdin.read()).query\n"
                        "print(json.dumps(u.parse_qs(q, keep_blank_values=True, strict_parsing=True)))")});
    python.write(address.toUtf8());
    python.closeWriteChannel();
    if (!python.waitForFinished(20000) || python.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}
#else
// Cross-built, the test cannot start the build machine's parser: it leaves the address and
// the values it must give for the host to check afterwards (check_queries.py).
void leaveForTheHost(const QString &address, const QJsonObject &expected)
{
    QFile file(qEnvironmentVariable("VELMOOR_QUERY_CHECKS", QStringLiteral("queries.jsonl")));
    if (file.open(QIODevice::Append)) {
        const QJsonObject line{{QStringLiteral("address"), address}, {QStringLiteral("expected"), expected}};
        file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    }
}
#endif
} // namespace

class TestReferralLogic : public QObject {
    Q_OBJECT
private slots:
    void checksRunInOrderWithOneMessage_data()
    {
        QTest::addColumn<ReferralFields>("fields");
        QTest::addColumn<QString>("message"); // "" when the page opens
        const auto with = [](auto change) {
            ReferralFields f = untouched();
            change(f);
            return f;
        };
        const auto proper = [](ReferralFields &f) {
            f.email = QStringLiteral("me@home.example");
            f.friendEmail = QStringLiteral("you@work.example");
        };
        QTest::addRow("all untouched") << untouched() << "Please Enter Proper Email Address";
        QTest::addRow("same address wins over all")
            << with([](ReferralFields &f) { f.email = f.friendEmail = QStringLiteral("x"); })
            << "Please Enter Distinct Email Addresses";
        QTest::addRow("same address, other capitals") << with([](ReferralFields &f) {
            f.email = QStringLiteral("A@b.c");
            f.friendEmail = QStringLiteral("a@b.c");
        }) << "Please Enter Your Name";
        QTest::addRow("no dot") << with([&](ReferralFields &f) {
            proper(f);
            f.friendEmail = QStringLiteral("you@work");
        }) << "Please Enter Proper Email Address";
        QTest::addRow("dot before the at sign passes") << with([&](ReferralFields &f) {
            proper(f);
            f.email = QStringLiteral("me.x@home");
        }) << "Please Enter Your Name";
        QTest::addRow("name untouched") << with(proper) << "Please Enter Your Name";
        QTest::addRow("name blank") << with([&](ReferralFields &f) {
            proper(f);
            f.name = QStringLiteral("   ");
        }) << "Please Enter Your Name";
        QTest::addRow("message emptied") << with([&](ReferralFields &f) {
            proper(f);
            f.name = QStringLiteral("Ann");
            f.message = prompts::message();
        }) << "Please Enter Your Message";
        QTest::addRow("friend untouched") << with([&](ReferralFields &f) {
            proper(f);
            f.name = QStringLiteral("Ann");
        }) << "Please Enter Your Friend's Name";
        QTest::addRow("sent with the message untouched") << with([&](ReferralFields &f) {
            proper(f);
            f.name = QStringLiteral("Ann");
            f.friendName = QStringLiteral("Bob");
        }) << "";
    }
    void checksRunInOrderWithOneMessage()
    {
        QFETCH(ReferralFields, fields);
        QFETCH(QString, message);
        FakePlatform p;
        const ModHelp help(p.opener);
        ModTellAFriend module(help, p.boxes);
        module.cmdSubmit_Click(fields);
        QCOMPARE(p.boxes.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        for (const auto &shown : p.boxes.shown)
            QCOMPARE(int(shown.icon), int(MsgIcon::Critical));
        QCOMPARE(p.opener.opened.size(), message.isEmpty() ? 1 : 0);
        if (message.isEmpty()) {
            module.cmdSubmit_Click(fields); // another press sends it again
            QCOMPARE(p.opener.opened.size(), 2);
            QCOMPARE(p.opener.opened[0], p.opener.opened[1]);
        }
    }

    void trickyValuesReachTheSiteIntact_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addRow("ampersand and equals") << "Ann & Bob=1" << prompts::messageInitial();
        QTest::addRow("override attempt") << "x&taf5=someone@else.example"
                                          << "#frag +plus %25";
        QTest::addRow("line breaks and tabs") << "  Ann\tB  "
                                              << "line 1\r\nline 2\r\n";
        QTest::addRow("non-Latin letters")
            << QStringLiteral("Zoë 李 Ωmega") << QStringLiteral("Привет 🙂");
        QTest::addRow("long message") << "Ann" << QString(10000, u'm');
    }
    void trickyValuesReachTheSiteIntact()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        FakePlatform p;
        const ModHelp help(p.opener);
        ModTellAFriend module(help, p.boxes);
        module.cmdSubmit_Click({name, QStringLiteral(" me@home.example "), message,
                                QStringLiteral("Bob O'Neil"), QStringLiteral("you+1@work.example")});
        QCOMPARE(p.boxes.texts(), QStringList());
        QCOMPARE(p.opener.opened.size(), 1);
        const QString address = p.opener.opened.first();
        QVERIFY(address.startsWith(QLatin1String(pages::kReferral) + u'&'));

        const QJsonObject expected{{"page", "tovr-refer-a-friend"},
                                   {"taf1", trimSpaces(name)},
                                   {"taf2", "me@home.example"},
                                   {"taf3", trimSpaces(message)},
                                   {"taf4", "Bob O'Neil"},
                                   {"taf5", "you+1@work.example"},
                                   {"taf6", QLatin1String(pages::kProductPage)}};
#ifdef PYTHON3
        const QJsonObject query = parseQuery(address);
        QCOMPARE(query.keys(), expected.keys());
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QCOMPARE(query.value(it.key()).toArray(), QJsonArray{it.value()});
#else
        leaveForTheHost(address, expected);
#endif
    }

    void anAddressTooLongForTheBrowserIsRefusedWhole()
    {
        FakePlatform p;
        const ModHelp help(p.opener);
        ModTellAFriend module(help, p.boxes);
        ReferralFields fields{QStringLiteral("Ann"), QStringLiteral("me@home.example"), QStringLiteral("m"),
                              QStringLiteral("Bob"), QStringLiteral("you@work.example")};
        module.cmdSubmit_Click(fields);
        const qsizetype room = kMaxReferralAddress - p.opener.opened.takeFirst().size();
        fields.message = QString(room + 1, u'm');
        module.cmdSubmit_Click(fields);
        QCOMPARE(p.opener.opened.size(), 1);
        QCOMPARE(p.opener.opened.first().size(), kMaxReferralAddress);

        fields.message += u'm';
        module.cmdSubmit_Click(fields);
        // Non-Latin text grows ninefold once encoded: far fewer letters fit.
        fields.message = QString(kMaxReferralAddress / 9, QChar(0x674E));
        module.cmdSubmit_Click(fields);
        QCOMPARE(p.opener.opened.size(), 1);
        QCOMPARE(p.boxes.texts().size(), 2);
        QCOMPARE(p.boxes.texts().first(), referralTooLong(kMaxReferralAddress + 1));
        // The numbers as the user's formats write them ("32,000", "32.000", "32 000").
        QVERIFY(p.boxes.texts().first().contains(
            QStringLiteral("at most %1 characters").arg(QLocale().toString(32000))));
        QCOMPARE(module.strReferralURL, p.opener.opened.first()); // the last one sent
    }

    void promptRulesTrimOnlySpaces()
    {
        QCOMPARE(trimSpaces(QStringLiteral("  a b \t ")), QStringLiteral("a b \t"));
        QCOMPARE(contentOnEntry(QStringLiteral("  Your Name "), prompts::name()), QString());
        QCOMPARE(contentOnEntry(QStringLiteral("your name"), prompts::name()), std::nullopt);
        QCOMPARE(contentOnEntry(prompts::messageInitial(), prompts::message()), std::nullopt);
        QCOMPARE(contentOnLeave(QStringLiteral("   "), prompts::email()), prompts::email());
        QCOMPARE(contentOnLeave(QStringLiteral(" Ann "), prompts::name()), std::nullopt);
        QCOMPARE(contentOnLeave(QStringLiteral("\t"), prompts::name()), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestReferralLogic)
#include "tst_referral_logic.moc"
