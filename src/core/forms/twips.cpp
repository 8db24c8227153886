// SPDX-License-Identifier: MIT
#include "core/forms/twips.h"

#include "core/common/numbers.h"

namespace varnholt {

int TwipsGeometry::toPixelsX(double twips) const
{
    return int(roundHalfEven(twips / m_screen.twipsPerPixelX));
}

int TwipsGeometry::toPixelsY(double twips) const
{
    return int(roundHalfEven(twips / m_screen.twipsPerPixelY));
}

int TwipsGeometry::toTwipsX(double pixels) const
{
    return int(roundHalfEven(pixels * m_screen.twipsPerPixelX));
}

int TwipsGeometry::toTwipsY(double pixels) const
{
    return int(roundHalfEven(pixels * m_screen.twipsPerPixelY));
}

PixelRect TwipsGeometry::toPixels(const TwipsRect& rect) const
{
    return {toPixelsX(rect.left), toPixelsY(rect.top), toPixelsX(rect.width), toPixelsY(rect.height)};
}

} // namespace varnholt
