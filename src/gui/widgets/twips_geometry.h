// SPDX-License-Identifier: MIT
#pragma once

#include "core/forms/twips.h"

#include <QRect>

class QScreen;

namespace varnholt {

// A screen's size in pixels and its twips per pixel, from its logical DPI.
ScreenMetrics screenMetrics(const QScreen& screen);

inline QRect toQRect(const PixelRect& rect)
{
    return {rect.left, rect.top, rect.width, rect.height};
}

} // namespace varnholt
