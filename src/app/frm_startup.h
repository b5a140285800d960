#pragma once
// frmStartup: the hidden start-up object. Its load runs the start-up sequence; it keeps
// the application icon and the promotional draw until the program ends.

#include "platform/platform.h"
#include "widgets/form_hooks.h"

#include <QIcon>
#include <QWidget>

namespace velmoor {

class WindowRegistry;

class FrmStartup : public QWidget, public FormHooks {
    Q_OBJECT
public:
    FrmStartup(Services &services, WindowRegistry &registry);

    void Form_Load() override;
    void Form_Unload() override;

    // Which offer the question window shows: one draw per run.
    void CoBrand_Randomize();
    qint16 intCoBrandRandomNumber = 0;

    // IMGIcon, counted from 1 as the windows ask for it.
    static QIcon IMGIcon(int index);

private:
    Services &m_services;
    WindowRegistry &m_registry;
};

} // namespace velmoor
