// SPDX-License-Identifier: MIT
#pragma once

// Window look-up on the X server by xcb: the stand-ins for finding, activating
// and measuring foreign top-level windows, and for learning of a host window's end.

#include <QObject>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class QSocketNotifier;
struct xcb_connection_t;

namespace varnholt {

// A top-level window (a child of the root or, under a reparenting window manager,
// a child of one) whose _NET_WM_NAME or WM_NAME equals the title exactly.
// False without a display.
bool findTopLevelWindow(const std::string& title);
// Asks the window manager to activate the first window with that title, if any.
void activateWindowByTitle(const std::string& title);
// Size of the window in pixels; nothing when the id names no window.
std::optional<std::pair<std::int32_t, std::int32_t>> windowClientSize(std::uint32_t window);

// Asks the window manager to leave a window of the given connection out of the
// task bar; it reads the state when the window is mapped, so this must run before.
void keepOutOfTaskBar(xcb_connection_t* connection, std::uint32_t window);

// Empties the _NET_WM_NAME of a window of the given connection: for a window without
// a title, the toolkit writes the program's name there.
void clearNetWmName(xcb_connection_t* connection, std::uint32_t window);

// Watches a foreign window through a connection of its own. Selects structure
// events only: button presses on a window may be selected by one client alone,
// and they belong to the host.
class HostWindowWatcher final : public QObject {
    Q_OBJECT
public:
    explicit HostWindowWatcher(std::uint32_t window, QObject* parent = nullptr);
    ~HostWindowWatcher() override;

signals:
    // Also emitted, from the event loop, when the window is gone at construction.
    void hostDestroyed();
    void resized(int width, int height);

private:
    void readEvents();
    void reportGone();

    std::uint32_t m_window;
    xcb_connection_t* m_connection = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_gone = false;
};

} // namespace varnholt
