#pragma once
// The heart of the program: a question accepted by the question window (frm_main.h) runs
// the answer sequence below, which draws the answer, stages the "Please Wait" panel and
// hands the answer to the result window (frm_display.h). The sequence drives the windows
// only through AnswerSequenceView, so it runs without widgets in tests.

#include "platform/platform.h"

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

// The whole sequence, stepped by a beat: timers off, draw into intAnswer, panel with the
// first dot; a dot more at each beat; at the beat after the last dot, panel off, answer into
// the result window, windows swapped. Between beats the program handles its events as
// always: the button can be pressed again while the dots appear (a burst of clicks, a held
// key), which starts nothing, and the answer already drawn is the one shown.
class AnswerSequence {
public:
    explicit AnswerSequence(Beat &beat) : m_beat(beat) {}
    ~AnswerSequence() { stop(); }
    AnswerSequence(const AnswerSequence &) = delete;
    AnswerSequence &operator=(const AnswerSequence &) = delete;

    bool running() const { return m_view != nullptr; }
    // Starts the sequence, unless one is running already.
    void start(AnswerSequenceView &view, RandomSource &random, qint16 &intAnswer);
    // Nothing more of a running sequence happens, and its view is not touched again (the
    // window it stands for is closing).
    void stop();

private:
    void tick();

    Beat &m_beat;
    AnswerSequenceView *m_view = nullptr;
    qint16 m_answer = 0;
    int m_dots = 0;
};

} // namespace velmoor
