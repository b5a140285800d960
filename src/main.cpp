// Velmoor: asks for a question, answers Yes or No.

#include "app/window_registry.h"
#include "platform/gui_platform.h"
#include "platform/instance_lock.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    using namespace velmoor;
    QApplication app(argc, argv);
    // The program ends through EndProgram only, never because its last window hid.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(applicationIcon());
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
