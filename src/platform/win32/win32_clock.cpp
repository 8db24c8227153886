// SPDX-License-Identifier: MIT
#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace varnholt {

Instant Win32Clock::now() const
{
    FILETIME file;
    GetSystemTimePreciseAsFileTime(&file);
    // 100-nanosecond steps since 1601.
    constexpr std::int64_t StepsFrom1601To1970 = 116444736000000000;
    const std::int64_t steps = std::int64_t((std::uint64_t(file.dwHighDateTime) << 32) | file.dwLowDateTime)
        - StepsFrom1601To1970;
    std::int64_t seconds = steps / 10'000'000;
    std::int64_t rest = steps % 10'000'000;
    if (rest < 0) {
        --seconds;
        rest += 10'000'000;
    }
    return Instant{seconds, std::int32_t(rest * 100)};
}

Date Win32Clock::today() const
{
    SYSTEMTIME local;
    GetLocalTime(&local);
    return Date{std::chrono::year(local.wYear), std::chrono::month(local.wMonth), std::chrono::day(local.wDay)};
}

} // namespace varnholt
