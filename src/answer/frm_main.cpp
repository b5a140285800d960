#include "answer/frm_main.h"

#include "answer/site_links.h"
#include "platform/accessibility.h"
#include "platform/desktop_services.h"
#include "ui_frm_main.h"
#include "widgets/look.h"

#include <QApplication>
#include <QPointer>
#include <QScrollBar>

namespace velmoor {

FrmMain::FrmMain(Services &services, qint16 &intAnswer)
    : m_ui(std::make_unique<Ui::FrmMain>()), m_services(services), m_intAnswer(intAnswer),
      m_help(services.opener), m_sequence(services.beat)
{
    m_ui->setupUi(this);
    setWindowTitle(kWindowCaption);
    // What the first frame does not show waits for it: the icon's larger sizes, and the
    // "Please Wait" panel's face and sheet (eventFilter).
    setWindowIcon(applicationIcon(IconSizes::Small));
    installEventFilter(this);
    m_ui->picMessage->installEventFilter(this);
    paint();
    for (int dot = 1; dot <= kDotCount; ++dot) {
        // A dot the form lacks is a build that cannot run: say which, at once.
        m_dots.at(std::size_t(dot - 1)) =
            m_ui->picMessage->findChild<QWidget *>(QStringLiteral("shp%1").arg(dot));
        if (!m_dots.at(std::size_t(dot - 1)))
            qFatal("the question window has no dot shp%d", dot);
    }
    markAsAnnouncement(*m_ui->picMessage, m_ui->pi->text());
    fixClientSize(*this, {518, 355});

    connectSiteLinks(this, *m_ui, m_help);
    connect(m_ui->Label2, &ClickLabel::clicked, this, [this] { m_help.OpenFullyBrandedPage(); });
    connect(m_ui->mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &FrmMain::cmdNext_Click);
    m_ui->Label2->adjustSize();
    m_ui->txtQuestion->setFocus();

    // Precise timers started in this order: when both fall due, Timer1 is handled first
    // and Timer2 last, so the squares really go dark every other second.
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer2.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(1000);
    Timer2.setInterval(2000);
    connect(&Timer1, &QTimer::timeout, this, &FrmMain::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &FrmMain::Timer2_Timer);
    Timer1.start();
    Timer2.start();
}

FrmMain::~FrmMain() = default;

void FrmMain::paint()
{
    // Colours and faces set directly, not by a style sheet: a sheet makes every widget
    // under it slower to build, and this window is the first one a start shows. The dots'
    // rounded look comes from a sheet all the same, once they are first needed.
    using namespace look;
    Ui::FrmMain &ui = *m_ui;
    for (QWidget *area : {ui.centralwidget, static_cast<QWidget *>(ui.Frame1)})
        setBackground(*area, kViolet);
    for (QWidget *strip : {ui.Frame2, ui.Frame5})
        setBackground(*strip, kNavy);
    setColours(*ui.Label61, kCyan);
    setColours(*ui.Label1, kCream, kNavy);
    setColours(*ui.Label2, kYellow);
    setColours(*ui.txtQuestion, kCream, kNavy);
    ui.txtQuestion->setAutoFillBackground(false);
    ui.txtQuestion->setFrameColour(usingSystemColours() ? palette().color(QPalette::WindowText) : kNavyEdge);
    // Its scroll bar keeps the desktop's colours.
    QPalette desktop = QApplication::palette();
    desktop.setResolveMask(~QPalette::ResolveMask(0));
    ui.txtQuestion->verticalScrollBar()->setPalette(desktop);
    setSquareColour(*ui.picWhite, kWhite);
    setSquareColour(*ui.picBlack, kBlack);
    for (ClickLabel *link : {ui.Label61, ui.Label2})
        link->setFont(boldFormFont(8.25, true));
    for (const promo::OfferLink &offer : promo::offers()) {
        if (auto *label = findChild<ClickLabel *>(QLatin1StringView(offer.label))) { // else the start stops
            label->setFont(boldFormFont(8.25, true));
            setColours(*label, kCyan, kNavy);
        }
    }
    ui.Label1->setFont(boldFormFont(8.25));
    ui.txtQuestion->setFont(formFont());
    setBackground(*ui.picMessage, kNavy);
    setColours(*ui.pi, kCream);
}

void FrmMain::Form_Unload()
{
    m_sequence.stop(); // closed while the dots appear: no answer follows
    emit closed();
}

void FrmMain::showOffer(promo::Offer offer)
{
    for (const promo::OfferLink &link : promo::offers())
        findChild<QWidget *>(QLatin1StringView(link.label))->setVisible(link.offer == offer);
}

void FrmMain::resumeAsking()
{
    Timer1.start();
    Timer2.start();
    for (QWidget *dot : m_dots)
        dot->hide();
}

bool FrmMain::ValidateQuestion()
{
    if (!m_ui->txtQuestion->toPlainText().isEmpty())
        return true;
    QPointer<FrmMain> self(this);
    m_services.boxes.show(tr("Plese Enter Your Question"), MsgIcon::Information, MsgButtons::Ok);
    if (self)
        m_ui->txtQuestion->setFocus();
    return false;
}

void FrmMain::cmdNext_Click()
{
    // Pressed again while the dots appear: the answer is already drawn (not even an emptied
    // field is asked about then).
    if (m_sequence.running() || !ValidateQuestion())
        return;
    m_sequence.start(*this, m_services.random, m_intAnswer);
}

void FrmMain::Timer1_Timer()
{
    m_ui->picBlack->show();
    m_ui->picWhite->show();
}

void FrmMain::Timer2_Timer()
{
    m_ui->picBlack->hide();
    m_ui->picWhite->hide();
}

void FrmMain::stopTimers()
{
    Timer1.stop();
    Timer2.stop();
}

void FrmMain::setWaitPanelVisible(bool visible)
{
    m_ui->picMessage->setVisible(visible);
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::Paint) {
        removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            QApplication::setWindowIcon(applicationIcon());
            setWindowIcon(applicationIcon());
        });
    } else if (watched == m_ui->picMessage && event->type() == QEvent::Show) {
        m_ui->picMessage->removeEventFilter(this);
        preparePanel();
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::preparePanel()
{
    // "Please Wait" in its own face, sized to it from its reading end.
    QLabel &pi = *m_ui->pi;
    const QRect before = pi.geometry();
    pi.setFont(boldFormFont(12));
    pi.adjustSize();
    if (isRightToLeft())
        pi.move(before.right() + 1 - pi.width(), pi.y());
    QStringList dots;
    for (const QWidget *dot : m_dots)
        dots << u'#' + dot->objectName();
    m_ui->picMessage->setStyleSheet(
        dots.join(QStringLiteral(", "))
        + QStringLiteral(" { background: %1; border: 1px solid %2; border-radius: 4px; }")
              .arg(look::css(look::kYellow, QPalette::Highlight),
                   look::css(look::kCream, QPalette::WindowText)));
}

void FrmMain::showDot(int index)
{
    m_dots.at(static_cast<std::size_t>(index - 1))->show();
}

void FrmMain::presentAnswer(qint16 answer)
{
    m_answer = answer;
}

void FrmMain::swapToResult()
{
    emit answered(m_answer);
}

} // namespace velmoor
