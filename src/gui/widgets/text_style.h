// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/settings_record.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <string_view>

namespace varnholt {

// The program's texts, and the fields of the form tables, are UTF-8.
inline QString qString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Stored colours are 24-bit RGB with red in the low byte.
QColor colourFromStored(std::int32_t stored);
std::int32_t storedFromColour(const QColor& colour);

QFont fontOfEntry(const SettingsRecord& record, int i);

} // namespace varnholt
