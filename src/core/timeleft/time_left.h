// SPDX-License-Identifier: MIT
#pragma once

#include "core/timeleft/date_rules.h"

#include <cstdint>
#include <string>

namespace varnholt {

enum TimeLeftStateValue : std::int16_t { DateAhead = 0, DateToday = 1, DatePassed = 2 };

struct TimeLeftOutputs {
    std::string TitleLine;
    std::string TimeLeftLine;
    std::int16_t TimeLeftState = DateAhead;
    std::string DaysSuffix;
};

struct EventTexts {
    std::string Title;
    std::string Target;
    std::string TargetPassed;
    std::int16_t IncludeDays = 0;
};

// The two display lines for today and the Target Date.
TimeLeftOutputs calculateTimeLeft(Date today, Date target, const EventTexts& texts);

// The message shown when the Target Date does not convert (lines joined by CR LF).
std::string dateCalculationErrorText();

} // namespace varnholt
