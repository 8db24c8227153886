// SPDX-License-Identifier: MIT
#pragma once

#include "core/timeleft/time_left.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt {

enum class CountdownFormat { Lines, OneLine, Json };

// What varnholt-countdown prints for the outputs of today, daysToTarget days
// before the Target Date (negative after it), newline included.
std::string countdownText(const TimeLeftOutputs& outputs, std::int64_t daysToTarget, CountdownFormat format);

// A JSON string literal, quotes included; control characters escaped.
std::string jsonString(std::string_view text);

} // namespace varnholt
