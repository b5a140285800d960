#include "answer/answer.h"

#include <cmath>

namespace velmoor {

qint16 drawAnswer(float r)
{
    return static_cast<qint16>(std::floor(2.0 * static_cast<double>(r) + 1.0));
}

void AnswerSequence::start(AnswerSequenceView &view, RandomSource &random, qint16 &intAnswer)
{
    if (running())
        return;
    m_view = &view;
    view.stopTimers();
    m_answer = intAnswer = drawAnswer(random.next());
    view.setWaitPanelVisible(true);
    view.showDot(m_dots = 1);
    m_beat.start([this] { tick(); });
}

void AnswerSequence::stop()
{
    if (running())
        m_beat.stop();
    m_view = nullptr;
}

void AnswerSequence::tick()
{
    AnswerSequenceView &view = *m_view;
    if (m_dots < kDotCount) {
        view.showDot(++m_dots);
        return;
    }
    stop();
    view.setWaitPanelVisible(false);
    view.presentAnswer(m_answer);
    view.swapToResult();
}

} // namespace velmoor
