// SPDX-License-Identifier: MIT
#include "core/motion/visible_ticks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace varnholt;
using namespace std::chrono_literals;

namespace {

const int windowA = 1;
const int windowB = 2;

enum class Do { Start, Stop, Add, Remove, Seen, Unseen, Due };

struct Step {
    Do what;
    std::chrono::nanoseconds at;
    const int* window = nullptr;
};

// Runs the steps; each Due step's ticks ("!" after them when fewer or more were owed just
// before), and after it the sleep asked for ("-" for none).
std::string play(const std::vector<Step>& steps)
{
    VisibleTicks ticks;
    std::string out;
    for (const Step& step : steps) {
        switch (step.what) {
        case Do::Start:
            ticks.start(step.at);
            break;
        case Do::Stop:
            ticks.stop();
            break;
        case Do::Add:
            ticks.addWindow(step.window, step.at);
            break;
        case Do::Remove:
            ticks.removeWindow(step.window, step.at);
            break;
        case Do::Seen:
        case Do::Unseen:
            ticks.windowSeen(step.window, step.what == Do::Seen, step.at);
            break;
        case Do::Due: {
            const std::int64_t owed = ticks.ticksOwed(step.at);
            const std::int64_t due = ticks.ticksDue(step.at);
            const auto sleep = ticks.untilNextTick(step.at);
            out += std::to_string(due) + (owed == due ? "" : "!") + '/'
                + (sleep ? std::to_string(sleep->count() / 1'000'000) : std::string("-")) + ' ';
            break;
        }
        }
    }
    return out;
}

} // namespace

TEST(VisibleTicks, TicksRunWhileAWindowIsSeenAndRestartWhereTheyStopped)
{
    struct Row {
        const char* name;
        std::vector<Step> steps;
        const char* due;
    };
    const Row rows[] = {
        {"no reports: ticks by the wall clock",
         {{Do::Add, 0s, &windowA}, {Do::Start, 0s}, {Do::Due, 1s}, {Do::Due, 1'010ms}},
         "64/15 0/5 "},
        {"not started, no ticks and no wake-ups", {{Do::Add, 0s, &windowA}, {Do::Due, 1s}}, "0/- "},
        {"stopped, no ticks", {{Do::Start, 0s}, {Do::Stop, 1s}, {Do::Due, 2s}}, "0/- "},
        {"the only window unseen: nothing until it is seen, then from then on",
         {{Do::Add, 0s, &windowA},
          {Do::Start, 0s},
          {Do::Unseen, 500ms, &windowA},
          {Do::Due, 600ms},
          {Do::Due, 1h},
          {Do::Seen, 2h, &windowA},
          {Do::Due, 2h},
          {Do::Due, 2h + 20ms},
          {Do::Due, 2h + 1s}},
         "0/- 0/- 0/15 1/11 63/15 "},
        {"one of two windows unseen: ticks go on",
         {{Do::Add, 0s, &windowA}, {Do::Add, 0s, &windowB}, {Do::Start, 0s}, {Do::Unseen, 0s, &windowA}, {Do::Due, 1s}},
         "64/15 "},
        {"both unseen, then one seen again",
         {{Do::Add, 0s, &windowA},
          {Do::Add, 0s, &windowB},
          {Do::Start, 0s},
          {Do::Unseen, 0s, &windowA},
          {Do::Unseen, 0s, &windowB},
          {Do::Due, 1s},
          {Do::Seen, 10s, &windowB},
          {Do::Due, 11s}},
         "0/- 64/15 "},
        {"seen twice does not restart the pace",
         {{Do::Add, 0s, &windowA}, {Do::Start, 0s}, {Do::Seen, 10ms, &windowA}, {Do::Due, 1s}},
         "64/15 "},
        {"started again while on keeps the pace",
         {{Do::Add, 0s, &windowA}, {Do::Start, 0s}, {Do::Start, 990ms}, {Do::Due, 1s}},
         "64/15 "},
        {"the unseen window's screen removed: the others go on from then",
         {{Do::Add, 0s, &windowA},
          {Do::Start, 0s},
          {Do::Unseen, 0s, &windowA},
          {Do::Remove, 5s, &windowA},
          {Do::Due, 6s}},
         "64/15 "},
        {"a new screen's window among unseen ones is seen",
         {{Do::Add, 0s, &windowA}, {Do::Start, 0s}, {Do::Unseen, 0s, &windowA}, {Do::Add, 5s, &windowB}, {Do::Due, 6s}},
         "64/15 "},
        {"a report on a window not added changes nothing",
         {{Do::Add, 0s, &windowA}, {Do::Start, 0s}, {Do::Unseen, 0s, &windowB}, {Do::Due, 1s}},
         "64/15 "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(play(row.steps), row.due);
    }
}
