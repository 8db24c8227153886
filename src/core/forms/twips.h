// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

namespace varnholt {

// A control's box in a layout table, in twips from its parent's top left.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The same box on the screen, in pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The one conversion between twips and pixels: through the screen's twips per
// pixel, rounding half to even.
class TwipsGeometry final {
public:
    explicit TwipsGeometry(const ScreenMetrics& screen) : m_screen(screen) {}

    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    int toTwipsX(double pixels) const;
    int toTwipsY(double pixels) const;
    // Each side converted on its own, as the windows were designed.
    PixelRect toPixels(const TwipsRect& rect) const;
    const ScreenMetrics& screen() const { return m_screen; }

private:
    ScreenMetrics m_screen;
};

} // namespace varnholt
