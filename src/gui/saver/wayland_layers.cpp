// SPDX-License-Identifier: MIT
#include "gui/saver/wayland_layers.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace varnholt {

namespace {

QPlatformNativeInterface* native()
{
    return QGuiApplication::platformNativeInterface();
}

// The compositor's scale of the window's output, which Qt's own buffers use; Qt's scale factor
// on top of it makes the window's device pixel ratio.
qreal outputScale(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return handle && handle->handle() ? handle->handle()->devicePixelRatio() : 1.0;
}

// The snapshot in a buffer of its own; the compositor keeps its own mapping of the memory.
wl_buffer* bufferOf(wl_shm* shm, const QImage& image)
{
    const int stride = image.width() * 4;
    const int size = stride * image.height();
    const int fd = memfd_create("varnholt-line", MFD_CLOEXEC);
    if (fd < 0)
        return nullptr;
    wl_buffer* buffer = nullptr;
    void* memory = MAP_FAILED;
    if (ftruncate(fd, size) == 0)
        memory = mmap(nullptr, std::size_t(size), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (memory != MAP_FAILED) {
        // Qt's RGB32 is 0xffRRGGBB in the machine's byte order, as XRGB8888 is.
        for (int y = 0; y < image.height(); ++y)
            std::memcpy(static_cast<uchar*>(memory) + std::ptrdiff_t(y) * stride, image.constScanLine(y),
                        std::size_t(stride));
        munmap(memory, std::size_t(size));
        wl_shm_pool* pool = wl_shm_create_pool(shm, fd, size);
        buffer = wl_shm_pool_create_buffer(pool, 0, image.width(), image.height(), stride, WL_SHM_FORMAT_XRGB8888);
        wl_shm_pool_destroy(pool);
    }
    close(fd);
    return buffer;
}

} // namespace

std::unique_ptr<WaylandLayers> WaylandLayers::make(QWidget& window, SeenChanged seen)
{
    auto* display = native() ? static_cast<wl_display*>(native()->nativeResourceForIntegration("wl_display")) : nullptr;
    if (!display)
        return nullptr;
    std::unique_ptr<WaylandLayers> layers(new WaylandLayers(window, std::move(seen), display));
    if (!layers->bind())
        return nullptr;
    return layers;
}

WaylandLayers::WaylandLayers(QWidget& window, SeenChanged seen, wl_display* display)
    : m_window(window), m_seen(std::move(seen)), m_display(display)
{
}

WaylandLayers::~WaylandLayers()
{
    dropLines();
    for (wl_buffer* buffer : m_retired)
        wl_buffer_destroy(buffer);
    if (m_shm)
        wl_shm_destroy(m_shm);
    if (m_subcompositor)
        wl_subcompositor_destroy(m_subcompositor);
    if (m_compositor)
        wl_compositor_destroy(m_compositor);
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_queue) {
        wl_display_flush(m_display);
        wl_event_queue_destroy(m_queue);
    }
}

// The globals Qt does not hand out, bound on a queue of our own so that their events never
// reach Qt's dispatching.
bool WaylandLayers::bind()
{
    m_queue = wl_display_create_queue(m_display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(m_display));
    if (!m_queue || !wrapper)
        return false;
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), m_queue);
    m_registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    static const wl_registry_listener listener{&WaylandLayers::onGlobal, [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry_add_listener(m_registry, &listener, this);
    if (wl_display_roundtrip_queue(m_display, m_queue) < 0)
        return false;
    return m_compositor && m_subcompositor && m_shm;
}

void WaylandLayers::onGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                             std::uint32_t version)
{
    auto* self = static_cast<WaylandLayers*>(data);
    const auto bound = [&](const wl_interface& wanted, std::uint32_t atMost) {
        return wl_registry_bind(registry, name, &wanted, std::min(version, atMost));
    };
    // Version 3 for the buffer scale of the pixel density.
    if (std::strcmp(interface, wl_compositor_interface.name) == 0 && version >= 3 && !self->m_compositor)
        self->m_compositor = static_cast<wl_compositor*>(bound(wl_compositor_interface, 4));
    else if (std::strcmp(interface, wl_subcompositor_interface.name) == 0 && !self->m_subcompositor)
        self->m_subcompositor = static_cast<wl_subcompositor*>(bound(wl_subcompositor_interface, 1));
    else if (std::strcmp(interface, wl_shm_interface.name) == 0 && !self->m_shm)
        self->m_shm = static_cast<wl_shm*>(bound(wl_shm_interface, 1));
}

wl_surface* WaylandLayers::parentSurface()
{
    QWindow* handle = m_window.windowHandle();
    auto* surface = handle ? static_cast<wl_surface*>(native()->nativeResourceForWindow("surface", handle)) : nullptr;
    if (surface == m_parent)
        return surface;
    dropLines();
    // The probe went with the old surface: the new one starts out seen, with a probe of its own.
    if (m_unseen) {
        m_unseen = false;
        m_seen(true);
    }
    // Before Qt's first buffer a commit of ours would map the window empty. Later Qt calls the
    // window unexposed when its own frame callbacks go unanswered; the lines and the probes go on.
    if (!surface || !handle->isExposed())
        return nullptr;
    m_parent = surface;
    makeLines(surface);
    return surface;
}

