#pragma once

#include <chrono>
#include <cstdint>

namespace varnholt {

// Turns a platform timer of any real rate into 64 movement ticks per second of
// wall-clock time. Times are read from a monotonic clock by the caller.
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

private:
    std::chrono::nanoseconds m_accountedUntil{0};
};

} // namespace varnholt
