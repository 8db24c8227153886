// SPDX-License-Identifier: MIT
#include "core/motion/movement_engine.h"

#include "core/motion/screen_twips.h"
#include "core/motion/visible_ticks.h"
#include "core/timeleft/time_left.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

using namespace varnholt;
using namespace varnholt::test;
using namespace std::chrono_literals;

namespace {

using Point = std::pair<std::int32_t, std::int32_t>;

class RecordingView final : public SaverView {
public:
    bool centred = true; // so that a path that never sets it is caught
    Point picture{1501, 751};
    std::vector<Point> pictureMoves;
    int reruns = 0;
    std::function<void()> onRerun;

    void setLabelsCentred(bool value) override { centred = value; }
    void rerunSetup() override
    {
        ++reruns;
        if (onRerun)
            onRerun();
    }
    std::pair<std::int32_t, std::int32_t> pictureSize() const override { return picture; }
    void movePicture(std::int32_t left, std::int32_t top) override { pictureMoves.emplace_back(left, top); }
};

// A 800 x 600 pixel screen at 15 twips per pixel, block of odd size so that halves are ties.
struct Saver {
    Saver()
    {
        textBlock.BlockWidth = 3001;
        textBlock.BlockHeight = 451;
    }
    FixedClock clock{ymd(2011, 3, 15)};
    SettingsRecord record;
    TextBlockState textBlock;
    Date today = clock.today();
    std::int32_t runMode = ModeSaver;
    TimeLeftOutputs timeLeft;
    RecordingView view;
    ScreenTwips screen{12000, 9000};
    MovementEngine engine{MotionInputs{record, textBlock, screen.width, screen.height, today, clock, runMode}, view};

    TextBlockState& block() { return textBlock; }
    SettingsRecord& settings() { return record; }
    // What the window's set-up does that matters here: reload today, recompute the text.
    void setUpAgain(Date target)
    {
        today = clock.today();
        timeLeft = calculateTimeLeft(today, target, {});
    }
    // A block of that size moving at that speed in that direction, with a picture.
    void travel(std::int16_t width, std::int16_t height, std::int16_t speed, std::int16_t direction)
    {
        block().BlockWidth = width;
        block().BlockHeight = height;
        settings().ImageUsed = 1;
        settings().Speed = speed;
        settings().Direction = direction;
    }

    // The tick on which the next path begins, or 0 when none begins within the limit.
    int ticksToNextPath(int limit)
    {
        const std::size_t paths = view.pictureMoves.size();
        for (int tick = 1; tick <= limit; ++tick) {
            engine.step();
            if (view.pictureMoves.size() != paths)
                return tick;
        }
        return 0;
    }
};

} // namespace

TEST(MovementEngine, PathStartsAndPicturePlaces)
{
    // Screen 12000 x 9000, block 3001 x 451, picture 1501 x 751; the picture alternates between two places.
    constexpr std::int32_t Kept = -77;
    struct Row {
        std::int16_t position, lane, direction;
        std::int32_t left, top;
        bool centred;
        Point first, second;
    };
    // Lane and direction are set independently: each lane is tried with one direction.
    const Row rows[] = {
        {PositionHorizontal, 0, DirForward, 12000, 0, false, {5250, 451}, {5250, 8249}},
        {PositionHorizontal, 1, DirBackward, -3001, 4274, false, {5250, 4726}, {5250, 3524}}, // 4500 - 225.5
        {PositionHorizontal, 2, DirForward, 12000, 8549, false, {5250, 0}, {5250, 7798}},
        {PositionVertical, 0, DirDownward, 0, -451, false, {10499, 0}, {10499, 8249}},
        {PositionVertical, 1, DirUpward, 4500, 9000, true, {0, 4124}, {10499, 4124}}, // 8999 / 2
        {PositionVertical, 2, DirDownward, 8999, -451, false, {0, 0}, {0, 8249}},
        // A direction of the other kind leaves that coordinate where it was; no such lane, the picture too.
        {PositionHorizontal, 1, DirDownward, Kept, 4274, false, {5250, 4726}, {5250, 3524}},
        {PositionVertical, 1, DirForward, 4500, Kept, true, {0, 4124}, {10499, 4124}},
        {PositionHorizontal, 7, DirForward, 12000, Kept, false, {-9, -8}, {-9, -8}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.position << "/" << row.lane << "/" << row.direction);
        Saver saver;
        saver.block().TextLeft = saver.block().TextTop = Kept;
        saver.block().PictureLeft = -9;
        saver.block().PictureTop = -8;
        saver.settings().ImageUsed = 1;
        saver.settings().Position = row.position;
        saver.settings().Horizontal = saver.settings().Vertical = row.lane;
        saver.settings().Direction = row.direction;
        for (int path = 0; path < 4; ++path)
            saver.engine.nextPath();
        EXPECT_EQ((Point{saver.block().TextLeft, saver.block().TextTop}), (Point{row.left, row.top}));
        const PathState& path = saver.engine.path();
        EXPECT_EQ(path.currentPath, row.position == PositionHorizontal ? PathHorizontal : PathVertical);
        EXPECT_EQ(std::tie(path.currentLane, path.currentDirection), std::tie(row.lane, row.direction));
        EXPECT_EQ(saver.view.centred, row.centred);
        EXPECT_EQ(saver.view.pictureMoves, (std::vector<Point>{row.first, row.second, row.first, row.second}));
        EXPECT_EQ((Point{saver.block().PictureLeft, saver.block().PictureTop}), row.second);
    }
}