void WaylandLayers::makeLines(wl_surface* parent)
{
    wl_region* nowhere = wl_compositor_create_region(m_compositor);
    for (Line& line : m_lines) {
        line.surface = wl_compositor_create_surface(m_compositor);
        // The pointer and its moves go to the window, which ends the saver on them.
        wl_surface_set_input_region(line.surface, nowhere);
        line.subsurface = wl_subcompositor_get_subsurface(m_subcompositor, line.surface, parent);
        line.at = QPoint(-1, -1);
        attach(line);
    }
    wl_region_destroy(nowhere);
}

void WaylandLayers::dropLines()
{
    if (m_probe) {
        wl_callback_destroy(m_probe);
        m_probe = nullptr;
    }
    for (Line& line : m_lines) {
        if (line.subsurface)
            wl_subsurface_destroy(line.subsurface);
        if (line.surface)
            wl_surface_destroy(line.surface);
        if (line.buffer)
            wl_buffer_destroy(line.buffer);
        line.subsurface = nullptr;
        line.surface = nullptr;
        line.buffer = nullptr;
    }
    m_parent = nullptr;
}

void WaylandLayers::showLine(SaverLine line, const QImage& snapshot)
{
    Line& shown = m_lines[line == SaverLine::Title ? 0 : 1];
    shown.snapshot = snapshot.convertToFormat(QImage::Format_RGB32);
    attach(shown);
}

// Held by the line's surface until the next commit of the window, as a subsurface's state is.
void WaylandLayers::attach(Line& line)
{
    if (!line.surface)
        return;
    if (line.buffer)
        m_retired.push_back(line.buffer);
    line.buffer = line.snapshot.isNull() ? nullptr : bufferOf(m_shm, line.snapshot);
    wl_surface_attach(line.surface, line.buffer, 0, 0);
    if (line.buffer) {
        wl_surface_set_buffer_scale(line.surface, std::max(1, qRound(outputScale(m_window))));
        wl_surface_damage(line.surface, 0, 0, INT_MAX, INT_MAX);
    }
    wl_surface_commit(line.surface);
}

void WaylandLayers::moveLines(QPoint title, QPoint timeLeft)
{
    if (!parentSurface())
        return;
    // The surface's own units are the compositor's, Qt's logical pixels times its scale factor.
    m_factor = m_window.devicePixelRatio() / outputScale(m_window);
    moveLinesOffThread(title, timeLeft, std::chrono::steady_clock::now());
}

// Sent at once: given one frame ahead at most, each is due when given.
void WaylandLayers::moveLinesOffThread(QPoint title, QPoint timeLeft, std::chrono::steady_clock::time_point)
{
    // What our objects were sent (buffer releases, outputs entered) has no use: dropped unread.
    wl_display_dispatch_queue_pending(m_display, m_queue);
    bool changed = !m_retired.empty();
    const std::array<QPoint, 2> places{(QPointF(title) * m_factor).toPoint(), (QPointF(timeLeft) * m_factor).toPoint()};
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].at == places[i])
            continue;
        m_lines[i].at = places[i];
        wl_subsurface_set_position(m_lines[i].subsurface, places[i].x(), places[i].y());
        changed = true;
    }
    if (askForFrame())
        changed = true;
    if (changed)
        wl_surface_commit(m_parent);
    for (wl_buffer* buffer : m_retired)
        wl_buffer_destroy(buffer);
    m_retired.clear();
    wl_display_flush(m_display);
    if (wentUnseen())
        reportSeen(false);
}

// On the window's own surface, so on Qt's default queue: the answer is dispatched on the GUI
// thread, in the one wake-up that the compositor's message costs.
bool WaylandLayers::askForFrame()
{
    const std::lock_guard lock(m_probeLock);
    if (m_probe || --m_framesToProbe > 0)
        return false;
    m_framesToProbe = FramesPerProbe;
    m_probe = wl_surface_frame(m_parent);
    static const wl_callback_listener listener{&WaylandLayers::onFrameDone};
    wl_callback_add_listener(m_probe, &listener, this);
    m_probeSent = std::chrono::steady_clock::now();
    return true;
}

bool WaylandLayers::wentUnseen()
{
    const std::lock_guard lock(m_probeLock);
    if (!m_probe || m_unseen || std::chrono::steady_clock::now() - m_probeSent <= UnseenAfter)
        return false;
    m_unseen = true;
    return true;
}

// Always later, on the GUI thread: the window's driver stops the frames, which may be running this one.
void WaylandLayers::reportSeen(bool seen)
{
    QMetaObject::invokeMethod(
        &m_window, [this, seen] { m_seen(seen); }, Qt::QueuedConnection);
}

void WaylandLayers::onFrameDone(void* data, wl_callback* callback, std::uint32_t)
{
    auto* self = static_cast<WaylandLayers*>(data);
    bool seenAgain = false;
    {
        const std::lock_guard lock(self->m_probeLock);
        wl_callback_destroy(callback);
        self->m_probe = nullptr;
        seenAgain = self->m_unseen;
        self->m_unseen = false;
    }
    if (seenAgain)
        self->m_seen(true);
}

} // namespace varnholt
