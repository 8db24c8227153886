// SPDX-License-Identifier: MIT
// Against the X server named by DISPLAY (tests/e2e/with_xvfb.sh starts one).
#include "gui/saver/x11_paced_connection.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <thread>

using namespace varnholt;
using namespace std::chrono_literals;

namespace {

using Clock = X11PacedConnection::Clock;

// A window of the test's own connection, which stands for the toolkit's.
struct Toolkit {
    Toolkit()
    {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 10, 10, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_flush(connection);
    }
    ~Toolkit() { xcb_disconnect(connection); }

    int left()
    {
        auto* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
        const int x = geometry ? geometry->x : -1;
        std::free(geometry);
        return x;
    }

    // When the window got to x, none if not within the time.
    std::optional<Clock::time_point> reached(int x, Clock::duration within)
    {
        for (const auto end = Clock::now() + within; Clock::now() < end; std::this_thread::sleep_for(2ms)) {
            if (left() == x)
                return Clock::now();
        }
        return std::nullopt;
    }

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    xcb_window_t window = xcb_generate_id(connection);
};

} // namespace

TEST(X11PacedConnection, HeldFramesShowAtTheirTimeAndDroppedOnesNever)
{
    Toolkit toolkit;
    std::unique_ptr<X11PacedConnection> paced = X11PacedConnection::open();
    ASSERT_TRUE(paced);
    ASSERT_TRUE(paced->paced()) << "Xvfb has SYNC's SERVERTIME";
    const Clock::time_point start = Clock::now();
    paced->holdUntil(start + 300ms);
    paced->moveWindow(toolkit.window, 10, 0);
    paced->holdUntil(start + 2500ms);
    paced->moveWindow(toolkit.window, 20, 0);
    paced->flush();

    const std::optional<Clock::time_point> shown = toolkit.reached(10, 2s);
    ASSERT_TRUE(shown) << "the first frame was never shown";
    // The server's clock may run a few milliseconds behind: a frame may come that much early.
    EXPECT_GE(*shown - start, 290ms) << "shown before its time";
    paced->dropHeldFrames(toolkit.connection);
    EXPECT_FALSE(toolkit.reached(20, 3s)) << "a dropped frame was shown";
    EXPECT_EQ(toolkit.left(), 10);
}

TEST(X11PacedConnection, FramesNotHeldShowAtOnce)
{
    Toolkit toolkit;
    std::unique_ptr<X11PacedConnection> paced = X11PacedConnection::open();
    ASSERT_TRUE(paced);
    paced->moveWindow(toolkit.window, 30, 0);
    paced->sync();
    EXPECT_EQ(toolkit.left(), 30);
}
