// SPDX-License-Identifier: MIT
#include "platform/system_clock.h"

#include <ctime>

namespace varnholt {

Instant SystemClock::now() const
{
    timespec time{};
    clock_gettime(CLOCK_REALTIME, &time);
    return {std::int64_t{time.tv_sec}, std::int32_t(time.tv_nsec)};
}

Date SystemClock::today() const
{
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    return Date{std::chrono::year{local.tm_year + 1900}, std::chrono::month{unsigned(local.tm_mon + 1)},
                std::chrono::day{unsigned(local.tm_mday)}};
}

} // namespace varnholt
