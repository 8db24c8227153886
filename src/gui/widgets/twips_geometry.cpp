#include "gui/widgets/twips_geometry.h"

#include "core/common/numbers.h"

#include <QWidget>

namespace varnholt {

int TwipsGeometry::toPixelsX(int twips) const
{
    return int(roundHalfEven(twips / m_screen.twipsPerPixelX));
}

int TwipsGeometry::toPixelsY(int twips) const
{
    return int(roundHalfEven(twips / m_screen.twipsPerPixelY));
}

int TwipsGeometry::toTwipsX(int pixels) const
{
    return int(roundHalfEven(pixels * m_screen.twipsPerPixelX));
}

void TwipsGeometry::place(QWidget* widget, int left, int top, int width, int height) const
{
    widget->setGeometry(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

} // namespace varnholt
