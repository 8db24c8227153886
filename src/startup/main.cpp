#include "platform/ini_store.h"
#include "platform/locale_date_forms.h"
#include "platform/qt_platform.h"
#include "platform/system_clock.h"
#include "platform/termination_signal.h"
#include "startup/command_line.h"
#include "startup/qt_startup_windows.h"

#include <QApplication>

#include <string>

namespace {

std::string commandLine(int argc, char* argv[])
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    return line;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string line = commandLine(argc, argv);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    varnholt::IniStore store;
    varnholt::SystemClock clock;
    varnholt::LocaleDateForms dates;
    varnholt::QtPlatform platform;
    varnholt::General general{varnholt::Services{store, clock, dates, platform}};
    varnholt::QtStartupWindows windows(general);
    QObject::connect(&windows, &varnholt::QtStartupWindows::endProcess, &app, [] { QCoreApplication::exit(0); });
    varnholt::TerminationSignal termination;
    QObject::connect(&termination, &varnholt::TerminationSignal::terminated, &app, [] { QCoreApplication::exit(0); });
    // A screen-saver host names the window to draw into; "/s" then draws there.
    if (const auto host = varnholt::parseWindowId(qEnvironmentVariable("XSCREENSAVER_WINDOW").toStdString()))
        general.HostWindow = *host;

    if (varnholt::Main(general, line, windows) == varnholt::StartResult::Ended)
        return 0;
    return app.exec();
}
