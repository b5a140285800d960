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
        QTest::addColumn<int>("front"); // the offer in front, -1 for none
        const auto below = [](double x) { return std::nextafter(static_cast<float>(x), 0.0f); };
        QTest::addRow("0") << 0.0f << 1 << int(promo::Offer::CoBrand);
        QTest::addRow("below 1/12") << below(1.0 / 12) << 1 << int(promo::Offer::CoBrand);
        // 0.25 * 6 + 1 = 2.5 exactly: the even neighbour is 2.
        QTest::addRow("0.25 (2.5)") << 0.25f << 2 << int(promo::Offer::FullBrand);
        QTest::addRow("0.5 (4.0)") << 0.5f << 4 << int(promo::Offer::FullBrand);
        QTest::addRow("0.75 (5.5)") << 0.75f << 6 << int(promo::Offer::FullBrand);
        QTest::addRow("below 5/12") << below(5.0 / 12) << 3 << int(promo::Offer::CoBrand);
        QTest::addRow("below 11/12") << below(11.0 / 12) << 6 << int(promo::Offer::FullBrand);
        QTest::addRow("11/12") << std::nextafter(static_cast<float>(11.0 / 12), 1.0f) << 7 << -1;
        QTest::addRow("largest below 1") << below(1.0) << 7 << -1;
    }
    void drawRoundsHalvesToEven()
    {
        QFETCH(float, r);
        QFETCH(int, n);
        QFETCH(int, front);
        QCOMPARE(coBrandDraw(r), n);
        QCOMPARE(int(offerInFront(coBrandDraw(r)).value_or(promo::Offer(-1))), front);
    }

    void eachOfferShowsHalfTheTime()
    {
        int cobrand = 0;
        const int steps = 1 << 16;
        for (int i = 0; i < steps; ++i)
            cobrand += offerInFront(coBrandDraw(float(i) / steps)) != promo::Offer::FullBrand;
        QVERIFY(qAbs(cobrand - steps / 2) <= 4);
    }

    void textsHaveTheirDesignedLengths()
    {
        // The designed lengths hold with the default forum address; another address
        // changes them by its own difference in length.
        const qsizetype extra = qsizetype(qstrlen(pages::kForumAddress)) - 25;
        const int lengths[] = {227, 211, 160, 196};
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(promo::appealText(k).size(), lengths[k] + extra);
            QVERIFY(promo::appealText(k).contains(QLatin1String(pages::kForumAddress)));
            QVERIFY(promo::appealText(k).contains(QLatin1String(" regularly"))
                    && !promo::appealText(k).contains(QLatin1String("weekly")));
            QCOMPARE(appealIndex((k + 0.999f) / 4.0f), k);
        }
        QCOMPARE(appealIndex(0.0f), 0);
        QCOMPARE(promo::familyText().size(), 615);
        QVERIFY(promo::familyText().contains(QString(61, u' ') + QStringLiteral("All programs")));
        QCOMPARE(promo::forumStrip().size(), 115 + extra);
        QCOMPARE(promo::caption(promo::offers()[0]).count(QStringLiteral("&&")), 1);
        for (std::size_t k = 0; k < promo::offers().size(); ++k) // in the order of the enum
            QCOMPARE(int(promo::offers()[k].offer), int(k));
    }
};

QTEST_GUILESS_MAIN(TestPromo)
#include "tst_promo.moc"
