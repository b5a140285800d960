#pragma once
// frmDisplay, the result window: created afresh for each answer, unloaded by Back.

#include "site/mod_help.h"
#include "widgets/form_hooks.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class FrmDisplay;
}

namespace velmoor {

class FrmDisplay : public QMainWindow, public FormHooks {
    Q_OBJECT
public:
    explicit FrmDisplay(Services &services);
    ~FrmDisplay() override;

    // White and "Yes" for 1, black and "No" otherwise.
    void presentAnswer(qint16 answer);
    void Form_Unload() override;

signals:
    // Back: the question again.
    void backRequested();
    // Closed any other way (its closing behaviour ran).
    void closed();

private:
    void cmdOK_Click();

    std::unique_ptr<Ui::FrmDisplay> m_ui;
    ModHelp m_help;
    bool m_goingBack = false;
};

} // namespace velmoor
