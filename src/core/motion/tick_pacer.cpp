// SPDX-License-Identifier: MIT
#include "core/motion/tick_pacer.h"

#include <algorithm>

namespace varnholt {

static_assert(TickPacer::TickPeriod * TickPacer::TicksPerSecond == std::chrono::seconds{1},
              "a tick must be a whole number of nanoseconds");

std::int64_t TickPacer::ticksDue(std::chrono::nanoseconds now)
{
    if (now < m_accountedUntil)
        return 0;
    const std::int64_t due = (now - m_accountedUntil) / TickPeriod;
    m_accountedUntil += due * TickPeriod;
    return std::min(due, MaxTicksAtOnce);
}

std::chrono::nanoseconds TickPacer::untilNextTick(std::chrono::nanoseconds now) const
{
    return std::max(m_accountedUntil + TickPeriod - now, std::chrono::nanoseconds{0});
}

} // namespace varnholt
