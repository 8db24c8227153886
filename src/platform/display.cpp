// SPDX-License-Identifier: MIT
#include "platform/display.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace varnholt {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool waylandUsable()
{
    std::string socket = environment("WAYLAND_DISPLAY");
    if (socket.empty())
        return false;
    if (socket.front() != '/')
        socket = environment("XDG_RUNTIME_DIR") + "/" + socket;
    struct stat status {};
    return stat(socket.c_str(), &status) == 0 && S_ISSOCK(status.st_mode);
}

} // namespace

bool x11DisplayUsable()
{
    if (environment("DISPLAY").empty())
        return false;
    // Kept open: a server whose last client leaves resets itself, and would
    // refuse Qt's own connection while it does. Tried again for the same reason.
    static xcb_connection_t* connection = nullptr;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (connection)
            xcb_disconnect(connection);
        connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection) == 0)
            return true;
        usleep(100'000);
    }
    return false;
}

void chooseX11Platform()
{
    const std::string platform = environment("QT_QPA_PLATFORM");
    if (platform.empty() || platform.rfind("wayland", 0) == 0)
        setenv("QT_QPA_PLATFORM", "xcb", 1);
}

bool displayUsable()
{
    const std::string platform = environment("QT_QPA_PLATFORM");
    const bool windowSystemChosen = platform.empty() || platform.rfind("xcb", 0) == 0
        || platform.rfind("wayland", 0) == 0;
    return !windowSystemChosen || waylandUsable() || x11DisplayUsable();
}

} // namespace varnholt