TEST(MovementEngine, ExitBoundsAreStrict)
{
    // At Speed 50 every run lands exactly on its bound one tick before it leaves.
    // Downward leaves a block height below the screen; at Speed 0 the path never ends.
    struct Row {
        std::int16_t position, direction, speed;
        int exitTick;
    };
    const Row rows[] = {{PositionHorizontal, DirForward, 50, 301},
                        {PositionHorizontal, DirBackward, 50, 301},
                        {PositionVertical, DirDownward, 50, 199},
                        {PositionVertical, DirUpward, 50, 190},
                        {PositionVertical, DirUpward, 0, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.direction);
        Saver saver;
        saver.travel(3000, 450, row.speed, row.direction);
        saver.settings().Position = row.position;
        saver.engine.nextPath();
        const TextBlockState start = saver.block();
        EXPECT_EQ(saver.ticksToNextPath(5000), row.exitTick);
        EXPECT_EQ(saver.block().TextLeft, start.TextLeft);
        EXPECT_EQ(saver.block().TextTop, start.TextTop);
    }
}

TEST(MovementEngine, TickDrawsThePositionBeforeItsMove)
{
    Saver saver;
    saver.block().TimeOffsetX = 2000;
    saver.block().TimeOffsetY = 30;
    saver.engine.nextPath();
    const LabelPlaces first = saver.engine.step();
    const LabelPlaces second = saver.engine.step();
    EXPECT_EQ(std::tie(first.textLeft, first.textTop, first.timeLeft, first.timeTop),
              std::make_tuple(12000, 0, 14000, 30));
    EXPECT_EQ(std::tie(second.textLeft, second.textTop, second.timeLeft, second.timeTop),
              std::make_tuple(11950, 0, 13950, 30));
    EXPECT_TRUE(saver.view.pictureMoves.empty()) << "no picture is used";
}

