#include "site/frm_about.h"

#include "platform/click_label.h"
#include "platform/desktop_services.h"
#include "platform/look.h"
#include "ui_frm_about.h"

#include <QPointer>

namespace velmoor {

FrmAbout::FrmAbout(const ModHelp &help, QWidget *opener)
    : QDialog(opener), m_ui(std::make_unique<Ui::FrmAbout>())
{
    m_ui->setupUi(this);
    resolveSheetColours(*this);
    setWindowTitle(kWindowCaption);
    m_ui->Label2->setText(kWindowCaption);
    // A utility window: it keeps out of the task bar.
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setFont(formFont());
    setWindowIcon(applicationIcon());
    fixClientSize(*this, {401, 273});

    m_ui->picIcon->setPixmap(applicationIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    m_ui->Label1->setText(description());
    m_ui->lblHomePage->setText(homePageInvitation());
    for (QLabel *label : std::initializer_list<QLabel *>{m_ui->Label2, m_ui->lblCobrand, m_ui->lblHomePage})
        label->adjustSize();

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->lblCobrand, &ClickLabel::clicked, this, [&help] { help.OpenFullyBrandedPage(); });
    connect(m_ui->lblHomePage, &ClickLabel::clicked, this, [&help] { help.OpenHomePage(); });
    m_ui->cmdOK->setFocus();
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::showModal(const ModHelp &help, QWidget *opener)
{
    // On the heap: should its opener go while it is open, the opener takes it along.
    const QPointer<FrmAbout> about = new FrmAbout(help, opener);
    about->exec();
    delete about.data();
}

QString FrmAbout::description()
{
    return QStringLiteral(
        "Velmoor is a simple divination tool that can be used to solve your simple problems in "
        "life. Questions that can only be answered in yes / no form will have the most accurate "
        "results. All rights to this software are held by its publisher, Quennet Softwares.");
}

QString FrmAbout::homePageInvitation()
{
    return QStringLiteral("Visit us at ") + forumAddress();
}

} // namespace velmoor
