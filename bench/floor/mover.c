// SPDX-License-Identifier: MIT
// What a frame of the X11 saver costs without a toolkit: a full-screen window with two child
// windows of the saver's lines' size, both moved 64 times a second with one flush, as the
// saver's frames do, and nothing else.
#include <stdint.h>
#include <time.h>
#include <xcb/xcb.h>

enum { TicksPerSecond = 64, LineWidth = 494, LineHeight = 24, Top = 500 };

static void nextTick(struct timespec* due)
{
    due->tv_nsec += 1000000000L / TicksPerSecond;
    if (due->tv_nsec >= 1000000000L) {
        due->tv_nsec -= 1000000000L;
        ++due->tv_sec;
    }
}

int main(void)
{
    xcb_connection_t* connection = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t top = xcb_generate_id(connection);
    const uint32_t black[] = {screen->black_pixel};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, top, screen->root, 0, 0, screen->width_in_pixels,
                      screen->height_in_pixels, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL, black);
    xcb_window_t lines[2];
    for (int i = 0; i < 2; ++i) {
        lines[i] = xcb_generate_id(connection);
        const uint32_t white[] = {screen->white_pixel};
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, lines[i], top, 0, Top + LineHeight * i, LineWidth,
                          LineHeight, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL,
                          white);
        xcb_map_window(connection, lines[i]);
    }
    xcb_map_window(connection, top);
    xcb_flush(connection);
    struct timespec due;
    clock_gettime(CLOCK_MONOTONIC, &due);
    for (uint32_t left = 0;; left = (left + 3) % screen->width_in_pixels) {
        nextTick(&due);
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, NULL);
        for (int i = 0; i < 2; ++i) {
            const uint32_t place[] = {left, (uint32_t)(Top + LineHeight * i)};
            xcb_configure_window(connection, lines[i], XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, place);
        }
        if (xcb_flush(connection) <= 0)
            return 0;
    }
}
