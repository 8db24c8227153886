#include "platform/system_clock.h"

#include <ctime>

namespace varnholt {

std::chrono::system_clock::time_point SystemClock::now() const
{
    return std::chrono::system_clock::now();
}

Date SystemClock::today() const
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now());
    std::tm local{};
    localtime_r(&seconds, &local);
    return Date{std::chrono::year{local.tm_year + 1900}, std::chrono::month{unsigned(local.tm_mon + 1)},
                std::chrono::day{unsigned(local.tm_mday)}};
}

} // namespace varnholt
