// SPDX-License-Identifier: MIT
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

QFont fontOfEntry(const SettingsRecord& record, int i);

} // namespace varnholt
