#include "platform/ini_store.h"
#include "platform/locale_date_forms.h"
#include "platform/qt_platform.h"
#include "platform/system_clock.h"
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

    if (varnholt::Main(general, line, windows) == varnholt::StartResult::Ended)
        return 0;
    return app.exec();
}
