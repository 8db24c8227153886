// SPDX-License-Identifier: MIT
#include "core/motion/visible_ticks.h"

#include <algorithm>

namespace varnholt {

void VisibleTicks::start(std::chrono::nanoseconds now)
{
    if (m_on)
        return;
    m_on = true;
    m_pacer.start(now);
}

bool VisibleTicks::anySeen() const
{
    return m_windows.empty()
        || std::any_of(m_windows.begin(), m_windows.end(), [](const Entry& entry) { return entry.seen; });
}

template <typename Change>
void VisibleTicks::change(std::chrono::nanoseconds now, Change apply)
{
    const bool before = anySeen();
    apply();
    if (!before && anySeen())
        m_pacer.start(now);
}

void VisibleTicks::addWindow(Window window, std::chrono::nanoseconds now)
{
    change(now, [&] {
        if (std::none_of(m_windows.begin(), m_windows.end(),
                         [window](const Entry& entry) { return entry.window == window; }))
            m_windows.push_back({window, true});
    });
}

void VisibleTicks::removeWindow(Window window, std::chrono::nanoseconds now)
{
    change(now, [&] { std::erase_if(m_windows, [window](const Entry& entry) { return entry.window == window; }); });
}

void VisibleTicks::windowSeen(Window window, bool seen, std::chrono::nanoseconds now)
{
    change(now, [&] {
        for (Entry& entry : m_windows) {
            if (entry.window == window)
                entry.seen = seen;
        }
    });
}

std::int64_t VisibleTicks::ticksDue(std::chrono::nanoseconds now)
{
    return m_on && anySeen() ? m_pacer.ticksDue(now) : 0;
}

std::int64_t VisibleTicks::ticksOwed(std::chrono::nanoseconds now) const
{
    return m_on && anySeen() ? m_pacer.ticksOwed(now) : 0;
}

std::optional<std::chrono::nanoseconds> VisibleTicks::untilNextTick(std::chrono::nanoseconds now) const
{
    if (!m_on || !anySeen())
        return std::nullopt;
    return m_pacer.untilNextTick(now);
}

} // namespace varnholt
