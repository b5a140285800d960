#include "answer/frm_display.h"

#include "answer/answer.h"
#include "answer/site_links.h"
#include "platform/accessibility.h"
#include "platform/desktop_services.h"
#include "ui_frm_display.h"
#include "widgets/look.h"

#include <QShortcut>

namespace velmoor {

FrmDisplay::FrmDisplay(Services &services) : m_ui(std::make_unique<Ui::FrmDisplay>()), m_help(services.opener)
{
    m_ui->setupUi(this);
    resolveSheetColours(*this);
    setWindowTitle(kWindowCaption);
    setFont(formFont());
    setWindowIcon(applicationIcon());
    fixClientSize(*this, {578, 378});
    m_ui->Label2->adjustSize();

    connectSiteLinks(this, *m_ui, m_help);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &FrmDisplay::cmdOK_Click);
    connect(m_ui->mnuFileBack, &QAction::triggered, this, &FrmDisplay::cmdOK_Click);
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->mnuExit, &QAction::triggered, this, &QWidget::close);
    // "Exit" is the window's cancel button.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, m_ui->cmdExit, &QPushButton::click);
    m_ui->cmdOK->setFocus();
}

FrmDisplay::~FrmDisplay() = default;

void FrmDisplay::presentAnswer(qint16 answer)
{
    const bool yes = answer == kYes;
    m_ui->picResult->setStyleSheet(
        QStringLiteral("background: %1;").arg(look::css(yes ? look::kWhite : look::kBlack)));
    m_ui->lblAnswer->setText(yes ? tr("Yes") : tr("No"));
    m_ui->picResult->setAccessibleName(yes ? tr("Yes: white square") : tr("No: black square"));
    // Spoken as the window appears (a screen reader would otherwise say only "Back"), as a
    // sentence of its own: the heading above the answer may end in a colon, which a screen
    // reader reads out.
    markAsAnnouncement(*m_ui->lblAnswer,
                       tr("Answer Is %1", "spoken as the answer appears").arg(m_ui->lblAnswer->text()));
    m_ui->lblAnswer->adjustSize(); // grows to the right; the left edge stays
}

void FrmDisplay::Form_Unload()
{
    // Going back is not closing: it must not bring up the exit screen, not even for the
    // moment before Back hides it (the window manager would hand it the focus).
    if (!m_goingBack)
        emit closed();
}

void FrmDisplay::cmdOK_Click()
{
    m_goingBack = true;
    emit backRequested();
}

} // namespace velmoor
