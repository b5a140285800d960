#include "app/promo_draws.h"
#include "site/mod_help.h"

#include <QtTest>

using namespace velmoor;

class TestPromo : public QObject {
    Q_OBJECT
private slots:
    void drawRoundsHalvesToEven_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("n");
        const auto below = [](double x) { return std::nextafter(static_cast<float>(x), 0.0f); };
        QTest::addRow("0") << 0.0f << 1;
        QTest::addRow("below 1/12") << below(1.0 / 12) << 1;
        // 0.25 * 6 + 1 = 2.5 exactly: the even neighbour is 2.
        QTest::addRow("0.25 (2.5)") << 0.25f << 2;
        QTest::addRow("0.5 (4.0)") << 0.5f << 4;
        QTest::addRow("0.75 (5.5)") << 0.75f << 6;
        QTest::addRow("below 5/12") << below(5.0 / 12) << 3;
        QTest::addRow("below 11/12") << below(11.0 / 12) << 6;
        QTest::addRow("11/12") << std::nextafter(static_cast<float>(11.0 / 12), 1.0f) << 7;
        QTest::addRow("largest below 1") << below(1.0) << 7;
    }
    void drawRoundsHalvesToEven()
    {
        QFETCH(float, r);
        QFETCH(int, n);
        QCOMPARE(coBrandDraw(r), n);
    }

    void drawsOneToSixNameTheOffersInTurn()
    {
        // 1 and 7 come a twelfth of the time each, 2 to 6 a sixth each.
        std::array<int, 8> seen{};
        const int steps = 12 << 12;
        for (int i = 0; i < steps; ++i)
            ++seen.at(std::size_t(coBrandDraw(float(i) / steps)));
        for (std::size_t n = 1; n <= 7; ++n)
            QVERIFY2(qAbs(seen[n] - steps / (n == 1 || n == 7 ? 12 : 6)) <= 2,
                     qPrintable(QString::number(n)));
        const auto &offers = promo::offers();
        for (qint16 n = 1; n <= 6; ++n)
            QCOMPARE(int(offerInFront(n).value()), int(offers[std::size_t(n - 1) % offers.size()].offer));
        QVERIFY(!offerInFront(7) && !offerInFront(0));
    }

    void textsAreTheDesignedOnes()
    {
        // Written out in full: a changed word or a lost double space is seen here, and the
        // texts are what the translations are made from.
        const QString forum = QLatin1String(pages::kForumAddress);
        const QStringList appeals{
            QStringLiteral(
                "Programs like this one can only be made and kept up with your support. The best way "
                "to support us is to visit our forum at %1 regularly, and take part in the "
                "discussions and other activities on the board.")
                .arg(forum),
            QStringLiteral("Please visit our forum at %1 regularly, and support it by taking part in the "
                           "discussions and other activities. These programs cannot be supported and kept up "
                           "unless you visit it regularly.")
                .arg(forum),
            QStringLiteral(
                "%1 is a free online discussion forum about divination and fate. To help us develop "
                "and maintain this software, please visit it regularly.")
                .arg(forum),
            QStringLiteral(
                "Your forum at %1 needs your help: please visit it regularly and take part in its "
                "discussions and activities, so that we can maintain and develop more programs like "
                "this one.")
                .arg(forum),
        };
        for (int k = 0; k < promo::kAppealCount; ++k) {
            QCOMPARE(promo::appealText(k), appeals.at(k));
            QCOMPARE(appealIndex((k + 0.999f) / promo::kAppealCount), k);
        }
        QCOMPARE(appealIndex(0.0f), 0);
        const QString family = promo::familyText();
        QVERIFY(family.startsWith(QLatin1String("If you enjoyed this program, you will surely like our other "
                                                "programs of the same family as well.")));
        QVERIFY(family.contains(QLatin1String("along the way, from love and work to health, money, luck and "
                                              "fortune.")
                                + QString(61, u' ') + QLatin1String("All programs of the family")));
        QVERIFY(family.endsWith(QLatin1String("and so will we all.")));
        QCOMPARE(promo::forumStrip(),
                 QStringLiteral("The most popular divination forum online, best resource for all divination. "
                                "Visit it now: %1")
                     .arg(forum));
        QCOMPARE(promo::caption(promo::offers()[0]),
                 QLatin1String("Co-brand this software for your site.  Increase loyalty and traffic to your "
                               "site. Put your site's name &&  link here. See \"Help\" for details.    Click "
                               "Here for more info on co-branding."));
        for (std::size_t k = 0; k < promo::offers().size(); ++k) // in the order of the enum
            QCOMPARE(int(promo::offers()[k].offer), int(k));
    }
};

QTEST_GUILESS_MAIN(TestPromo)
#include "tst_promo.moc"
