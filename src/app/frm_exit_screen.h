#pragma once
// frmExitScreen: shown topmost when a main window closes; its E&xit ends the program.

#include "platform/platform.h"
#include "widgets/form_hooks.h"

#include <QWidget>

#include <array>
#include <memory>

namespace Ui {
class FrmExitScreen;
}

namespace velmoor {

class ReferralPanel;
class WindowRegistry;

class FrmExitScreen : public QWidget, public FormHooks {
    Q_OBJECT
public:
    FrmExitScreen(Services &services, WindowRegistry &registry);
    ~FrmExitScreen() override;

    void Form_Load() override;
    void Form_Unload() override;

    Ui::FrmExitScreen &ui() { return *m_ui; }

private:
    void Check1_Click();

    std::unique_ptr<Ui::FrmExitScreen> m_ui;
    Services &m_services;
    WindowRegistry &m_registry;
    std::unique_ptr<ReferralPanel> m_referral;
};

} // namespace velmoor
