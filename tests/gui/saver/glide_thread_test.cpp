// SPDX-License-Identifier: MIT
#include "gui/saver/glide_thread.h"

#include <gtest/gtest.h>

#include <future>
#include <vector>

using namespace varnholt;
using namespace std::chrono_literals;

namespace {

struct Batch {
    std::int64_t first;
    std::int64_t last;
    GlideThread::Clock::time_point firstDue;
};

// A glide on real ticks, recording what the mover is handed.
struct Glider {
    Glider() { ticks.start(0ns); }

    void start(GlideThread::Stretch stretch)
    {
        thread.start(stretch, [this](std::int64_t first, std::int64_t last, GlideThread::Clock::time_point due) {
            const std::lock_guard lock(mutex);
            batches.push_back({first, last, due});
        });
    }

    bool waitForRunOut() { return ranOut.get_future().wait_for(10s) == std::future_status::ready; }

    std::vector<Batch> handedOut()
    {
        const std::lock_guard lock(mutex);
        return batches;
    }

    const GlideThread::Clock::time_point origin = GlideThread::Clock::now();
    VisibleTicks ticks;
    std::promise<void> ranOut;
    std::mutex mutex;
    std::vector<Batch> batches;
    GlideThread thread{ticks, origin, [this] { ranOut.set_value(); }};
};

} // namespace

// Every step of the stretch is handed out once, in order, a tick apart, at most as many ahead as
// the mover takes; then the tick after the last is left to the GUI thread.
TEST(GlideThread, HandsOutEachStepOnceUntilTheStretchOrItsFramesRunOut)
{
    struct Row {
        const char* name;
        GlideThread::Stretch stretch;
        std::int64_t handedOut; // steps, and frames
    };
    const Row rows[] = {
        {"a frame at each tick", {10, 1000, 1}, 10},
        {"four frames ahead", {10, 1000, 4}, 10},
        {"more ahead than steps", {3, 1000, 32}, 3},
        {"the frames run out first", {1000, 3, 4}, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Glider glider;
        glider.start(row.stretch);
        ASSERT_TRUE(glider.waitForRunOut());
        const std::vector<Batch> batches = glider.handedOut();
        std::int64_t next = 1;
        GlideThread::Clock::time_point lastDue{};
        for (const Batch& batch : batches) {
            EXPECT_EQ(batch.first, next);
            EXPECT_LE(batch.last - batch.first + 1, row.stretch.framesAhead);
            EXPECT_GE(batch.firstDue, lastDue);
            next = batch.last + 1;
            lastDue = batch.firstDue + (batch.last - batch.first) * TickPacer::TickPeriod;
        }
        EXPECT_EQ(next - 1, row.handedOut);
        EXPECT_TRUE(glider.thread.ranOut());
        // The frames handed out are all due by the time the glide runs out.
        EXPECT_EQ(glider.thread.stop(), row.handedOut);
        EXPECT_FALSE(glider.thread.gliding());
        EXPECT_EQ(glider.thread.framesMoved(), row.handedOut);
    }
}

// Stopped between frames handed out ahead, the steps taken are those due by then: the frames
// shown; and nothing is handed out after the stop.
TEST(GlideThread, StoppedEarlyTakesTheStepsDueAndHandsOutNoMore)
{
    Glider glider;
    glider.start({1000, 1000, 32});
    std::this_thread::sleep_for(100ms);
    const auto stoppedAt = std::chrono::duration_cast<std::chrono::nanoseconds>(GlideThread::Clock::now()
                                                                                - glider.origin);
    const std::int64_t taken = glider.thread.stop();
    const std::size_t batches = glider.handedOut().size();
    ASSERT_GE(batches, 1u);
    EXPECT_GE(taken, 1);
    // Due by the stop, with the first frame at the first tick.
    EXPECT_LE(taken, stoppedAt / TickPacer::TickPeriod);
    EXPECT_LT(taken, glider.handedOut().back().last) << "frames ahead of the stop are not taken";
    EXPECT_EQ(glider.ticks.ticksOwed(stoppedAt), 0) << "the ticks of the steps taken are run";
    std::this_thread::sleep_for(600ms);
    EXPECT_EQ(glider.handedOut().size(), batches);
    EXPECT_FALSE(glider.thread.ranOut());
}
