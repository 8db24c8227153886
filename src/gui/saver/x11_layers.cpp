// SPDX-License-Identifier: MIT
#include "gui/saver/x11_layers.h"

#include "gui/saver/x11_paced_connection.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace varnholt {

namespace {

// The depth of a window whose pixels are 32 bits, little-endian 0x00RRGGBB: a QImage's RGB32.
std::uint8_t rgb32Depth(xcb_connection_t* connection, std::uint32_t window)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || std::endian::native != std::endian::little)
        return 0;
    auto* attributes = xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window),
                                                       nullptr);
    auto* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    const xcb_visualid_t visualId = attributes ? attributes->visual : 0;
    const std::uint8_t depth = geometry ? geometry->depth : 0;
    std::free(attributes);
    std::free(geometry);
    if (depth != 24)
        return 0;
    bool thirtyTwoBits = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format))
        thirtyTwoBits |= format.data->depth == depth && format.data->bits_per_pixel == 32;
    if (!thirtyTwoBits)
        return 0;
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem; xcb_screen_next(&screen)) {
        for (auto depths = xcb_screen_allowed_depths_iterator(screen.data); depths.rem; xcb_depth_next(&depths)) {
            for (auto visual = xcb_depth_visuals_iterator(depths.data); visual.rem; xcb_visualtype_next(&visual)) {
                const xcb_visualtype_t& found = *visual.data;
                if (found.visual_id == visualId)
                    return found._class == XCB_VISUAL_CLASS_TRUE_COLOR && found.red_mask == 0xff0000
                            && found.green_mask == 0xff00 && found.blue_mask == 0xff
                        ? depth
                        : 0;
            }
        }
    }
    return 0;
}

} // namespace

std::unique_ptr<X11Layers> X11Layers::make(QWidget& window, SeenChanged seen)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return nullptr;
    const std::uint8_t depth = rgb32Depth(connection, std::uint32_t(window.winId()));
    if (!depth)
        return nullptr;
    return std::unique_ptr<X11Layers>(new X11Layers(window, connection, depth, std::move(seen)));
}

X11Layers::X11Layers(QWidget& window, xcb_connection_t* connection, std::uint8_t depth, SeenChanged seen)
    : m_window(window),
      m_connection(connection),
      m_parent(std::uint32_t(window.winId())),
      m_depth(depth),
      m_seen(std::move(seen))
{
    // Created in stacking order: the picture under the lines.
    for (Layer* layer : {&m_picture, &m_lines[0], &m_lines[1]}) {
        layer->window = xcb_generate_id(m_connection);
        const std::uint32_t values[] = {XCB_BACK_PIXMAP_NONE, 0};
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, layer->window, m_parent, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXMAP | XCB_CW_EVENT_MASK,
                          values);
    }
    setEventMask(eventMask() | XCB_EVENT_MASK_VISIBILITY_CHANGE);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11Layers::~X11Layers()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
    for (const Layer* layer : {&m_picture, &m_lines[0], &m_lines[1]})
        xcb_destroy_window(m_connection, layer->window);
    xcb_flush(m_connection);
}

std::uint32_t X11Layers::eventMask() const
{
    auto* attributes = xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, m_parent),
                                                       nullptr);
    const std::uint32_t mask = attributes ? attributes->your_event_mask : 0;
    std::free(attributes);
    return mask;
}

void X11Layers::setEventMask(std::uint32_t mask)
{
    xcb_change_window_attributes(m_connection, m_parent, XCB_CW_EVENT_MASK, &mask);
}

void X11Layers::show(Layer& layer, const QImage& image)
{
    layer.imageKey = image.cacheKey();
    if (image.isNull()) {
        if (layer.mapped)
            xcb_unmap_window(m_connection, layer.window);
        layer.mapped = false;
        return;
    }
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const auto width = std::uint16_t(pixels.width());
    const auto height = std::uint16_t(pixels.height());
    const xcb_pixmap_t pixmap = xcb_generate_id(m_connection);
    xcb_create_pixmap(m_connection, m_depth, pixmap, m_parent, width, height);
    const xcb_gcontext_t gc = xcb_generate_id(m_connection);
    xcb_create_gc(m_connection, gc, pixmap, 0, nullptr);
    // In strips that each fit one request.
    const std::size_t maxBytes = std::size_t(xcb_get_maximum_request_length(m_connection)) * 4 - 64;
    const int rowsPerStrip = std::max(1, int(maxBytes / std::size_t(pixels.bytesPerLine())));
    for (int top = 0; top < height; top += rowsPerStrip) {
        const int rows = std::min(rowsPerStrip, height - top);
        xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, width, std::uint16_t(rows), 0,
                      std::int16_t(top), 0, m_depth, std::uint32_t(rows * pixels.bytesPerLine()),
                      pixels.constScanLine(top));
    }
    xcb_free_gc(m_connection, gc);
    // The window keeps the pixmap as long as it needs it.
    xcb_change_window_attributes(m_connection, layer.window, XCB_CW_BACK_PIXMAP, &pixmap);
    xcb_free_pixmap(m_connection, pixmap);
    if (layer.size != pixels.size()) {
        layer.size = pixels.size();
        const std::uint32_t size[] = {width, height};
        xcb_configure_window(m_connection, layer.window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
    }
    if (layer.mapped) {
        xcb_clear_area(m_connection, 0, layer.window, 0, 0, 0, 0);
    } else {
        xcb_map_window(m_connection, layer.window);
        layer.mapped = true;
    }
}

