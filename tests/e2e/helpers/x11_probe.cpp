// SPDX-License-Identifier: MIT
// varnholt-x11-probe: the window look-ups run against a real X server, and a host window to run them on.
//   find TITLE      exit status 0 when a top-level window has exactly that title, else 1
//   activate TITLE  asks the window manager to activate the window with that title
//   size ID         prints the client size "WxH", or "none"
//   watch ID        prints "resized WxH" per size change and "destroyed" when the window ends
//   host TITLE WxH [--framed] [--watch-activation] [--override-redirect]
//                   a mapped top-level window standing in for a host that embeds a preview; prints its id and
//                   stays until SIGTERM. --framed puts it inside an untitled parent, as a reparenting window
//                   manager does; --watch-activation prints "activate ID" per _NET_ACTIVE_WINDOW request;
//                   --override-redirect maps it, at 0,0, over every window there is, as a menu or a lock screen is.

#include "platform/x11_windows.h"

#include <QCoreApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void say(const char* text)
{
    std::printf("%s\n", text);
    std::fflush(stdout);
}

int watch(QCoreApplication& app, std::uint32_t window)
{
    varnholt::HostWindowWatcher watcher(window);
    QObject::connect(&watcher, &varnholt::HostWindowWatcher::resized, &app, [](int width, int height) {
        say(("resized " + std::to_string(width) + 'x' + std::to_string(height)).c_str());
    });
    QObject::connect(&watcher, &varnholt::HostWindowWatcher::hostDestroyed, &app, [] {
        say("destroyed");
        QCoreApplication::exit(0);
    });
    return app.exec();
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto length = static_cast<std::uint16_t>(std::strlen(name));
    auto* reply = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, length, name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

int host(int argc, char* argv[])
{
    unsigned width = 0, height = 0;
    if (std::sscanf(argv[3], "%ux%u", &width, &height) != 2 || !width || !height || width > 32767 || height > 32767)
        return 2;
    const auto has = [&](const char* option) {
        return std::any_of(argv + 4, argv + argc, [&](const char* arg) { return std::strcmp(arg, option) == 0; });
    };
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection))
        return 1;
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screenNumber > 0; --screenNumber)
        xcb_screen_next(&screens);
    const xcb_screen_t& screen = *screens.data;
    xcb_window_t window = screen.root;
    const std::uint32_t attributes[] = {screen.black_pixel, has("--override-redirect") ? 1u : 0u};
    for (int level = has("--framed") ? 0 : 1; level < 2; ++level) {
        const xcb_window_t parent = window;
        window = xcb_generate_id(connection);
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, parent, 0, 0, std::uint16_t(width),
                          std::uint16_t(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen.root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, attributes);
        xcb_map_window(connection, window);
    }
    const auto length = static_cast<std::uint32_t>(std::strlen(argv[2]));
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, length,
                        argv[2]);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom(connection, "_NET_WM_NAME"),
                        atom(connection, "UTF8_STRING"), 8, length, argv[2]);
    if (has("--watch-activation")) {
        // Requests sent to the root reach every client that selects substructure events there.
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, screen.root, XCB_CW_EVENT_MASK, &mask);
    }
    const xcb_atom_t activeWindow = atom(connection, "_NET_ACTIVE_WINDOW");
    // The round trip makes sure the server holds the titled window before its id is told.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    say(std::to_string(window).c_str());
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE && message->type == activeWindow)
            say(("activate " + std::to_string(message->window)).c_str());
        std::free(event);
    }
    return 1; // the server went away
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const std::string command = argc >= 3 ? argv[1] : "";
    if (command == "host" && argc >= 4)
        return host(argc, argv);
    if (command == "find" && argc == 3)
        return varnholt::findTopLevelWindow(argv[2]) ? 0 : 1;
    if (command == "activate" && argc == 3) {
        varnholt::activateWindowByTitle(argv[2]);
        return 0;
    }
    const auto window = static_cast<std::uint32_t>(std::stoul(argc == 3 ? argv[2] : "0", nullptr, 0));
    if (command == "size" && argc == 3) {
        const auto size = varnholt::windowClientSize(window);
        say(size ? (std::to_string(size->first) + 'x' + std::to_string(size->second)).c_str() : "none");
        return 0;
    }
    if (command == "watch" && argc == 3)
        return watch(app, window);
    std::fprintf(stderr,
                 "usage: varnholt-x11-probe find TITLE | activate TITLE | size ID | watch ID | "
                 "host TITLE WxH [--framed] [--watch-activation] [--override-redirect]\n");
    return 2;
}
