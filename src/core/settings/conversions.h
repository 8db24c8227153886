// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <cstdint>
#include <optional>
#include <string>

namespace varnholt {

// Stored text to field types: numbers are rounded half to even and may be
// surrounded by blanks; nothing when the text is no number or out of range.
std::optional<std::int16_t> int16FromText(const std::string& text);
std::optional<std::int32_t> int32FromText(const std::string& text);
// "True"/"False" in any case, or a number (0 false, anything else true).
std::optional<bool> boolFromText(const std::string& text);

std::string textFromBool(bool value);
std::string textFromNumber(std::int64_t value);
// The stored form of a date: yyyy-MM-dd in ASCII digits, which every locale reads alike.
std::string textFromDate(Date date);

} // namespace varnholt
