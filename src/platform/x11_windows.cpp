// SPDX-License-Identifier: MIT
#include "platform/x11_windows.h"

#include <QSocketNotifier>

#include <xcb/xcb.h>

#include <cstdlib>
#include <vector>

namespace varnholt {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> owned(T* reply)
{
    return Reply<T>(reply, &std::free);
}

xcb_atom_t internAtom(xcb_connection_t* connection, const std::string& name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

struct LookupConnection {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
    xcb_atom_t netActiveWindow = XCB_ATOM_NONE;

    LookupConnection()
    {
        int screenNumber = 0;
        connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(connection)) {
            xcb_disconnect(connection);
            connection = nullptr;
            return;
        }
        auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
            xcb_screen_next(&screens);
        root = screens.data->root;
        netWmName = internAtom(connection, "_NET_WM_NAME");
        utf8String = internAtom(connection, "UTF8_STRING");
        netActiveWindow = internAtom(connection, "_NET_ACTIVE_WINDOW");
    }
    ~LookupConnection()
    {
        if (connection)
            xcb_disconnect(connection);
    }
    LookupConnection(const LookupConnection&) = delete;
    LookupConnection& operator=(const LookupConnection&) = delete;
};

// One connection for the look-ups, opened at first use; nothing without a display.
const LookupConnection* sharedConnection()
{
    static const LookupConnection display;
    return display.connection ? &display : nullptr;
}

std::vector<xcb_window_t> childrenOf(xcb_connection_t* connection, const std::vector<xcb_window_t>& parents)
{
    std::vector<xcb_query_tree_cookie_t> cookies;
    for (xcb_window_t parent : parents)
        cookies.push_back(xcb_query_tree(connection, parent));
    std::vector<xcb_window_t> children;
    for (auto cookie : cookies) {
        const auto reply = owned(xcb_query_tree_reply(connection, cookie, nullptr));
        if (!reply)
            continue; // the window went away meanwhile
        const xcb_window_t* first = xcb_query_tree_children(reply.get());
        children.insert(children.end(), first, first + xcb_query_tree_children_length(reply.get()));
    }
    return children;
}

bool propertyEquals(xcb_connection_t* connection, xcb_get_property_cookie_t cookie, const std::string& text)
{
    const auto reply = owned(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 8)
        return false;
    const auto* value = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(value, static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))) == text;
}

std::optional<xcb_window_t> findByTitle(const LookupConnection& display, const std::string& title)
{
    xcb_connection_t* connection = display.connection;
    std::vector<xcb_window_t> windows = childrenOf(connection, {display.root});
    const std::vector<xcb_window_t> framed = childrenOf(connection, windows);
    windows.insert(windows.end(), framed.begin(), framed.end());

    // All requests go out before the first reply is awaited: one round trip, not one per window.
    constexpr std::uint32_t maxWords = 1024;
    std::vector<std::pair<xcb_get_property_cookie_t, xcb_get_property_cookie_t>> cookies;
    for (xcb_window_t window : windows)
        cookies.emplace_back(
            xcb_get_property(connection, 0, window, display.netWmName, display.utf8String, 0, maxWords),
            xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, maxWords));
    std::optional<xcb_window_t> found;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        // Every reply is read, also after a match, so that none is left queued.
        const bool netNameMatches = propertyEquals(connection, cookies[i].first, title);
        const bool nameMatches = propertyEquals(connection, cookies[i].second, title);
        if (!found && (netNameMatches || nameMatches))
            found = windows[i];
    }
    return found;
}

} // namespace

void keepOutOfTaskBar(xcb_connection_t* connection, std::uint32_t window)
{
    const xcb_atom_t skipTaskBar = internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, internAtom(connection, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, 1, &skipTaskBar);
    xcb_flush(connection);
}

void clearNetWmName(xcb_connection_t* connection, std::uint32_t window)
{
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, internAtom(connection, "_NET_WM_NAME"),
                        internAtom(connection, "UTF8_STRING"), 8, 0, nullptr);
    xcb_flush(connection);
}

bool findTopLevelWindow(const std::string& title)
{
    const LookupConnection* display = sharedConnection();
    return display && findByTitle(*display, title).has_value();
}

void activateWindowByTitle(const std::string& title)
{
    const LookupConnection* display = sharedConnection();
    if (!display)
        return;
    const auto window = findByTitle(*display, title);
    if (!window)
        return;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = *window;
    event.type = display->netActiveWindow;
    event.data.data32[0] = 2; // as a pager asks: window managers do not refuse it as focus stealing
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(display->connection, 0, display->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    // A round trip, not a flush: the caller may end the process next, and the server can drop
    // requests still queued on a connection that closes.
    std::free(xcb_get_input_focus_reply(display->connection, xcb_get_input_focus(display->connection), nullptr));
}

std::optional<std::pair<std::int32_t, std::int32_t>> windowClientSize(std::uint32_t window)
{
    const LookupConnection* display = sharedConnection();
    if (!display)
        return std::nullopt;
    xcb_connection_t* connection = display->connection;
    // The attributes request fails for a pixmap id, which the geometry request would accept.
    const auto attributesCookie = xcb_get_window_attributes(connection, window);
    const auto geometryCookie = xcb_get_geometry(connection, window);
    xcb_generic_error_t* attributesError = nullptr;
    xcb_generic_error_t* geometryError = nullptr;
    const auto attributes = owned(xcb_get_window_attributes_reply(connection, attributesCookie, &attributesError));
    const auto geometry = owned(xcb_get_geometry_reply(connection, geometryCookie, &geometryError));
    std::free(attributesError);
    std::free(geometryError);
    if (!attributes || !geometry)
        return std::nullopt;
    return std::pair<std::int32_t, std::int32_t>{geometry->width, geometry->height};
}

HostWindowWatcher::HostWindowWatcher(std::uint32_t window, QObject* parent) : QObject(parent), m_window(window)
{
    m_connection = xcb_connect(nullptr, nullptr);
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_generic_error_t* error = xcb_connection_has_error(m_connection)
        ? nullptr
        : xcb_request_check(m_connection,
                            xcb_change_window_attributes_checked(m_connection, window, XCB_CW_EVENT_MASK, &mask));
    if (error || xcb_connection_has_error(m_connection)) {
        std::free(error);
        QMetaObject::invokeMethod(this, &HostWindowWatcher::reportGone, Qt::QueuedConnection);
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &HostWindowWatcher::readEvents);
    // The select request's round trip may already have queued the window's end.
    QMetaObject::invokeMethod(this, &HostWindowWatcher::readEvents, Qt::QueuedConnection);
}

HostWindowWatcher::~HostWindowWatcher()
{
    m_notifier.reset();
    xcb_disconnect(m_connection);
}

void HostWindowWatcher::readEvents()
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
        const auto kind = event->response_type & 0x7f;
        if (kind == XCB_DESTROY_NOTIFY && reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window == m_window) {
            reportGone();
        } else if (kind == XCB_CONFIGURE_NOTIFY) {
            const auto* configure = reinterpret_cast<xcb_configure_notify_event_t*>(event);
            if (configure->window == m_window && !m_gone)
                emit resized(configure->width, configure->height);
        }
        std::free(event);
    }
    // A lost connection means the server, and the host with it, is gone.
    if (xcb_connection_has_error(m_connection))
        reportGone();
}

void HostWindowWatcher::reportGone()
{
    if (m_gone)
        return;
    m_gone = true;
    if (m_notifier)
        m_notifier->setEnabled(false);
    emit hostDestroyed();
}

} // namespace varnholt
