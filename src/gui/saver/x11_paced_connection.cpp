// SPDX-License-Identifier: MIT
#include "gui/saver/x11_paced_connection.h"

#include <xcb/sync.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

namespace varnholt {

namespace {

std::int64_t millisecondsOf(X11PacedConnection::Clock::time_point time)
{
    return std::chrono::ceil<std::chrono::milliseconds>(time.time_since_epoch()).count();
}

// The counter named so among the reply's system counters, 0 for none. Read by hand: each entry
// is its id, resolution, name length and name, padded to four bytes, which libxcb's iterator
// of this reply steps over wrongly.
std::uint32_t counterNamed(const xcb_sync_list_system_counters_reply_t& reply, std::string_view name)
{
    const auto* entry = reinterpret_cast<const std::uint8_t*>(&reply + 1);
    const auto* end = reinterpret_cast<const std::uint8_t*>(&reply) + sizeof reply + std::size_t(reply.length) * 4;
    for (std::uint32_t i = 0; i < reply.counters_len && entry + 14 <= end; ++i) {
        std::uint32_t id = 0;
        std::uint16_t length = 0;
        std::memcpy(&id, entry, sizeof id);
        std::memcpy(&length, entry + 12, sizeof length);
        if (entry + 14 + length <= end && std::string_view(reinterpret_cast<const char*>(entry + 14), length) == name)
            return id;
        entry += (14 + length + 3) & ~3u;
    }
    return 0;
}

} // namespace

std::unique_ptr<X11PacedConnection> X11PacedConnection::open()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    std::unique_ptr<X11PacedConnection> opened(new X11PacedConnection(connection));
    opened->findServerTime();
    return opened;
}

X11PacedConnection::X11PacedConnection(xcb_connection_t* connection) : m_connection(connection) {}

X11PacedConnection::~X11PacedConnection()
{
    xcb_disconnect(m_connection);
}

void X11PacedConnection::findServerTime()
{
    const xcb_query_extension_reply_t* sync = xcb_get_extension_data(m_connection, &xcb_sync_id);
    if (!sync || !sync->present)
        return;
    std::free(xcb_sync_initialize_reply(
        m_connection, xcb_sync_initialize(m_connection, XCB_SYNC_MAJOR_VERSION, XCB_SYNC_MINOR_VERSION), nullptr));
    auto* counters = xcb_sync_list_system_counters_reply(m_connection, xcb_sync_list_system_counters(m_connection),
                                                         nullptr);
    const std::uint32_t serverTime = counters ? counterNamed(*counters, "SERVERTIME") : 0;
    std::free(counters);
    if (!serverTime)
        return;
    const std::int64_t before = millisecondsOf(Clock::now());
    auto* value = xcb_sync_query_counter_reply(m_connection, xcb_sync_query_counter(m_connection, serverTime), nullptr);
    const std::int64_t after = millisecondsOf(Clock::now());
    if (!value)
        return;
    const std::int64_t server = (std::int64_t(value->counter_value.hi) << 32) | value->counter_value.lo;
    std::free(value);
    // The count is milliseconds in 32 bits on some servers: no holding across its wrap.
    constexpr std::int64_t Hour = 3'600'000;
    if ((server & 0xffffffff) + Hour > 0xffffffff)
        return;
    m_offsetMs = server - (before + after) / 2;
    m_handle = xcb_generate_id(m_connection);
    xcb_create_pixmap(m_connection, 1, m_handle, xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root, 1,
                      1);
    m_serverTime = serverTime;
}

void X11PacedConnection::holdUntil(Clock::time_point due)
{
    const std::int64_t at = millisecondsOf(due) + m_offsetMs;
    const xcb_sync_waitcondition_t until{
        {m_serverTime,
         XCB_SYNC_VALUETYPE_ABSOLUTE,
         {std::int32_t(at >> 32), std::uint32_t(at)},
         XCB_SYNC_TESTTYPE_POSITIVE_COMPARISON},
        // No CounterNotify: it would only fill the connection nobody reads.
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::uint32_t>::max()}};
    xcb_sync_await(m_connection, 1, &until);
}

void moveWindow(xcb_connection_t* connection, std::uint32_t window, std::int32_t x, std::int32_t y)
{
    const std::uint32_t values[] = {std::uint32_t(x), std::uint32_t(y)};
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
}

void X11PacedConnection::moveWindow(std::uint32_t window, std::int32_t x, std::int32_t y)
{
    varnholt::moveWindow(m_connection, window, x, y);
}

void X11PacedConnection::flush()
{
    xcb_flush(m_connection);
}

void X11PacedConnection::dropHeldFrames(xcb_connection_t* toolkit)
{
    xcb_kill_client(toolkit, m_handle);
    xcb_flush(toolkit);
}

void waitForServer(xcb_connection_t* connection)
{
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

void X11PacedConnection::sync()
{
    waitForServer(m_connection);
}

} // namespace varnholt
