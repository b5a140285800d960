#pragma once
// frmExitScreen: shown topmost when a main window closes; its E&xit and its close box ask
// for the program's end.

#include "platform/platform.h"
#include "referral/mod_tell_a_friend.h"
#include "site/mod_help.h"
#include "widgets/form_hooks.h"

#include <QWidget>

#include <array>
#include <memory>

namespace Ui {
class FrmExitScreen;
}

namespace velmoor {

class ReferralPanel;

class FrmExitScreen : public QWidget, public FormHooks {
    Q_OBJECT
public:
    // `help` opens the site's pages, `referral` sends the refer-a-friend form.
    FrmExitScreen(Services &services, const ModHelp &help, ModTellAFriend &referral);
    ~FrmExitScreen() override;

    void Form_Load() override;
    void Form_Unload() override;

signals:
    // E&xit was pressed, or the screen closed: the program is to end.
    void exitRequested();

private:
    void Check1_Click();

    std::unique_ptr<Ui::FrmExitScreen> m_ui;
    Services &m_services;
    const ModHelp &m_help;
    std::unique_ptr<ReferralPanel> m_referral;
};

} // namespace velmoor
