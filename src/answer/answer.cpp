#include "answer/answer.h"

#include <cmath>

namespace velmoor {

qint16 drawAnswer(float r)
{
    return static_cast<qint16>(std::floor(2.0 * static_cast<double>(r) + 1.0));
}

void runAnswerSequence(AnswerSequenceView &view, const std::function<bool()> &alive, RandomSource &random,
                       Pause &pause, qint16 &intAnswer)
{
    view.stopTimers();
    intAnswer = drawAnswer(random.next());
    view.setWaitPanelVisible(true);
    for (int dot = 1; dot <= kDotCount; ++dot) {
        view.showDot(dot);
        pause.pause(1);
        if (!alive())
            return;
    }
    view.setWaitPanelVisible(false);
    // intAnswer, not the local draw: a second press during the wait drew last.
    view.presentAnswer(intAnswer);
    view.swapToResult();
}

} // namespace velmoor
