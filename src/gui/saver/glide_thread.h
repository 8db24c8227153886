// SPDX-License-Identifier: MIT
#pragma once

#include "core/motion/visible_ticks.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace varnholt {

// Runs the frames of a straight stretch of the block's path on a thread of its own, while the
// GUI thread's event loop sleeps: it wakes for the ticks and hands the windows their frames,
// one at its tick or, where the window system shows them on time by itself, several ahead.
// When a tick would take a step the stretch does not have, it stops and hands back to the GUI
// thread, which takes the steps drawn and runs that tick itself.
class GlideThread final {
public:
    using Clock = std::chrono::steady_clock;
    // The frames of steps first..last of the stretch (counted from 1), the first due at
    // firstDue and each next one a tick later.
    using Mover = std::function<void(std::int64_t first, std::int64_t last, Clock::time_point firstDue)>;

    // Ticks are taken from `ticks`, by the time since `origin`, while a glide runs and only
    // then. `ranOut` is called on the glide's thread when a glide runs out.
    GlideThread(VisibleTicks& ticks, Clock::time_point origin, std::function<void()> ranOut);
    ~GlideThread();
    GlideThread(const GlideThread&) = delete;
    GlideThread& operator=(const GlideThread&) = delete;

    struct Stretch {
        std::int64_t steps = 0;       // the steps there are
        std::int64_t frames = 0;      // the frames it may hand out
        std::int64_t framesAhead = 1; // how many frames the mover may have before they are due
    };
    void start(Stretch stretch, Mover move);
    // Ends the glide, run out or not: nothing is handed out once it returns. The steps taken:
    // those of the frames due by now.
    std::int64_t stop();
    // Started and not yet stopped.
    bool gliding() const;
    // Run out, waiting to be stopped.
    bool ranOut() const;

    // Ticks run and frames handed out by every glide so far; read from any thread.
    std::int64_t ticksRun() const { return m_ticksRun; }
    std::int64_t framesMoved() const { return m_framesMoved; }

private:
    std::chrono::nanoseconds sinceOrigin() const;
    void run();
    // Takes the ticks due and hands out the frames wanted by now; false when it ran out.
    bool runDueTicks();
    // Counts the next steps as taken, due or not.
    void takeSteps(std::int64_t steps);
    // When a step after those taken is due.
    std::chrono::nanoseconds dueTime(std::int64_t step) const;
    // When the thread is to wake next: the last frame handed out is due, or the next tick.
    std::chrono::nanoseconds nextWake() const;

    VisibleTicks& m_ticks;
    const Clock::time_point m_origin;
    const std::function<void()> m_ranOutCall;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_quit = false;
    bool m_gliding = false;
    bool m_ranOut = false;
    Stretch m_stretch;
    std::int64_t m_stepsTaken = 0;
    std::int64_t m_handedOutUntil = 0; // the last step whose frame the mover has
    std::int64_t m_framesHandedOut = 0;
    Mover m_move;
    std::atomic<std::int64_t> m_ticksRun{0};
    std::atomic<std::int64_t> m_framesMoved{0};
    // Made at the first glide: a preview or a window system whose layers stay on the GUI
    // thread never has one.
    std::thread m_thread;
};

} // namespace varnholt
