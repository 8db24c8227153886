#pragma once

#include "core/common/services.h"

class QWidget;

namespace varnholt {

// Places controls from twips tables through the screen's twips per pixel.
class TwipsGeometry final {
public:
    explicit TwipsGeometry(const ScreenMetrics& screen) : m_screen(screen) {}

    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;
    int toTwipsX(int pixels) const;
    void place(QWidget* widget, int left, int top, int width, int height) const;

private:
    ScreenMetrics m_screen;
};

} // namespace varnholt
