// varnholt-x11-probe: the window look-ups, run against a real X server.
//   find TITLE  exit status 0 when a top-level window has exactly that title, else 1
//   activate TITLE  asks the window manager to activate the window with that title
//   size ID     prints the client size "WxH", or "none"
//   watch ID    prints "resized WxH" per size change and "destroyed" when the window ends

#include "platform/x11_windows.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>

namespace {

int watch(QCoreApplication& app, std::uint32_t window)
{
    varnholt::HostWindowWatcher watcher(window);
    QObject::connect(&watcher, &varnholt::HostWindowWatcher::resized, &app, [](int width, int height) {
        std::printf("resized %dx%d\n", width, height);
        std::fflush(stdout);
    });
    QObject::connect(&watcher, &varnholt::HostWindowWatcher::hostDestroyed, &app, [] {
        std::printf("destroyed\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const std::string command = argc == 3 ? argv[1] : "";
    if (command == "find")
        return varnholt::findTopLevelWindow(argv[2]) ? 0 : 1;
    if (command == "activate") {
        varnholt::activateWindowByTitle(argv[2]);
        return 0;
    }
    const auto window = static_cast<std::uint32_t>(std::stoul(argc == 3 ? argv[2] : "0", nullptr, 0));
    if (command == "size") {
        const auto size = varnholt::windowClientSize(window);
        if (size)
            std::printf("%dx%d\n", size->first, size->second);
        else
            std::printf("none\n");
        return 0;
    }
    if (command == "watch")
        return watch(app, window);
    std::fprintf(stderr, "usage: varnholt-x11-probe find TITLE | activate TITLE | size ID | watch ID\n");
    return 2;
}