std::optional<QPoint> X11Layers::newPlace(Layer& layer, QPoint logical)
{
    const QPoint place(qRound(logical.x() * m_pixelRatio), qRound(logical.y() * m_pixelRatio));
    if (place == layer.place)
        return std::nullopt;
    layer.place = place;
    return place;
}

void X11Layers::move(Layer& layer, QPoint logical)
{
    if (const std::optional<QPoint> place = newPlace(layer, logical))
        moveWindow(m_connection, layer.window, place->x(), place->y());
}

void X11Layers::showLine(SaverLine line, const QImage& snapshot)
{
    m_pixelRatio = m_window.devicePixelRatio();
    show(m_lines[line == SaverLine::Title ? 0 : 1], snapshot);
}

void X11Layers::moveLines(QPoint title, QPoint timeLeft)
{
    move(m_lines[0], title);
    move(m_lines[1], timeLeft);
    // The toolkit sends its own requests only when its buffer fills or it waits for a reply.
    xcb_flush(m_connection);
}

bool X11Layers::startMovingOffThread()
{
    if (!m_offThread)
        m_offThread = X11PacedConnection::open();
    if (!m_offThread)
        return false;
    // Requests on two connections are carried out in no set order.
    waitForServer(m_connection);
    return true;
}

int X11Layers::framesAhead() const
{
    return m_offThread && m_offThread->paced() ? FramesAhead : 1;
}

void X11Layers::moveLinesOffThread(QPoint title, QPoint timeLeft, std::chrono::steady_clock::time_point due)
{
    if (m_offThread->paced())
        m_offThread->holdUntil(due);
    for (auto [layer, logical] : {std::pair{&m_lines[0], title}, std::pair{&m_lines[1], timeLeft}}) {
        if (const std::optional<QPoint> place = newPlace(*layer, logical))
            m_offThread->moveWindow(layer->window, place->x(), place->y());
    }
}

void X11Layers::flushOffThread()
{
    m_offThread->flush();
}

void X11Layers::stopMovingOffThread()
{
    if (!m_offThread->paced()) {
        m_offThread->sync();
        return;
    }
    m_offThread->dropHeldFrames(m_connection);
    m_offThread.reset();
    // Where the server left them depends on which held frames it showed.
    for (Layer& line : m_lines)
        line.place = QPoint(-1, -1);
}

void X11Layers::dropExposures()
{
    m_exposuresDropped = true;
    setEventMask(eventMask() & ~std::uint32_t(XCB_EVENT_MASK_EXPOSURE));
    xcb_flush(m_connection);
}

void X11Layers::showBackdrop(QColor background, const QImage& picture, QRect pictureRect)
{
    m_pixelRatio = m_window.devicePixelRatio();
    const std::uint32_t pixel = background.rgb() & 0xffffff;
    if (!m_backgroundSet || pixel != m_backgroundPixel) {
        m_backgroundSet = true;
        m_backgroundPixel = pixel;
        xcb_change_window_attributes(m_connection, m_parent, XCB_CW_BACK_PIXEL, &pixel);
        // The toolkit paints none of the window: the server does, now and at every exposure.
        xcb_clear_area(m_connection, 0, m_parent, 0, 0, 0, 0);
    }
    if (picture.isNull() || picture.cacheKey() != m_picture.imageKey)
        show(m_picture, picture);
    if (!picture.isNull())
        move(m_picture, pictureRect.topLeft());
}

bool X11Layers::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const auto type = event->response_type & 0x7f;
    // Once the toolkit knows the window is shown, the server repaints it from its background
    // alone: the exposures each move makes would only wake the program.
    if (type == XCB_EXPOSE && !m_exposuresDropped
        && reinterpret_cast<const xcb_expose_event_t*>(event)->window == m_parent) {
        dropExposures();
        return false;
    }
    if (type != XCB_VISIBILITY_NOTIFY)
        return false;
    const auto* visibility = reinterpret_cast<const xcb_visibility_notify_event_t*>(event);
    if (visibility->window == m_parent && m_seen)
        m_seen(visibility->state != XCB_VISIBILITY_FULLY_OBSCURED);
    return false;
}

} // namespace varnholt
