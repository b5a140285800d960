// Every window in every state, as PNG files: look_states FOLDER [PALETTE]. Run it on
// two builds and compare the folders pixel by pixel (tests/app/compare_looks.py) to show that
// a change left the look alone. The platform doubles make each state the same on every run:
// the offers, the answers and the appeals are scripted, the squares shown, the caret steady.
//
// Under a desktop's dark or black high-contrast palette (PALETTE: default, dark, contrast, or
// system for the contrast one with the program using the system's colours), the controls
// the desktop draws (menus, the referral's fields and buttons, scroll bars, check boxes) are
// covered in every picture, and so in the default one too when a palette is named: what is
// left, the program's own surfaces, must be the same under every palette.

#include "answer/frm_main.h"
#include "app/program_fixture.h"
#include "site/frm_about.h"
#include "widgets/look.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleHints>
#include <QTest>

#include <cstdio>
#include <string_view>

using namespace velmoor;
using namespace velmoor::testing;

namespace {

QString g_folder;
bool g_coverTheDesktops = false;

// Drawn by the desktop, in its colours (Qt's own controls, and the referral's fields), or a
// picture, in its own (the icon).
bool covered(const QWidget &widget)
{
    const auto *label = qobject_cast<const QLabel *>(&widget);
    return qobject_cast<const QMenuBar *>(&widget) || qobject_cast<const QLineEdit *>(&widget)
           || qobject_cast<const QScrollBar *>(&widget) || qobject_cast<const QCheckBox *>(&widget)
           || widget.metaObject() == &QPushButton::staticMetaObject || widget.objectName() == u"txtMessage"
           || (label && !label->pixmap().isNull());
}

void save(QWidget *window, const QString &state)
{
    QApplication::processEvents();
    if (qobject_cast<QMenu *>(window) && g_coverTheDesktops)
        return;
    QPixmap picture = window->grab();
    if (g_coverTheDesktops) {
        QPainter painter(&picture);
        for (const QWidget *control : window->findChildren<QWidget *>())
            if (control->isVisible() && covered(*control))
                painter.fillRect(QRect(control->mapTo(window, QPoint()), control->size()), Qt::magenta);
    }
    picture.save(g_folder + u'/' + state + QStringLiteral(".png"));
}

// A desktop's palette: KDE's Breeze Dark, or a black high-contrast one (also for "system":
// the program drawing with the system's colours, as under Windows' High Contrast).
QPalette desktopPalette(const QString &name)
{
    const bool dark = name == u"dark";
    const QColor window = dark ? QColor(49, 54, 59) : Qt::black, base = dark ? QColor(35, 38, 41) : Qt::black;
    const QColor text = dark ? QColor(239, 240, 241) : Qt::white;
    const QColor accent = dark ? QColor(61, 174, 233) : QColor(26, 235, 255);
    QPalette palette(text, window, window.lighter(), window.darker(), window, text, text, base, window);
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::Link, accent);
    const QColor disabled = dark ? QColor(161, 169, 177) : QColor(63, 242, 63);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    return palette;
}

void exposed(QWidget *window)
{
    if (!QTest::qWaitForWindowExposed(window))
        std::fprintf(stderr, "look_states: %s was never shown\n", qPrintable(window->objectName()));
}

void activate(QWidget *window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        std::fprintf(stderr, "look_states: %s never became active\n", qPrintable(window->objectName()));
}

// The window, then each control the Tab key reaches, `stops` of them.
void tabThrough(QWidget *window, const QString &name, int stops)
{
    activate(window);
    save(window, name);
    for (int stop = 1; stop <= stops; ++stop) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        save(window, name + QStringLiteral("-tab%1").arg(stop));
    }
}

void menus(QWidget *window, const QString &name)
{
    auto *bar = window->findChild<QMenuBar *>();
    for (QAction *action : bar->actions()) {
        if (!action->menu() || !action->isVisible())
            continue;
        bar->setActiveAction(action);
        QApplication::processEvents();
        const QString state = name + QStringLiteral("-menu-") + action->menu()->objectName();
        save(window, state);
        save(action->menu(), state + QStringLiteral("-open"));
        action->menu()->close();
    }
}

// A run whose draws are scripted: the offer first, then the answer, then the appeal.
void run(float offer, float answer, float appeal, bool everything)
{
    const QString tag = QStringLiteral("offer%1-answer%2-appeal%3").arg(offer).arg(answer).arg(appeal);
    Program program;
    program.platform.random.script = {offer, answer, appeal};
    program.forms.load(FormId::Startup);
    QWidget *main = program.forms.load(FormId::Main);
    exposed(main);
    // The squares as the first beat shows them, and kept so.
    child<QTimer>(main, "Timer1")->stop();
    child<QTimer>(main, "Timer2")->stop();
    child(main, "picWhite")->show();
    child(main, "picBlack")->show();
    save(main, tag + QStringLiteral("-question"));
    if (everything) {
        tabThrough(main, tag + QStringLiteral("-question-focus"), 5);
        menus(main, tag + QStringLiteral("-question"));
        auto *button = child<QPushButton>(main, "cmdNext");
        button->setDown(true);
        save(main, tag + QStringLiteral("-question-pressed"));
        button->setDown(false);
        button->setEnabled(false);
        save(main, tag + QStringLiteral("-question-disabled"));
        button->setEnabled(true);
        const ModHelp help(program.platform.opener);
        FrmAbout about(help);
        about.show();
        exposed(&about);
        tabThrough(&about, QStringLiteral("about"), 3);
        about.close();
    }
    activate(main);
    child(main, "txtQuestion")->setFocus();
    QTest::keyClicks(child(main, "txtQuestion"), QStringLiteral("Will it rain?"));
    save(main, tag + QStringLiteral("-question-typed"));
    program.platform.beat.during = [&](int dot) { save(main, tag + QStringLiteral("-dot%1").arg(dot)); };
    QTest::mouseClick(child(main, "cmdNext"), Qt::LeftButton);
    program.platform.beat.finish();
    QWidget *display = program.forms.load(FormId::Display);
    exposed(display);
    tabThrough(display, tag + QStringLiteral("-result"), everything ? 5 : 0);
    if (everything)
        menus(display, tag + QStringLiteral("-result"));
    QWidget *exitScreen = program.forms.load(FormId::ExitScreen);
    exitScreen->show();
    exposed(exitScreen);
    tabThrough(exitScreen, tag + QStringLiteral("-exit"), everything ? 9 : 0);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 2 && argv[1] == std::string_view("--colours")) {
        // The design's colours, for compare_looks.py: name, red, green, blue.
        for (const look::NamedColour &named : look::kNamedColours)
            std::printf("%s %d %d %d\n", named.name, named.colour.red(), named.colour.green(),
                        named.colour.blue());
        return 0;
    }
    if (argc != 2 && argc != 3) {
        std::fputs("usage: look_states FOLDER [default | dark | contrast | system] | --colours\n", stderr);
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    if (argc == 3) {
        g_coverTheDesktops = true;
        const QString palette = QString::fromLatin1(argv[2]);
        if (palette != u"default")
            QApplication::setPalette(desktopPalette(palette));
        look::useSystemColours(palette == u"system");
    }
    QDir().mkpath(g_folder);
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    installFontSubstitutes();
    // Both offers, both answers, each of the four appeals.
    run(0.0f, 0.0f, 0.1f, true);
    run(0.25f, 0.9f, 0.3f, true);
    run(0.0f, 0.9f, 0.6f, false);
    run(0.25f, 0.0f, 0.9f, false);
    return 0;
}
