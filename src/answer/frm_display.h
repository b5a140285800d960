#pragma once
// frmDisplay, the result window: created afresh for each answer, unloaded by Back.

#include "platform/forms.h"
#include "site/mod_help.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class FrmDisplay;
}

namespace velmoor {

class FrmDisplay : public QMainWindow, public FormHooks {
    Q_OBJECT
public:
    FrmDisplay(Services &services, Forms &forms);
    ~FrmDisplay() override;

    // White and "Yes" for 1, black and "No" otherwise.
    void presentAnswer(qint16 answer);
    void Form_Unload() override;

    Ui::FrmDisplay &ui() { return *m_ui; }

private:
    void cmdOK_Click();

    std::unique_ptr<Ui::FrmDisplay> m_ui;
    Forms &m_forms;
    ModHelp m_help;
    bool m_goingBack = false;
};

} // namespace velmoor
