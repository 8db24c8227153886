#include "app/window_launcher.h"
#include "core/program/command_line.h"
#include "core/program/help_paths.h"
#include "gui/widgets/desktop_platform.h"
#include "platform/data_folder.h"
#include "platform/display.h"
#include "platform/ini_store.h"
#include "platform/locale_date_forms.h"
#include "platform/system_clock.h"
#include "platform/termination_signal.h"

#include <QApplication>

#include <iostream>
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
    const std::string normalised = varnholt::normaliseCommandLine(line);
    // Decided before Qt starts: Qt aborts when it finds no display.
    const varnholt::StartMode mode = varnholt::startModeFor(normalised);
    if (mode == varnholt::StartMode::Nothing) {
        std::cout << varnholt::informationFor(normalised);
        return 0;
    }
    if (!varnholt::displayUsable()) {
        std::cerr << "varnholt: no display to draw on (neither WAYLAND_DISPLAY nor DISPLAY is usable)\n";
        return 1;
    }
    // The saver paints its moving block anew each frame. Through X shared memory, Qt's X11
    // backing store waits for a server round trip before painting over pixels the frame before
    // sent, a second wake-up per frame; sent in the request itself, the pixels need no wait.
    if (mode == varnholt::StartMode::Saver || mode == varnholt::StartMode::Preview)
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    varnholt::IniStore store;
    varnholt::SystemClock clock;
    varnholt::LocaleDateForms dates;
    varnholt::DesktopPlatform platform;
    varnholt::ProgramState state{varnholt::Services{store, clock, dates, platform}};
    state.dataFolder = varnholt::chooseDataFolder(varnholt::dataFolderCandidates());
    varnholt::WindowLauncher windows(state);
    QObject::connect(&windows, &varnholt::WindowLauncher::endProcess, &app, [] { QCoreApplication::exit(0); });
    varnholt::TerminationSignal termination;
    QObject::connect(&termination, &varnholt::TerminationSignal::terminated, &app, [] { QCoreApplication::exit(0); });
    // A screen-saver host names the window to draw into; "/s" then draws there.
    if (const auto host = varnholt::parseWindowId(qEnvironmentVariable("XSCREENSAVER_WINDOW").toStdString()))
        state.hostWindow = *host;

    // A SIGTERM during start-up (say, while a message box waits) ends only the
    // loops already running; the main loop must not start after it.
    if (varnholt::startProgram(state, line, windows) == varnholt::StartResult::Ended || termination.received())
        return 0;
    return app.exec();
}
