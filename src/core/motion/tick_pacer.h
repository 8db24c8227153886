// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>

namespace varnholt {

// Paces the movement at 64 ticks per second of wall-clock time, whenever the
// process happens to wake. Times are read from a monotonic clock by the caller.
class TickPacer final {
public:
    static constexpr std::int64_t TicksPerSecond = 64;
    static constexpr std::chrono::nanoseconds TickPeriod{1'000'000'000 / TicksPerSecond};
    // Two seconds of movement: a late frame from a busy system or a slow set-up
    // is caught up in full, while a suspend or a stopped process is not replayed
    // as a burst of thousands of ticks that would freeze the window.
    static constexpr std::int64_t MaxTicksAtOnce = 2 * TicksPerSecond;

    void start(std::chrono::nanoseconds now) { m_accountedUntil = now; }

    // The whole ticks due since the last call (at most MaxTicksAtOnce); the part
    // of a tick not yet due carries over, so the rate does not drift.
    std::int64_t ticksDue(std::chrono::nanoseconds now);
    // What ticksDue would return now, leaving them due.
    std::int64_t ticksOwed(std::chrono::nanoseconds now) const;
    // When the tick `ahead` ticks after those run is due (1: the next one).
    std::chrono::nanoseconds dueTime(std::int64_t ahead) const { return m_accountedUntil + ahead * TickPeriod; }
    // Counts the next `ticks` ticks as run, due or not.
    void takeTicks(std::int64_t ticks) { m_accountedUntil += ticks * TickPeriod; }
    // How long from now until the next tick is due: the time to sleep, so that the
    // process wakes once per tick and always on the grid of due times.
    std::chrono::nanoseconds untilNextTick(std::chrono::nanoseconds now) const;

private:
    std::int64_t wholeTicksSince(std::chrono::nanoseconds now) const;

    std::chrono::nanoseconds m_accountedUntil{0};
};

} // namespace varnholt
