// SPDX-License-Identifier: MIT
#pragma once

#include "core/motion/tick_pacer.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace varnholt {

// The ticks of a run whose windows may be out of sight. They run, paced by the wall clock,
// while the run is on and at least one of its windows can be seen. When one is seen again they
// restart from then: the block goes on from where it stopped, with no catch-up of the time
// nobody saw. A window not reported on counts as seen.
class VisibleTicks final {
public:
    using Window = const void*;

    // The run's ticks start; a run already on keeps its pace.
    void start(std::chrono::nanoseconds now);
    void stop() { m_on = false; }
    bool on() const { return m_on; }

    void addWindow(Window window, std::chrono::nanoseconds now);
    void removeWindow(Window window, std::chrono::nanoseconds now);
    void windowSeen(Window window, bool seen, std::chrono::nanoseconds now);

    std::int64_t ticksDue(std::chrono::nanoseconds now);
    // What ticksDue would return now, leaving them due.
    std::int64_t ticksOwed(std::chrono::nanoseconds now) const;
    // As the pacer's, while the ticks run.
    std::chrono::nanoseconds dueTime(std::int64_t ahead) const { return m_pacer.dueTime(ahead); }
    void takeTicks(std::int64_t ticks) { m_pacer.takeTicks(ticks); }
    // How long to sleep until the next tick; nothing while no tick is to run.
    std::optional<std::chrono::nanoseconds> untilNextTick(std::chrono::nanoseconds now) const;

private:
    struct Entry {
        Window window;
        bool seen;
    };

    bool anySeen() const;
    // Applies a change of which windows are seen: a run coming back into sight restarts its pace.
    template <typename Change>
    void change(std::chrono::nanoseconds now, Change apply);

    TickPacer m_pacer;
    std::vector<Entry> m_windows;
    bool m_on = false;
};

} // namespace varnholt