// Another thread draws a glide while the engine is left alone, and the engine takes its steps
// afterwards: they must be exactly the steps before the path change, drawn where the engine
// draws them.
TEST(MovementEngine, GlideIsEveryStepBeforeThePathChange)
{
    struct Row {
        std::int16_t position, direction, speed;
        int stepsFirst; // taken before the glide is asked for
        std::int64_t steps;
    };
    // Screen 12000 x 9000, block 3000 x 450.
    const Row rows[] = {{PositionHorizontal, DirForward, 50, 0, 300},  {PositionHorizontal, DirForward, 37, 120, 285},
                        {PositionHorizontal, DirBackward, 50, 299, 1}, {PositionHorizontal, DirBackward, 100, 3, 147},
                        {PositionVertical, DirDownward, 50, 197, 1},   {PositionVertical, DirDownward, 50, 198, 0},
                        {PositionVertical, DirDownward, 1, 0, 9900},   {PositionVertical, DirUpward, 50, 188, 1},
                        {PositionVertical, DirUpward, 7, 11, 1339}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.direction << " at " << row.speed << " after " << row.stepsFirst);
        Saver saver;
        saver.travel(3000, 450, row.speed, row.direction);
        saver.block().TimeOffsetX = 1234;
        saver.block().TimeOffsetY = 56;
        saver.settings().Position = row.position;
        saver.engine.nextPath();
        for (int step = 0; step < row.stepsFirst; ++step)
            saver.engine.step();
        const Glide glide = saver.engine.glide();
        EXPECT_EQ(glide.steps, row.steps);
        const std::size_t paths = saver.view.pictureMoves.size();
        for (std::int64_t taken = 1; taken <= glide.steps; ++taken) {
            const LabelPlaces drawn = saver.engine.step();
            const LabelPlaces glided = glide.placesAt(taken);
            ASSERT_EQ(std::tie(drawn.textLeft, drawn.textTop, drawn.timeLeft, drawn.timeTop),
                      std::tie(glided.textLeft, glided.textTop, glided.timeLeft, glided.timeTop))
                << "step " << taken;
            ASSERT_EQ(saver.view.pictureMoves.size(), paths) << "a path change within the glide, step " << taken;
        }
        saver.engine.step();
        EXPECT_EQ(saver.view.pictureMoves.size(), paths + 1) << "the step after the glide changes the path";
    }
}

TEST(MovementEngine, NoGlideInAPreviewAndAnEndlessOneAtSpeedZero)
{
    Saver preview;
    preview.runMode = ModePreview;
    preview.travel(1000, 200, 50, DirForward);
    EXPECT_EQ(preview.engine.glide().steps, 0);

    Saver still;
    still.travel(1000, 200, 0, DirForward);
    still.engine.nextPath();
    EXPECT_EQ(still.engine.glide().steps, std::numeric_limits<std::int64_t>::max());
}

