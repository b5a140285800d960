#pragma once
// The links and menu commands the question and result windows share.

#include "platform/accessibility.h"
#include "site/frm_about.h"
#include "site/mod_help.h"
#include "site/promo_texts.h"
#include "widgets/click_label.h"

#include <QAction>

namespace velmoor {

template <typename Ui> void connectSiteLinks(QObject *owner, Ui &ui, const ModHelp &help)
{
    const auto link = [&](auto *sender, auto signal, void (ModHelp::*open)() const) {
        QObject::connect(sender, signal, owner, [&help, open] { (help.*open)(); });
    };
    link(ui.mnuOnline, &QAction::triggered, &ModHelp::OpenHelpWebPage);
    link(ui.mnuVisit, &QAction::triggered, &ModHelp::OpenHomePage);
    link(ui.mnuUpdate, &QAction::triggered, &ModHelp::OpenDownloadWebPage);
    link(ui.mnuDonate, &QAction::triggered, &ModHelp::OpenDonatePage);
    link(ui.mkmoney, &QAction::triggered, &ModHelp::OpenFullyBrandedPage);
    link(ui.Label61, &ClickLabel::clicked, &ModHelp::OpenHomePage);
    for (const promo::OfferLink &offer : promo::offers()) {
        auto *label = owner->findChild<ClickLabel *>(QLatin1StringView(offer.label));
        if (!label)
            qFatal("a main window has no label %s for its offer", offer.label);
        link(label, &ClickLabel::clicked, offer.open);
        label->setText(withoutMnemonic(promo::caption(offer)));
    }
    QObject::connect(ui.mnuAbout, &QAction::triggered, owner,
                     [&help, owner] { FrmAbout::showModal(help, qobject_cast<QWidget *>(owner)); });

    // "Make Money Online" stays out of sight; its command is wired all the same.
    ui.mkmoney->setVisible(false);
    ui.Label61->setText(promo::forumStrip());
}

} // namespace velmoor
