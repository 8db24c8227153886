#pragma once

#include "core/settings/settings_record.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace varnholt {

// The program's texts are UTF-8.
inline QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

// Stored colours are 24-bit RGB with red in the low byte.
QColor colourFromStored(std::int32_t stored);
std::int32_t storedFromColour(const QColor& colour);

// The font of entry i of a record that carries the seven font fields.
template <typename Record>
QFont fontOfEntry(const Record& record, int i)
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

} // namespace varnholt