TEST(MovementEngine, PreviewWrapsAroundBySettingDirection)
{
    // Preview 2280 twips across, block 1000 x 200: vertical runs wrap at 2080.
    struct Row {
        const char* name;
        std::int16_t direction, speed;
        std::int32_t left, top;
        std::vector<Point> after; // (TextLeft, TextTop) after each tick
    };
    const Row rows[] = {
        {"forward reaches the bound", DirForward, 50, -975, 500, {{-1000, 500}, {2280, 500}}},
        {"backward reaches the bound", DirBackward, 50, 2255, 500, {{2280, 500}, {-1000, 500}}},
        {"downward reaches the bound", DirDownward, 50, 700, 2055, {{0, 2080}, {0, -200}}},
        {"upward reaches the bound", DirUpward, 50, 700, -175, {{0, -200}, {0, 2080}}},
        {"odd half step from an odd place", DirForward, 51, 101, 500, {{76, 500}, {50, 500}, {24, 500}}},
        {"no such direction", 4, 50, 700, 500, {{700, 500}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Saver saver;
        saver.runMode = ModePreview;
        saver.clock.date = ymd(2011, 3, 16); // never checked in a preview
        saver.travel(1000, 200, row.speed, row.direction);
        saver.block().PreviewSpan = 2280;
        saver.block().TimeOffsetX = 1000;
        saver.block().TextLeft = row.left;
        saver.block().TextTop = row.top;
        std::vector<Point> after;
        for (std::size_t tick = 0; tick < row.after.size(); ++tick) {
            saver.engine.step();
            after.emplace_back(saver.block().TextLeft, saver.block().TextTop);
        }
        EXPECT_EQ(after, row.after);
        const bool vertical = row.direction == DirDownward || row.direction == DirUpward;
        EXPECT_EQ(saver.block().TimeOffsetX, vertical ? 0 : 1000);
        EXPECT_EQ(saver.view.reruns, 0);
        EXPECT_TRUE(saver.view.pictureMoves.empty());
    }
}

// Ticks as the saver runs them, by the wall clock and only while a window is seen: every window
// out of sight across midnight, the block goes on from where it stopped and the new day is
// still set up at the next path change.
TEST(MovementEngine, NewDaySetsUpAgainAtTheNextPathChangeOnly)
{
    for (const bool unseenAcrossMidnight : {false, true}) {
        SCOPED_TRACE(unseenAcrossMidnight ? "unseen across midnight" : "seen all along");
        Saver saver;
        saver.settings().ImageUsed = 1;
        const Date targetDate = ymd(2011, 3, 16);
        saver.view.onRerun = [&saver, targetDate] {
            saver.setUpAgain(targetDate);
            saver.engine.nextPath();
        };
        saver.setUpAgain(targetDate);
        saver.engine.nextPath();
        ASSERT_EQ(saver.timeLeft.TimeLeftState, DateAhead);

        VisibleTicks ticks;
        const int window = 0;
        ticks.addWindow(&window, 0s);
        ticks.start(0s);
        const auto runUntil = [&](std::chrono::nanoseconds now) {
            for (std::int64_t due = ticks.ticksDue(now); due > 0; --due)
                saver.engine.step();
        };
        const std::chrono::nanoseconds hundredTicks = 100 * TickPacer::TickPeriod;
        runUntil(hundredTicks);
        std::chrono::nanoseconds seenAgain = hundredTicks;
        if (unseenAcrossMidnight) {
            ticks.windowSeen(&window, false, hundredTicks);
            seenAgain = 3h;
        }
        saver.clock.date = targetDate; // midnight, halfway along the path
        runUntil(seenAgain);
        ticks.windowSeen(&window, true, seenAgain);
        runUntil(seenAgain + hundredTicks);
        EXPECT_EQ(saver.view.reruns, 0);
        EXPECT_EQ(saver.timeLeft.TimeLeftState, DateAhead);

        EXPECT_EQ(saver.ticksToNextPath(1000), 101); // 301 ticks per path, 200 of them run
        EXPECT_EQ(saver.view.reruns, 1);
        EXPECT_EQ(saver.today, targetDate);
        EXPECT_EQ(saver.timeLeft.TimeLeftState, DateToday);
        // The set-up's own path and then the interrupted one: the picture moved twice.
        EXPECT_EQ(saver.view.pictureMoves, (std::vector<Point>{{5250, 451}, {5250, 8249}, {5250, 451}}));
        EXPECT_EQ(saver.block().TextLeft, 12000);

        EXPECT_EQ(saver.ticksToNextPath(1000), 301);
        EXPECT_EQ(saver.view.reruns, 1);

        // A set-up that keeps the old date is tried again at each path change, not before.
        saver.view.onRerun = [&saver] { saver.engine.nextPath(); };
        saver.clock.date = ymd(2011, 3, 17);
        EXPECT_EQ(saver.ticksToNextPath(1000), 301);
        EXPECT_EQ(saver.ticksToNextPath(1000), 301);
        EXPECT_EQ(saver.view.reruns, 3);
    }
}

// Seeded from the clock alone: a generator seeded once would repeat the same paths on every run.
TEST(MovementEngine, RandomPathsDrawEveryLaneAndDirectionAndFollowTheClockAlone)
{
    Saver saver;
    saver.settings().Position = PositionRandom;
    const auto drawn = [&saver] {
        const PathState& path = saver.engine.path();
        return std::tuple{path.currentPath, path.currentLane, path.currentDirection};
    };
    std::map<std::tuple<std::int16_t, std::int16_t, std::int16_t>, int> counts;
    constexpr int Draws = 2400;
    for (int draw = 0; draw < Draws; ++draw) {
        saver.clock.date = Date{std::chrono::sys_days{ymd(2011, 3, 15)} + std::chrono::days{draw}};
        saver.engine.startPath();
        const auto [kind, lane, direction] = drawn();
        EXPECT_EQ(kind, direction == DirForward || direction == DirBackward ? PathHorizontal : PathVertical);
        EXPECT_EQ(saver.view.centred, kind == PathVertical && lane == 1);
        ++counts[drawn()];
    }
    ASSERT_EQ(counts.size(), 12u);
    for (const auto& [combo, count] : counts) {
        EXPECT_GT(count, Draws / 12 / 2);
        EXPECT_LT(count, Draws / 12 * 3 / 2);
    }
    const auto last = drawn();
    for (int draw = 0; draw < 20; ++draw) {
        saver.engine.startRandomPath();
        EXPECT_EQ(drawn(), last) << "the clock reads the same instant";
    }
}
