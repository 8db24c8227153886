// SPDX-License-Identifier: MIT
#pragma once

#include "gui/saver/window_layers.h"

#include <array>
#include <chrono>
#include <mutex>
#include <vector>

struct wl_buffer;
struct wl_callback;
struct wl_compositor;
struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_shm;
struct wl_subcompositor;
struct wl_subsurface;
struct wl_surface;

namespace varnholt {

// The lines as subsurfaces of the saver window's surface, each with its snapshot in a shared
// memory buffer attached once: a frame is a position per line and one commit of the window's
// surface, so the compositor sends nothing back and nothing in the process wakes for it. Qt
// keeps painting the background and the picture into the window's own surface.
//
// Now and then a frame also asks for a frame callback; one not answered for a while means the
// compositor shows none of the window (another workspace), and its answer that it is seen again.
// Once the lines are made, frames may go out from any thread: the requests are libwayland's,
// which locks the connection.
class WaylandLayers final : public WindowLayers {
public:
    // None when the compositor lacks what the layers need.
    static std::unique_ptr<WaylandLayers> make(QWidget& window, SeenChanged seen);
    ~WaylandLayers() override;
    WaylandLayers(const WaylandLayers&) = delete;
    WaylandLayers& operator=(const WaylandLayers&) = delete;

    void showLine(SaverLine line, const QImage& snapshot) override;
    void moveLines(QPoint title, QPoint timeLeft) override;
    bool startMovingOffThread() override { return m_parent != nullptr; }
    void moveLinesOffThread(QPoint title, QPoint timeLeft, std::chrono::steady_clock::time_point due) override;
    void showBackdrop(QColor, const QImage&, QRect) override {}
    bool drawsBackdrop() const override { return false; }

    // A frame in this many asks whether the window is seen.
    static constexpr int FramesPerProbe = 32;
    // A probe not answered for this long means the window is not seen.
    static constexpr std::chrono::milliseconds UnseenAfter{400};

private:
    struct Line {
        wl_surface* surface = nullptr;
        wl_subsurface* subsurface = nullptr;
        wl_buffer* buffer = nullptr;
        QImage snapshot;
        QPoint at{-1, -1};
    };

    WaylandLayers(QWidget& window, SeenChanged seen, wl_display* display);
    bool bind();
    // The window's surface once Qt has made it; the lines follow it when Qt makes a new one.
    wl_surface* parentSurface();
    void makeLines(wl_surface* parent);
    void dropLines();
    void attach(Line& line);
    // Asks for a frame callback now and then (true when it did so now).
    bool askForFrame();
    // The callback asked for went unanswered too long, and was not so at the last frame.
    bool wentUnseen();
    void reportSeen(bool seen);
    static void onGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                         std::uint32_t version);
    static void onFrameDone(void* data, wl_callback* callback, std::uint32_t time);

    QWidget& m_window;
    SeenChanged m_seen;
    wl_display* m_display;
    wl_event_queue* m_queue = nullptr;
    wl_registry* m_registry = nullptr;
    wl_compositor* m_compositor = nullptr;
    wl_subcompositor* m_subcompositor = nullptr;
    wl_shm* m_shm = nullptr;
    wl_surface* m_parent = nullptr;
    std::array<Line, 2> m_lines;
    // Replaced buffers, dropped once a commit of the window has put the new ones on the screen.
    std::vector<wl_buffer*> m_retired;
    // The surface's units per logical pixel, as moveLines last found it.
    qreal m_factor = 1;
    // The probe's answer comes on the GUI thread, while frames may go out on another.
    std::mutex m_probeLock;
    wl_callback* m_probe = nullptr;
    std::chrono::steady_clock::time_point m_probeSent;
    int m_framesToProbe = 0;
    bool m_unseen = false;
};

} // namespace varnholt
