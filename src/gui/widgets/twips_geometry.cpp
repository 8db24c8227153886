#include "gui/widgets/twips_geometry.h"

#include "core/common/numbers.h"

#include <QScreen>

namespace varnholt {

ScreenMetrics screenMetrics(const QScreen& screen)
{
    const QRect geometry = screen.geometry();
    return {geometry.width(), geometry.height(), 1440.0 / screen.logicalDotsPerInchX(),
            1440.0 / screen.logicalDotsPerInchY()};
}

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

QRect TwipsGeometry::toPixels(const TwipsRect& rect) const
{
    return {toPixelsX(rect.left), toPixelsY(rect.top), toPixelsX(rect.width), toPixelsY(rect.height)};
}

} // namespace varnholt
