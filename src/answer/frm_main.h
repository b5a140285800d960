#pragma once
// frmMain, the question window.

#include "answer/answer.h"
#include "site/mod_help.h"
#include "site/promo_texts.h"
#include "widgets/form_hooks.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>

namespace Ui {
class FrmMain;
}

namespace velmoor {

class FrmMain : public QMainWindow, public FormHooks, private AnswerSequenceView {
    Q_OBJECT
public:
    FrmMain(Services &services, qint16 &intAnswer);
    ~FrmMain() override;

    void Form_Unload() override;

    // Shows this offer in the bottom strip, in front of the others.
    void showOffer(promo::Offer offer);
    // Back from the result window: squares blinking again, wait panel emptied.
    void resumeAsking();

signals:
    // The wait is over: the answer is to be shown in its own window.
    void answered(qint16 answer);
    // The window was closed (its closing behaviour ran).
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paint();
    void preparePanel();
    void cmdNext_Click();
    bool ValidateQuestion();
    void Timer1_Timer();
    void Timer2_Timer();

    void stopTimers() override;
    void setWaitPanelVisible(bool visible) override;
    void showDot(int index) override;
    void presentAnswer(qint16 answer) override;
    void swapToResult() override;

    std::unique_ptr<Ui::FrmMain> m_ui;
    // The blinking squares: Timer1 shows them, Timer2 hides them.
    QTimer Timer1{this};
    QTimer Timer2{this};
    Services &m_services;
    qint16 &m_intAnswer;
    qint16 m_answer = 0;
    ModHelp m_help;
    AnswerSequence m_sequence;
    std::array<QWidget *, kDotCount> m_dots{};
};

} // namespace velmoor
