#include "app/frm_exit_screen.h"

#include "app/frm_startup.h"
#include "app/window_registry.h"
#include "platform/gui_platform.h"
#include "referral/referral_panel.h"
#include "ui_frm_exit_screen.h"

namespace velmoor {

namespace {
QString forum()
{
    return QString::fromLatin1(pages::kForumAddress);
}
} // namespace

QString appealText(int index)
{
    switch (index) {
    case 0:
        return QStringLiteral("Programs like this one can only be made and kept up with your "
                              "support. The best way to support us is to visit our forum at ")
            + forum()
            + QStringLiteral(" regularly, and take part in the discussions and other activities "
                             "on the board.");
    case 1:
        return QStringLiteral("Please visit our forum at ") + forum()
            + QStringLiteral(" regularly and support it by taking part in the discussions and "
                             "other activities. These programs cannot be supported and kept up "
                             "without you visiting it weekly.");
    case 2:
        return forum()
            + QStringLiteral(" is a free online discussion forum about divination and fate. To "
                             "help us develop and maintain this software, please visit it "
                             "regularly.");
    default:
        return QStringLiteral("Your forum at ") + forum()
            + QStringLiteral(" needs your help: please visit it regularly and take part in its "
                             "discussions and activities, so that we can maintain and develop "
                             "more programs like this one.");
    }
}

int appealIndex(float r)
{
    return static_cast<int>(static_cast<double>(r) * 4.0);
}

QString familyText()
{
    return QStringLiteral(
               "If you enjoyed this program, you will surely like our other programs of the "
               "same family as well. The family covers astrology, psychic, tarot, numerology and "
               "occult subjects, with a program for every curious mind and for every question "
               "that life may bring along the way, from love and work to health, money, luck "
               "and fortune.")
        + QString(61, u' ')
        + QStringLiteral("All programs of the family are simple, fun and informative, and each of "
                         "them is as easy to use as this one. Try them all today, and share the "
                         "experience with your friends and family: they will thank you for it, "
                         "and so will we all.");
}

FrmExitScreen::FrmExitScreen(Services &services, WindowRegistry &registry)
    : m_ui(std::make_unique<Ui::FrmExitScreen>()), m_services(services), m_registry(registry)
{
    m_ui->setupUi(this);
    setFont(formFont());
    fixClientSize(*this, {741, 315});
    m_ui->Check1->setText(QStringLiteral("Visit our forum now at ") + forum());
    m_ui->Label3->setText(familyText());
    m_referral = std::make_unique<ReferralPanel>(
        ReferralPanel::Fields{m_ui->txtName, m_ui->txtEmail, m_ui->txtFriendName,
                              m_ui->txtFriendEmail, m_ui->txtMessage, m_ui->cmdSubmit},
        registry.modTellAFriend, services.boxes);

    connect(m_ui->cmdClose, &QPushButton::clicked, this, [this] { m_registry.EndProgram(); });
    connect(m_ui->Check1, &QCheckBox::clicked, this, &FrmExitScreen::Check1_Click);
    connect(m_ui->lblGoToHome, &ClickLabel::clicked, this,
            [this] { m_registry.help.OpenQuennetSoftwaresPage(); });
    m_ui->cmdClose->setFocus();
}

FrmExitScreen::~FrmExitScreen() = default;

void FrmExitScreen::Form_Load()
{
    setWindowTitle(kWindowCaption);
    m_ui->lblExitCaption->setText(kWindowCaption);
    m_ui->lblExitCaption->adjustSize();
    QIcon icon;
    if (auto *startup = m_registry.window<FrmStartup>(FormId::Startup))
        icon = startup->IMGIcon(1);
    setWindowIcon(icon);
    m_ui->picExitIcon->setPixmap(icon.pixmap(32, 32));
    m_services.random.Randomize();
    m_ui->Label2->setText(appealText(appealIndex(m_services.random.next())));
    showTopmostWithoutActivating(*this);
}

void FrmExitScreen::Form_Unload()
{
    m_registry.EndProgram();
}

void FrmExitScreen::Check1_Click()
{
    // A check box that works as a link: each tick opens the forum and is taken back.
    if (m_ui->Check1->isChecked()) {
        m_ui->Check1->setChecked(false);
        m_registry.help.OpenHomePage();
    }
}

} // namespace velmoor
