#include "gui/widgets/text_style.h"

namespace varnholt {

QColor colourFromStored(std::int32_t stored)
{
    const auto value = static_cast<std::uint32_t>(stored);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

std::int32_t storedFromColour(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

} // namespace varnholt
