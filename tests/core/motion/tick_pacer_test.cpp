// SPDX-License-Identifier: MIT
#include "core/motion/tick_pacer.h"

#include <gtest/gtest.h>

#include <vector>

using namespace varnholt;
using namespace std::chrono_literals;

TEST(TickPacer, TicksDueByWallClock)
{
    struct Row {
        const char* name;
        std::chrono::nanoseconds start;
        std::vector<std::chrono::nanoseconds> calls;
        std::vector<std::int64_t> due;
    };
    const Row rows[] = {
        {"one second", 0ns, {1s}, {64}},
        {"a tick is 15.625 ms", 0ns, {15ms, 16ms, 31ms, 31'250'000ns}, {0, 1, 0, 1}},
        {"any starting time", 5s, {5s, 5'500ms}, {0, 32}},
        {"after a suspend only two seconds are run", 0ns, {10min, 10min + 15'625'000ns}, {128, 1}},
        {"a clock read out of order runs nothing", 1s, {999ms, 1'015'625'000ns}, {0, 1}},
        {"a clock going back ten ticks keeps the grid", 1s, {843'750'000ns, 1'015'625'000ns}, {0, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TickPacer pacer;
        pacer.start(row.start);
        std::vector<std::int64_t> due;
        for (const std::chrono::nanoseconds now : row.calls)
            due.push_back(pacer.ticksDue(now));
        EXPECT_EQ(due, row.due);
    }
}

// The saver sleeps until untilNextTick says and then runs ticksDue: woken on time it
// runs one tick per wake-up; woken late, the missed ticks, and then it is back on the grid.
TEST(TickPacer, WakeUpsFollowTheGridOfDueTimes)
{
    struct Row {
        const char* name;
        std::chrono::nanoseconds wake; // when the process really wakes
        std::int64_t due;
        std::chrono::nanoseconds sleep; // what it is told to sleep then
    };
    const Row rows[] = {
        {"started", 0ns, 0, 15'625'000ns},
        {"woken at the first due time", 15'625'000ns, 1, 15'625'000ns},
        {"woken a millisecond late", 32'250'000ns, 1, 14'625'000ns},
        {"woken 100 ms late", 146'875'000ns, 7, 9'375'000ns},
        {"an hour suspended", 1h + 146'875'000ns, 128, 9'375'000ns},
        {"on the grid again", 1h + 156'250'000ns, 1, 15'625'000ns},
    };
    TickPacer pacer;
    pacer.start(0ns);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(pacer.ticksOwed(row.wake), row.due) << "owed before they are run";
        EXPECT_EQ(pacer.ticksDue(row.wake), row.due);
        EXPECT_EQ(pacer.untilNextTick(row.wake), row.sleep);
    }
}
