// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>

namespace varnholt {

using Date = std::chrono::year_month_day;

// Days from a to b (negative when b is earlier).
std::int64_t dayDifference(Date a, Date b);
// Month boundaries crossed from a to b; the days are ignored.
std::int32_t monthDifference(Date a, Date b);
// Moves by k months, keeping the day or taking the month's last day.
Date addMonths(Date date, std::int32_t k);

// The supported range, both ends included.
inline constexpr Date FirstSupportedDate{std::chrono::year{1753}, std::chrono::January, std::chrono::day{1}};
inline constexpr Date LastSupportedDate{std::chrono::year{9999}, std::chrono::December, std::chrono::day{31}};
bool DateInRange(Date date);

} // namespace varnholt
