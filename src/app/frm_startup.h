#pragma once
// frmStartup: the hidden start-up object. Its load runs the start-up sequence and says how
// it went (signals); it keeps the application icon and the promotional draw until the
// program ends.

#include "platform/platform.h"
#include "site/mod_help.h"
#include "site/promo_texts.h"
#include "widgets/form_hooks.h"

#include <QIcon>
#include <QWidget>

namespace velmoor {

class FrmStartup : public QWidget, public FormHooks {
    Q_OBJECT
public:
    // `help` opens the download page the update reminder offers.
    FrmStartup(Services &services, const ModHelp &help);

    void Form_Load() override;
    void Form_Unload() override;

    // IMGIcon, counted from 1 as the windows ask for it.
    static QIcon IMGIcon(int index);

signals:
    // Another copy runs: the user was told, and this one is to end.
    void refused();
    // The checks are done: the question window is to show.
    void started();
    // The promotional draw: the question window shows this offer in front.
    void offerDrawn(promo::Offer offer);
    // The start-up object was unloaded: the program is to end.
    void closed();

private:
    // Which offer the question window shows: one draw per run.
    void CoBrand_Randomize();

    Services &m_services;
    const ModHelp &m_help;
    qint16 intCoBrandRandomNumber = 0;
};

} // namespace velmoor
