// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

struct xcb_connection_t;

namespace varnholt {

// Moves the window's top-left corner there, in its parent's pixels.
void moveWindow(xcb_connection_t* connection, std::uint32_t window, std::int32_t x, std::int32_t y);
// Returns once the server has carried out every request sent before on the connection.
void waitForServer(xcb_connection_t* connection);

// A connection to the X server of its own for window moves from another thread, which no
// thread of the toolkit waits on. Where the server has the SYNC extension's SERVERTIME counter,
// each frame's moves wait in the server for the frame's due time: frames go out ahead, and the
// server shows each on time while the program sleeps.
class X11PacedConnection final {
public:
    using Clock = std::chrono::steady_clock;

    // None when the server cannot be reached.
    static std::unique_ptr<X11PacedConnection> open();
    ~X11PacedConnection();
    X11PacedConnection(const X11PacedConnection&) = delete;
    X11PacedConnection& operator=(const X11PacedConnection&) = delete;

    // Whether the server holds frames to their time; without, each goes out when sent.
    bool paced() const { return m_serverTime != 0; }
    // What is sent from now on waits in the server until `due`.
    void holdUntil(Clock::time_point due);
    void moveWindow(std::uint32_t window, std::int32_t x, std::int32_t y);
    void flush();
    // The frames held and not yet shown never will be, before anything sent on `toolkit` from
    // now on: the server closes this connection at once. Nothing is to be sent on it after.
    void dropHeldFrames(xcb_connection_t* toolkit);
    // Everything sent is carried out, before anything sent on any connection from now on.
    void sync();

private:
    explicit X11PacedConnection(xcb_connection_t* connection);
    void findServerTime();

    xcb_connection_t* m_connection;
    std::uint32_t m_serverTime = 0;
    // The server's milliseconds less ours.
    std::int64_t m_offsetMs = 0;
    // A resource of this connection, which a KillClient on it names.
    std::uint32_t m_handle = 0;
};

} // namespace varnholt
