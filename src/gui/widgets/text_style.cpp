// SPDX-License-Identifier: MIT
#include "gui/widgets/text_style.h"

namespace varnholt {

QColor colourFromStored(std::int32_t stored)
{
    const auto value = static_cast<std::uint32_t>(stored);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QFont fontOfEntry(const SettingsRecord& record, int i)
{
    QFont font(QString::fromStdString(record.TextFontName[i]));
    // A size below one point cannot be drawn; show the smallest that can.
    font.setPointSize(record.TextFontSize[i] < 1 ? 1 : record.TextFontSize[i]);
    font.setBold(record.TextFontBold[i]);
    font.setItalic(record.TextFontItalic[i]);
    font.setStrikeOut(record.TextFontStrikethru[i]);
    font.setUnderline(record.TextFontUnderline[i]);
    return font;
}

std::int32_t storedFromColour(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

} // namespace varnholt
