#pragma once
// The heart of the program: a question accepted by the question window (frm_main.h) runs
// the answer sequence below, which draws the answer, stages the "Please Wait" panel and
// hands the answer to the result window (frm_display.h). The sequence drives the windows
// only through AnswerSequenceView, so it runs without widgets in tests.

#include "platform/platform.h"

#include <functional>

namespace velmoor {

inline constexpr qint16 kYes = 1;
inline constexpr qint16 kNo = 2;
// The "Please Wait" panel's dots, one a second: the wait lasts as many seconds. The question
// window's dots are named shp1, shp2, ... up to this count.
inline constexpr int kDotCount = 4;

// 1 ("Yes") when r < 0.5, 2 ("No") otherwise.
qint16 drawAnswer(float r);

// What the sequence does to the windows, in the order it does it.
class AnswerSequenceView {
public:
    virtual ~AnswerSequenceView() = default;
    virtual void stopTimers() = 0;
    virtual void setWaitPanelVisible(bool visible) = 0;
    virtual void showDot(int index) = 0; // 1 to kDotCount
    virtual void presentAnswer(qint16 answer) = 0;
    virtual void swapToResult() = 0;
};

// The whole sequence: timers off, draw into intAnswer, panel with one dot a second, panel
// off, answer into the result window, windows swapped. `alive` is asked after every pause:
// once it says false (the question window closed, the program is ending) nothing more of
// the sequence runs and `view` is not touched again.
//
// One at a time: the pauses keep the event loop running, so the button can be pressed again
// while the dots appear (a burst of clicks, a held key). Such a press starts nothing and is
// not kept; the answer already drawn is the one shown. (Each press used to run a whole
// sequence inside the waiting one, and a few hundred of them overflowed the stack.)
class AnswerSequence {
public:
    bool running() const { return m_running; }
    // Runs the sequence, unless one is running already. The object belongs to the window
    // `view` stands for: once `alive` says false, it is not touched again either.
    void run(AnswerSequenceView &view, const std::function<bool()> &alive, RandomSource &random, Pause &pause,
             qint16 &intAnswer);

private:
    bool m_running = false;
};

} // namespace velmoor
