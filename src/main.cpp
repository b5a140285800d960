// Velmoor: asks for a question, answers Yes or No.

#include "app/command_line.h"
#include "app/window_registry.h"
#include "platform/accessibility.h"
#include "platform/desktop_services.h"
#include "platform/display.h"
#include "platform/high_contrast.h"
#include "platform/instance_lock.h"
#include "platform/languages.h"
#include "platform/qt_platform.h"
#include "platform/terminal.h"
#include "widgets/look.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {

void printHelp(char *argv[])
{
    int one = 1;
    const QCoreApplication translating(one, argv);
    const auto help = [] {
        return QCoreApplication::translate(
            "CommandLine", "Usage: velmoor [--help | --version]\n"
                           "Answers a question with Yes or No: type it, press Get My Answer.\n\n"
                           "  -h, --help     print this help and exit\n"
                           "  -v, --version  print the version and exit\n");
    };
    velmoor::useLanguage(velmoor::systemLanguage());
    QString text = help();
    // In English where the terminal cannot show the user's language (Japanese under an
    // ASCII locale).
    if (!velmoor::terminalCanShow(text)) {
        velmoor::useLanguage({});
        text = help();
    }
    velmoor::printToTerminal(text);
}

// --help and --version answer on the terminal (command_line.h); returns the exit status
// when the program must not start.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    using velmoor::CommandLine;
    if (argc < 2)
        return std::nullopt;
    velmoor::reachTerminal();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = velmoor::readCommandLine(arguments);
    switch (line.answer) {
    case CommandLine::Answer::Help:
        printHelp(argv);
        break;
    case CommandLine::Answer::Version:
        std::printf("velmoor %s\n", VELMOOR_VERSION);
        break;
    case CommandLine::Answer::Start:
        std::fprintf(stderr,
                     "velmoor: ignoring '%s': the program takes no arguments (see 'velmoor --help').\n",
                     qPrintable(line.ignored.join(QStringLiteral("' '"))));
        break;
    }
    return line.exitStatus();
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace velmoor;
    if (const std::optional<int> code = answerCommandLine(argc, argv))
        return *code;

    // The program's name, and the platform when the program chooses it. Qt keeps both the
    // count and the array for the application's lifetime.
    QList<const char *> qtArguments{argv[0]};
    DisplayChoice display;
    if (!display.choose(qtArguments))
        return 1;
    int qtArgc = static_cast<int>(qtArguments.size());
    qtArguments << nullptr;
    QApplication app(qtArgc, const_cast<char **>(qtArguments.data()));
    useLanguage(systemLanguage());
    display.release();
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMOOR_APP_ID));
    // The program ends through EndProgram only, never because its last window hid.
    QApplication::setQuitOnLastWindowClosed(false);
    // The small sizes only until the first window is drawn (frm_main.cpp): decoding the icon's
    // every size would hold up the first frame.
    QApplication::setWindowIcon(applicationIcon(IconSizes::Small));
    installAccessibleRoles();
    installFontSubstitutes();
    look::useSystemColours(highContrastRequested());
    look::chooseStyle();
    look::keepDisabledTextReadable();

    const QString applicationName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    DesktopPageOpener opener;
    QtSettingsStore settings(applicationName);
    InstanceGuard instance(InstanceGuard::nameFor(QStringLiteral(VELMOOR_APP_ID)));
    SystemClock clock;
    TimeSeededRandom random(clock);
    QtMessageBoxes boxes;
    TimerBeat beat;
    Services services{opener, settings, instance, clock, random, boxes, beat};

    WindowRegistry forms(services, [] { QCoreApplication::exit(0); });
    forms.load(FormId::Startup);
    if (forms.ending()) // a second copy, ended before the event loop started
        return 0;
    return QApplication::exec();
}
