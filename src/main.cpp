// Velmoor: asks for a question, answers Yes or No.

#include "app/window_registry.h"
#include "platform/accessibility.h"
#include "platform/gui_platform.h"
#include "platform/instance_lock.h"
#include "platform/qt_platform.h"
#include "platform/terminal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {

// --help and --version answer on the terminal; anything else is refused. The arguments
// never reach Qt, so none of its own options (-style, -stylesheet FILE, ...) applies: the
// program reads no files. Returns the exit code when the program must not start.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    if (argc > 1)
        velmoor::reachTerminal();
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "velmoor: %s\nTry 'velmoor --help'.\n", qPrintable(error));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs("Usage: velmoor [--help | --version]\n"
                   "Answers a question with Yes or No: type it, press Get My Answer.\n\n"
                   "  -h, --help     print this help and exit\n"
                   "  -v, --version  print the version and exit\n",
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("velmoor %s\n", VELMOOR_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace velmoor;
    if (const std::optional<int> code = answerCommandLine(argc, argv))
        return *code;

    int qtArgc = 1; // the program's name alone
    QApplication app(qtArgc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMOOR_APP_ID));
    // The program ends through EndProgram only, never because its last window hid.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(applicationIcon());
    installAccessibleRoles();
    installFontSubstitutes();

    const QString applicationName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    DesktopPageOpener opener;
    QtSettingsStore settings(applicationName);
    LockFileInstanceQuery instance(LockFileInstanceQuery::defaultLockPaths(applicationName));
    SystemClock clock;
    TimeSeededRandom random(clock);
    QtMessageBoxes boxes;
    EventLoopPause pause;
    Services services{opener, settings, instance, clock, random, boxes, pause};

    WindowRegistry forms(services, [] { QCoreApplication::exit(0); });
    forms.load(FormId::Startup);
    if (forms.ending()) // a second copy, ended before the event loop started
        return 0;
    return QApplication::exec();
}
