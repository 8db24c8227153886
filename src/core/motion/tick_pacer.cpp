// SPDX-License-Identifier: MIT
#include "core/motion/tick_pacer.h"

#include <algorithm>

namespace varnholt {

static_assert(TickPacer::TickPeriod * TickPacer::TicksPerSecond == std::chrono::seconds{1},
              "a tick must be a whole number of nanoseconds");

std::int64_t TickPacer::wholeTicksSince(std::chrono::nanoseconds now) const
{
    return now < m_accountedUntil ? 0 : (now - m_accountedUntil) / TickPeriod;
}

std::int64_t TickPacer::ticksDue(std::chrono::nanoseconds now)
{
    const std::int64_t due = wholeTicksSince(now);
    m_accountedUntil += due * TickPeriod;
    return std::min(due, MaxTicksAtOnce);
}

std::int64_t TickPacer::ticksOwed(std::chrono::nanoseconds now) const
{
    return std::min(wholeTicksSince(now), MaxTicksAtOnce);
}

std::chrono::nanoseconds TickPacer::untilNextTick(std::chrono::nanoseconds now) const
{
    return std::max(m_accountedUntil + TickPeriod - now, std::chrono::nanoseconds{0});
}

} // namespace varnholt
