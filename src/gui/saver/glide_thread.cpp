// SPDX-License-Identifier: MIT
#include "gui/saver/glide_thread.h"

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace varnholt {

namespace {

constexpr std::chrono::nanoseconds Tick = TickPacer::TickPeriod;

void sleepUntil(GlideThread::Clock::time_point due)
{
    static_assert(std::chrono::steady_clock::is_steady, "the monotonic clock");
    const auto since = due.time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
    const timespec at{static_cast<time_t>(seconds.count()),
                      static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds).count())};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}

} // namespace

GlideThread::GlideThread(VisibleTicks& ticks, Clock::time_point origin, std::function<void()> ranOut)
    : m_ticks(ticks), m_origin(origin), m_ranOutCall(std::move(ranOut))
{
}

GlideThread::~GlideThread()
{
    if (!m_thread.joinable())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

std::chrono::nanoseconds GlideThread::sinceOrigin() const
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - m_origin);
}

void GlideThread::start(Stretch stretch, Mover move)
{
    {
        const std::lock_guard lock(m_mutex);
        m_stretch = stretch;
        m_stepsTaken = 0;
        m_handedOutUntil = 0;
        m_framesHandedOut = 0;
        m_move = std::move(move);
        m_gliding = true;
        m_ranOut = false;
    }
    if (!m_thread.joinable())
        m_thread = std::thread(&GlideThread::run, this);
    m_wake.notify_one();
}

std::int64_t GlideThread::stop()
{
    std::int64_t taken = 0;
    {
        const std::lock_guard lock(m_mutex);
        if (m_gliding) {
            // Frames handed out ahead and due by now have been shown: their steps are taken.
            takeSteps(std::min(m_ticks.ticksOwed(sinceOrigin()), m_handedOutUntil - m_stepsTaken));
        }
        taken = m_stepsTaken;
        m_gliding = false;
        m_ranOut = false;
        m_stepsTaken = 0;
        m_handedOutUntil = 0;
        m_move = nullptr;
    }
    m_wake.notify_one();
    return taken;
}

bool GlideThread::gliding() const
{
    const std::lock_guard lock(m_mutex);
    return m_gliding;
}

bool GlideThread::ranOut() const
{
    const std::lock_guard lock(m_mutex);
    return m_ranOut;
}

void GlideThread::takeSteps(std::int64_t steps)
{
    if (steps <= 0)
        return;
    m_ticks.takeTicks(steps);
    m_stepsTaken += steps;
    m_ticksRun += steps;
}

std::chrono::nanoseconds GlideThread::dueTime(std::int64_t step) const
{
    return m_ticks.dueTime(step - m_stepsTaken);
}

std::chrono::nanoseconds GlideThread::nextWake() const
{
    return dueTime(std::max(m_handedOutUntil, m_stepsTaken + 1));
}

void GlideThread::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || (m_gliding && !m_ranOut); });
        if (m_quit)
            return;
        if (!m_ticks.untilNextTick(sinceOrigin())) {
            m_wake.wait(lock);
            continue;
        }
        const std::chrono::nanoseconds wake = nextWake();
        if (wake - sinceOrigin() <= Tick) {
            // Not cut short, a tick at most: what changes meanwhile is seen on waking. A plain
            // sleep costs less than a timed wait on the condition, and this one may come 64 times a second.
            lock.unlock();
            sleepUntil(m_origin + wake);
            lock.lock();
        } else if (m_wake.wait_until(lock, m_origin + wake) != std::cv_status::timeout) {
            continue;
        }
        if (!m_quit && m_gliding && !m_ranOut && !runDueTicks()) {
            m_ranOut = true;
            lock.unlock();
            m_ranOutCall();
            lock.lock();
        }
    }
}

bool GlideThread::runDueTicks()
{
    const std::chrono::nanoseconds now = sinceOrigin();
    const std::int64_t due = m_ticks.ticksOwed(now);
    if (due == 0)
        return true;
    const std::int64_t taken = m_stepsTaken + due;
    // Left due for the GUI thread, which runs that tick with the engine.
    if (taken > m_stretch.steps || (taken > m_handedOutUntil && m_framesHandedOut >= m_stretch.frames))
        return false;
    m_ticks.ticksDue(now);
    m_stepsTaken += due;
    m_ticksRun += due;
    // The frame of the step reached now, unless handed out before, and those of the next ticks.
    const std::int64_t first = std::max(m_handedOutUntil + 1, m_stepsTaken);
    const std::int64_t count = std::min({m_stepsTaken + m_stretch.framesAhead - first, m_stretch.steps - first + 1,
                                         m_stretch.frames - m_framesHandedOut});
    if (count <= 0)
        return true;
    const std::chrono::nanoseconds firstDue = first == m_stepsTaken ? now : dueTime(first);
    m_handedOutUntil = first + count - 1;
    m_framesHandedOut += count;
    m_framesMoved += count;
    m_move(first, m_handedOutUntil, m_origin + firstDue);
    return true;
}

} // namespace varnholt
