#include "site/frm_about.h"

#include "platform/desktop_services.h"
#include "ui_frm_about.h"
#include "widgets/click_label.h"
#include "widgets/look.h"

#include <QPointer>

#include <algorithm>

namespace velmoor {

FrmAbout::FrmAbout(const ModHelp &help, QWidget *opener)
    : QDialog(opener), m_ui(std::make_unique<Ui::FrmAbout>())
{
    m_ui->setupUi(this);
    resolveSheetColours(*this);
    setWindowTitle(kWindowCaption);
    m_ui->Label2->setText(kWindowCaption);
    // A dialog owned by its opener, which keeps it out of the task bar on Windows (a tool
    // window would, too, but Windows shows one without activating it: the keys would stay
    // with the window behind).
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
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
    // Where the face that stands in for Verdana runs wider (Wine's), the description needs a
    // fifth line: it grows down into the gap above the links rather than lose its first and
    // last lines.
    QLabel &description = *m_ui->Label1;
    const int needed = description.heightForWidth(description.width());
    if (needed > description.height())
        description.resize(description.width(), std::min(needed, m_ui->lblHomePage->y() - description.y()));

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
    return tr("Velmoor is a simple divination tool that can be used to solve your simple problems in "
              "life. Questions that can only be answered in yes / no form will have the most accurate "
              "results. All rights to this software are held by its publisher, Quennet Softwares.");
}

QString FrmAbout::homePageInvitation()
{
    return tr("Visit us at %1").arg(forumAddress());
}

} // namespace velmoor
