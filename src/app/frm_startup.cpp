#include "app/frm_startup.h"

#include "app/promo_draws.h"
#include "platform/desktop_services.h"
#include "site/update_reminder.h"

namespace velmoor {

FrmStartup::FrmStartup(Services &services, const ModHelp &help) : m_services(services), m_help(help)
{
    setObjectName(QStringLiteral("frmStartup"));
    setWindowTitle(kWindowCaption);
    setWindowIcon(applicationIcon(IconSizes::Small)); // a window never shown: IMGIcon(1)'s small sizes
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
        emit refused();
        return;
    }
    m_services.random.Randomize();
    UpdateReminderRun(m_services.settings, m_services.clock, m_services.boxes, m_help).UpdateReminder();
    emit started();
    hide();
    CoBrand_Randomize();
}

void FrmStartup::Form_Unload()
{
    emit closed();
}

void FrmStartup::CoBrand_Randomize()
{
    intCoBrandRandomNumber = coBrandDraw(m_services.random.next());
    if (const std::optional<promo::Offer> offer = offerInFront(intCoBrandRandomNumber))
        emit offerDrawn(*offer);
}

} // namespace velmoor
