// varnholt-test-host --title T --size WxH [--framed] [--watch-activation]: a mapped
// top-level window with that title and size, standing in for a host that embeds a
// preview. Prints the window's decimal id and stays until SIGTERM. --framed puts it
// inside an untitled parent, as a reparenting window manager does.
// --watch-activation listens at the root as a window manager would and prints
// "activate ID" for each _NET_ACTIVE_WINDOW request.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Options {
    std::string title;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    bool framed = false;
    bool watchActivation = false;
};

[[noreturn]] void usage()
{
    std::fprintf(stderr, "usage: varnholt-test-host --title T --size WxH [--framed] [--watch-activation]\n");
    std::exit(2);
}

Options parse(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--framed") {
            options.framed = true;
        } else if (arg == "--watch-activation") {
            options.watchActivation = true;
        } else if (arg == "--title" && i + 1 < argc) {
            options.title = argv[++i];
        } else if (arg == "--size" && i + 1 < argc) {
            unsigned width = 0, height = 0;
            if (std::sscanf(argv[++i], "%ux%u", &width, &height) != 2 || width == 0 || height == 0 || width > 32767
                || height > 32767)
                usage();
            options.width = static_cast<std::uint16_t>(width);
            options.height = static_cast<std::uint16_t>(height);
        } else {
            usage();
        }
    }
    if (options.width == 0)
        usage();
    return options;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

xcb_window_t createWindow(xcb_connection_t* connection, xcb_window_t parent, const xcb_screen_t& screen,
                          const Options& options)
{
    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t values[] = {screen.black_pixel};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, parent, 0, 0, options.width, options.height, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen.root_visual, XCB_CW_BACK_PIXEL, values);
    xcb_map_window(connection, window);
    return window;
}

void printActivation(const xcb_generic_event_t* event, xcb_atom_t activeWindow)
{
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return;
    const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
    if (message->type != activeWindow)
        return;
    std::printf("activate %u\n", message->window);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    const Options options = parse(argc, argv);
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "varnholt-test-host: cannot open the display\n");
        return 1;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_screen_t& screen = *screens.data;

    const xcb_window_t parent = options.framed ? createWindow(connection, screen.root, screen, options) : screen.root;
    const xcb_window_t window = createWindow(connection, parent, screen, options);
    const auto length = static_cast<std::uint32_t>(options.title.size());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, length,
                        options.title.data());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom(connection, "_NET_WM_NAME"),
                        atom(connection, "UTF8_STRING"), 8, length, options.title.data());
    if (options.watchActivation) {
        // Requests sent to the root reach every client that selects substructure events there.
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, screen.root, XCB_CW_EVENT_MASK, &mask);
    }
    const xcb_atom_t activeWindow = atom(connection, "_NET_ACTIVE_WINDOW");
    // The round trip makes sure the server holds the titled window before its id is told.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    std::printf("%u\n", window);
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        printActivation(event, activeWindow);
        std::free(event);
    }
    return 1; // the server went away
}
