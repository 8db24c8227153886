// SPDX-License-Identifier: MIT
#include "app/window_launcher.h"
#include "core/program/command_line.h"
#include "core/program/help_paths.h"
#include "gui/widgets/desktop_platform.h"
#include "platform/data_folder.h"
#include "platform/display.h"
#include "platform/ini_store.h"
#include "platform/locale_date_forms.h"
#include "platform/qt_log.h"
#include "platform/system_clock.h"
#include "platform/termination_signal.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

namespace {

std::optional<std::uint32_t> hostFromEnvironment()
{
    const char* host = std::getenv("XSCREENSAVER_WINDOW");
    return varnholt::parseWindowId(host ? host : "");
}

// The modes that draw into a window of another X client; nothing without one.
const char* x11OnlyMode(varnholt::StartMode mode)
{
    if (mode == varnholt::StartMode::Preview)
        return "the preview (/p)";
    if (mode == varnholt::StartMode::Saver && hostFromEnvironment())
        return "the XScreenSaver mode";
    return nullptr;
}

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
    if (const char* what = x11OnlyMode(mode)) {
        if (!varnholt::x11DisplayUsable()) {
            std::cerr << "varnholt: " << what << " needs an X11 display, and there is none; nothing to do\n";
            return 0;
        }
        varnholt::chooseX11Platform();
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
    varnholt::PatternDateForms dates = varnholt::localeDateForms();
    varnholt::DesktopPlatform platform;
    varnholt::QtLog log;
    varnholt::ProgramState state{varnholt::Services{store, clock, dates, platform, log}};
    state.setDataFolder(varnholt::chooseDataFolder(varnholt::dataFolderCandidates()));
    varnholt::WindowLauncher windows(state);
    QObject::connect(&windows, &varnholt::WindowLauncher::endProcess, &app, [] { QCoreApplication::exit(0); });
    varnholt::TerminationSignal termination;
    QObject::connect(&termination, &varnholt::TerminationSignal::terminated, &app, [] { QCoreApplication::exit(0); });
    // A screen-saver host names the window to draw into; "/s" then draws there.
    if (const auto host = hostFromEnvironment())
        state.setHostWindow(*host);

    // A SIGTERM during start-up (say, while a message box waits) ends only the
    // loops already running; the main loop must not start after it.
    if (varnholt::startProgram(state, line, windows) == varnholt::StartResult::Ended || termination.received())
        return 0;
    return app.exec();
}
