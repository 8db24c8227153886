// SPDX-License-Identifier: MIT
#pragma once

#include "gui/saver/window_layers.h"

#include <QAbstractNativeEventFilter>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QWidget;
struct xcb_connection_t;

namespace varnholt {

class X11PacedConnection;

// The saver window's lines and picture as child windows of its X window, each with its pixels
// as the server-side background pixmap, and the background colour as the window's own
// background: a frame is one ConfigureWindow per line, and the X server repaints what a move
// uncovers from what it already holds. Children select no events, so pointer events reach the
// saver window. Also reports whether the window is fully covered (VisibilityNotify). Frames
// from another thread go out on a connection of their own, held in the server to their time
// where it can (X11PacedConnection).
class X11Layers final : public WindowLayers, private QAbstractNativeEventFilter {
public:
    // None when the window's visual is not one whose pixels are a QImage's RGB32 as they are.
    static std::unique_ptr<X11Layers> make(QWidget& window, SeenChanged seen);
    ~X11Layers() override;

    void showLine(SaverLine line, const QImage& snapshot) override;
    void moveLines(QPoint title, QPoint timeLeft) override;
    bool startMovingOffThread() override;
    int framesAhead() const override;
    void moveLinesOffThread(QPoint title, QPoint timeLeft, std::chrono::steady_clock::time_point due) override;
    void flushOffThread() override;
    void stopMovingOffThread() override;
    void showBackdrop(QColor background, const QImage& picture, QRect pictureRect) override;
    bool drawsBackdrop() const override { return true; }

    // Half a second of frames held in the server: the program wakes twice a second.
    static constexpr int FramesAhead = 32;

private:
    // A child window showing an image, at a place in device pixels.
    struct Layer {
        std::uint32_t window = 0;
        QPoint place{-1, -1};
        QSize size;
        bool mapped = false;
        qint64 imageKey = 0;
    };

    X11Layers(QWidget& window, xcb_connection_t* connection, std::uint8_t depth, SeenChanged seen);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    void dropExposures();
    void show(Layer& layer, const QImage& image);
    // The layer's place in device pixels, when it is not there yet.
    std::optional<QPoint> newPlace(Layer& layer, QPoint logical);
    void move(Layer& layer, QPoint logical);
    std::uint32_t eventMask() const;
    void setEventMask(std::uint32_t mask);

    QWidget& m_window;
    xcb_connection_t* m_connection;
    // Another thread's moves, from startMovingOffThread on.
    std::unique_ptr<X11PacedConnection> m_offThread;
    std::uint32_t m_parent;
    std::uint8_t m_depth;
    SeenChanged m_seen;
    Layer m_picture;
    std::array<Layer, 2> m_lines;
    // The window's pixel density when the layers were last shown, for moves from any thread.
    qreal m_pixelRatio = 1;
    std::uint32_t m_backgroundPixel = 0;
    bool m_backgroundSet = false;
    bool m_exposuresDropped = false;
};

} // namespace varnholt
