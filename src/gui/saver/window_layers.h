// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/saver_controller.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace varnholt {

// What a saver window shows, kept by the window system itself: the two lines as layers that a
// frame only moves, and on some systems the background and the picture under them. The window
// then paints nothing per frame.
class WindowLayers {
public:
    virtual ~WindowLayers() = default;
    // The line's pixels, opaque, in device pixels; shown from now on.
    virtual void showLine(SaverLine line, const QImage& snapshot) = 0;
    // The lines' top-left corners, in logical pixels.
    virtual void moveLines(QPoint title, QPoint timeLeft) = 0;
    // Readies moveLinesOffThread, to be called from another thread while nothing else is asked
    // of the layers, until stopMovingOffThread; false where the layers cannot be moved so.
    virtual bool startMovingOffThread() { return false; }
    // How many frames moveLinesOffThread may be given before they are due: more than one where
    // the window system shows each at its time by itself.
    virtual int framesAhead() const { return 1; }
    // The lines' places in the frame to be shown at `due`; sent by flushOffThread at the latest.
    virtual void moveLinesOffThread(QPoint title, QPoint timeLeft, std::chrono::steady_clock::time_point due) = 0;
    virtual void flushOffThread() {}
    // What moveLinesOffThread was given and is due by now is on the screen, the rest never
    // will be, and both before anything asked from now on.
    virtual void stopMovingOffThread() {}
    // The background colour and the picture (device pixels, null for none) at pictureRect
    // (logical pixels). The same image again (same cache key) is only moved.
    virtual void showBackdrop(QColor background, const QImage& picture, QRect pictureRect) = 0;
    // Whether the backdrop is the layers' (the window paints only what they leave) or the window's own.
    virtual bool drawsBackdrop() const = 0;
};

// Told whether a window can be seen, as the window system reports it.
using SeenChanged = std::function<void(bool seen)>;

// Layers for the full-screen saver's window on this window system, once its native window
// exists and before it is shown; none (the window paints everything) elsewhere.
std::unique_ptr<WindowLayers> makeWindowLayers(QWidget& window, std::int32_t runMode, SeenChanged seen);

} // namespace varnholt
