#include "app/frm_exit_screen.h"

#include "app/frm_startup.h"
#include "app/promo_draws.h"
#include "platform/accessibility.h"
#include "platform/desktop_services.h"
#include "referral/referral_panel.h"
#include "ui_frm_exit_screen.h"
#include "widgets/click_label.h"
#include "widgets/look.h"

namespace velmoor {

namespace {
// The forum's check box stands on the window's own light background: white with a black
// tick, as the design draws it, it reads as unticked on a dark desktop too, whose base
// colour made it a black square that looked ticked. Set again whenever the style sheet
// gives the box the desktop's colours back (at its polish, and when the desktop's change).
class LightBox : public QObject {
public:
    explicit LightBox(QWidget &box) : QObject(&box)
    {
        light(box);
        box.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish || event->type() == QEvent::PaletteChange)
            light(*static_cast<QWidget *>(watched));
        return false;
    }

private:
    static void light(QWidget &box)
    {
        QPalette palette = box.palette();
        if (palette.color(QPalette::Base) == look::kWhite && palette.color(QPalette::Text) == look::kBlack)
            return;
        palette.setColor(QPalette::Base, look::kWhite);
        palette.setColor(QPalette::Text, look::kBlack);
        box.setPalette(palette);
    }
};
} // namespace

FrmExitScreen::FrmExitScreen(Services &services, const ModHelp &help, ModTellAFriend &referral)
    : m_ui(std::make_unique<Ui::FrmExitScreen>()), m_services(services), m_help(help)
{
    m_ui->setupUi(this);
    resolveSheetColours(*this);
    setFont(formFont());
    fixClientSize(*this, {741, 315});
    m_ui->Check1->setText(tr("Visit %1 now").arg(forumAddress()));
    // A check box only in looks: each tick opens the forum.
    markAsLink(*m_ui->Check1, tr("Opens the forum in your browser"));
    if (!look::usingSystemColours())
        new LightBox(*m_ui->Check1);
    markAsWindow(*this);
    m_ui->Label3->setText(promo::familyText(layoutDirection()));
    // Bold underlined Verdana 9 pt, drawn a little tighter: the face that stands in for
    // Verdana here runs wider, and the whole line must fit the frame.
    QFont link = boldFormFont(9, true);
    link.setLetterSpacing(QFont::PercentageSpacing, 94);
    m_ui->lblGoToHome->setFont(link);
    m_referral = std::make_unique<ReferralPanel>(
        ReferralPanel::Fields{m_ui->txtName, m_ui->txtEmail, m_ui->txtFriendName, m_ui->txtFriendEmail,
                              m_ui->txtMessage, m_ui->cmdSubmit},
        referral, services.boxes);

    connect(m_ui->cmdClose, &QPushButton::clicked, this, &FrmExitScreen::exitRequested);
    connect(m_ui->Check1, &QCheckBox::clicked, this, &FrmExitScreen::Check1_Click);
    connect(m_ui->lblGoToHome, &ClickLabel::clicked, this, [this] { m_help.OpenQuennetSoftwaresPage(); });
    m_ui->cmdClose->setFocus();
}

FrmExitScreen::~FrmExitScreen() = default;

void FrmExitScreen::Form_Load()
{
    setWindowTitle(kWindowCaption);
    m_ui->lblExitCaption->setText(kWindowCaption);
    m_ui->lblExitCaption->adjustSize();
    const QIcon icon = FrmStartup::IMGIcon(1);
    setWindowIcon(icon);
    m_ui->picExitIcon->setPixmap(icon.pixmap(QSize(32, 32), devicePixelRatioF()));
    m_services.random.Randomize();
    m_ui->Label2->setText(promo::appealText(appealIndex(m_services.random.next())));
    // Said when the screen arrives, focused or not: what this window is, and that the
    // program still runs.
    markAsAnnouncement(*m_ui->Label2, m_ui->Label2->text());
    // Loaded to be hidden (at the first answer), it must not be mapped at all: a window
    // manager that handles the map after the unmap keeps it on screen, over the answer.
    // The registry shows it when it is asked to.
    makeTopmostWithoutActivating(*this);
}

void FrmExitScreen::Form_Unload()
{
    emit exitRequested();
}

void FrmExitScreen::Check1_Click()
{
    // A check box that works as a link: each tick opens the forum and is taken back.
    if (m_ui->Check1->isChecked()) {
        m_ui->Check1->setChecked(false);
        m_help.OpenHomePage();
    }
}

} // namespace velmoor
