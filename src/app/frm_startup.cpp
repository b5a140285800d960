#include "app/frm_startup.h"

#include "app/promo_draws.h"
#include "app/window_registry.h"
#include "platform/desktop_services.h"
#include "site/update_reminder.h"

namespace velmoor {

FrmStartup::FrmStartup(Services &services, WindowRegistry &registry)
    : m_services(services), m_registry(registry)
{
    setObjectName(QStringLiteral("frmStartup"));
    setWindowTitle(kWindowCaption);
    setWindowIcon(IMGIcon(1));
}

QIcon FrmStartup::IMGIcon(int index)
{
    return index == 1 ? applicationIcon() : QIcon();
}

void FrmStartup::Form_Load()
{
    if (m_services.instance.PrevInstance()) {
        // The other copy's exit screen may stay on top of everything: stand above it.
        m_services.boxes.show(tr("Application is already running"), MsgIcon::Information, MsgButtons::Ok,
                              MsgLayer::AboveAll);
        m_registry.EndProgram();
        return;
    }
    m_services.random.Randomize();
    UpdateReminderRun(m_services.settings, m_services.clock, m_services.boxes, m_registry.help)
        .UpdateReminder();
    m_registry.show(FormId::Main);
    hide();
    CoBrand_Randomize();
}

void FrmStartup::Form_Unload()
{
    m_registry.EndProgram();
}

void FrmStartup::CoBrand_Randomize()
{
    intCoBrandRandomNumber = coBrandDraw(m_services.random.next());
    if (const std::optional<promo::Offer> offer = offerInFront(intCoBrandRandomNumber))
        m_registry.showOffer(*offer);
}

} // namespace velmoor
