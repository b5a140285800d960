#include "answer/answer.h"

#include <cmath>

namespace velmoor {

qint16 drawAnswer(float r)
{
    return static_cast<qint16>(std::floor(2.0 * static_cast<double>(r) + 1.0));
}

void AnswerSequence::run(AnswerSequenceView &view, const std::function<bool()> &alive, RandomSource &random,
                         Pause &pause, qint16 &intAnswer)
{
    if (m_running)
        return;
    m_running = true;
    view.stopTimers();
    intAnswer = drawAnswer(random.next());
    view.setWaitPanelVisible(true);
    for (int dot = 1; dot <= kDotCount; ++dot) {
        view.showDot(dot);
        pause.pause(1);
        if (!alive())
            return;
    }
    m_running = false;
    view.setWaitPanelVisible(false);
    view.presentAnswer(intAnswer);
    view.swapToResult();
}

} // namespace velmoor
