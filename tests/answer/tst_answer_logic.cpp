#include "answer/answer.h"
#include "platform/fakes.h"

#include <QtTest>

using namespace velmoor;
using namespace velmoor::testing;

namespace {
// Records what the sequence does to the windows, as one line per step.
struct RecordingView : AnswerSequenceView {
    QStringList steps;
    void stopTimers() override { steps << QStringLiteral("timers off"); }
    void setWaitPanelVisible(bool visible) override
    {
        steps << (visible ? QStringLiteral("panel on") : QStringLiteral("panel off"));
    }
    void showDot(int index) override { steps << QStringLiteral("dot %1").arg(index); }
    void presentAnswer(qint16 answer) override { steps << QStringLiteral("answer %1").arg(answer); }
    void swapToResult() override { steps << QStringLiteral("swap"); }
};
} // namespace

class TestAnswerLogic : public QObject {
    Q_OBJECT
private slots:
    void drawMapsHalvesToYesAndNo_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("answer");
        QTest::addRow("0") << 0.0f << 1;
        QTest::addRow("0.4999") << 0.4999f << 1;
        QTest::addRow("just below half") << std::nextafter(0.5f, 0.0f) << 1;
        QTest::addRow("0.5") << 0.5f << 2;
        QTest::addRow("0.9999") << 0.9999f << 2;
        QTest::addRow("largest below 1") << std::nextafter(1.0f, 0.0f) << 2;
    }
    void drawMapsHalvesToYesAndNo()
    {
        QFETCH(float, r);
        QFETCH(int, answer);
        QCOMPARE(drawAnswer(r), answer);
    }

    void sequenceRunsItsStepsInOrder()
    {
        RecordingView view;
        FakeRandom random;
        random.script = {0.7f};
        FakeBeat beat;
        QStringList atPauses;
        beat.during = [&](int) { atPauses << view.steps.last(); };
        qint16 intAnswer = 0;

        AnswerSequence sequence(beat);
        sequence.start(view, random, intAnswer);
        QCOMPARE(view.steps.last(), QStringLiteral("dot 1")); // the first dot at once
        beat.finish();

        QCOMPARE(intAnswer, kNo);
        QStringList dots;
        for (int dot = 1; dot <= kDotCount; ++dot)
            dots << QStringLiteral("dot %1").arg(dot);
        QCOMPARE(view.steps, QStringList({"timers off", "panel on"}) + dots
                                 + QStringList({"panel off", "answer 2", "swap"}));
        // One second after each dot, the fourth included.
        QCOMPARE(atPauses, dots);
        QCOMPARE(random.randomized, 0); // the draw never reseeds
    }

    void pressesDuringTheWaitStartNothing()
    {
        RecordingView view;
        FakeRandom random;
        random.script = {0.1f, 0.9f};
        FakeBeat beat;
        qint16 intAnswer = 0;
        AnswerSequence sequence(beat);
        beat.during = [&](int) {
            QVERIFY(sequence.running());
            sequence.start(view, random, intAnswer);
        };
        sequence.start(view, random, intAnswer);
        beat.finish();
        QCOMPARE(intAnswer, kYes);
        QCOMPARE(beat.calls, kDotCount);
        QCOMPARE(beat.starts, 1);
        QCOMPARE(view.steps.filter(QStringLiteral("answer")), QStringList({"answer 1"}));
        QCOMPARE(view.steps.filter(QStringLiteral("swap")).size(), 1);
        QVERIFY(!sequence.running()); // and the next press is answered again
    }

    void sequenceStopsOnceItsWindowIsGone()
    {
        RecordingView view;
        FakeRandom random;
        FakeBeat beat;
        qint16 intAnswer = 0;
        AnswerSequence sequence(beat);
        beat.during = [&](int call) {
            if (call == 2)
                sequence.stop();
        };
        sequence.start(view, random, intAnswer);
        beat.finish();
        QCOMPARE(view.steps.last(), QStringLiteral("dot 2"));
        QCOMPARE(beat.calls, 2);
        QVERIFY(!sequence.running());
    }
};

QTEST_GUILESS_MAIN(TestAnswerLogic)
#include "tst_answer_logic.moc"
