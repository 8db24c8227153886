#include "core/motion/preview_layout.h"
#include "core/motion/size_steps.h"
#include "core/common/errors.h"

#include <gtest/gtest.h>

#include <vector>

using namespace varnholt;

namespace {

const ScreenMetrics Screen1024{1024, 768, 15.0, 15.0};

std::vector<std::int16_t> presses(std::int16_t start, int button, int count, std::int16_t width, std::int16_t height)
{
    std::vector<std::int16_t> steps{start};
    for (int i = 0; i < count; ++i)
        steps.push_back(pressSizeButton(steps.back(), button, width, height, Screen1024).step);
    return steps;
}

} // namespace

TEST(SizeSteps, SequencesSkipZeroAndOne)
{
    EXPECT_EQ(presses(3, SizeDecrease, 4, 300, 300), (std::vector<std::int16_t>{3, 2, -1, -2, -3}));
    EXPECT_EQ(presses(-3, SizeIncrease, 4, 100, 100), (std::vector<std::int16_t>{-3, -2, 1, 2, 3}));
}

TEST(SizeSteps, PressesAndLimits)
{
    struct Row {
        const char* name;
        std::int16_t step;
        int button;
        std::int16_t width, height;
        ScreenMetrics screen;
        std::int16_t expected;
        SizeRefusal refusal;
    };
    const std::vector<Row> rows{
        {"500x300 doubles on 1024x768", 1, SizeIncrease, 500, 300, Screen1024, 2, SizeRefusal::None},
        {"500x300 does not triple", 2, SizeIncrease, 500, 300, Screen1024, 2, SizeRefusal::TooLarge},
        {"exactly the screen still fits", 1, SizeIncrease, 512, 384, Screen1024, 2, SizeRefusal::None},
        {"too high though narrow", 1, SizeIncrease, 100, 385, Screen1024, 1, SizeRefusal::TooLarge},
        {"120 dpi screen in its own twips", 1, SizeIncrease, 640, 400, {1280, 800, 12.0, 12.0}, 2,
         SizeRefusal::None},
        {"stored -1 jumps up to 2", -1, SizeIncrease, 600, 100, Screen1024, 1, SizeRefusal::TooLarge},
        {"stored 0 goes up to 1", 0, SizeIncrease, 600, 100, Screen1024, 1, SizeRefusal::None},
        {"stored 0 goes down to -1", 0, SizeDecrease, 10, 10, Screen1024, -1, SizeRefusal::None},
        {"40x40 halves", 1, SizeDecrease, 40, 40, Screen1024, -2, SizeRefusal::None},
        {"40x40 not a third", -2, SizeDecrease, 40, 40, Screen1024, -2, SizeRefusal::TooSmall},
        {"30 pixels halve to exactly 15", 1, SizeDecrease, 30, 300, Screen1024, -2, SizeRefusal::None},
        {"lower limit on height", 1, SizeDecrease, 300, 29, Screen1024, -1, SizeRefusal::TooSmall},
        {"nothing previewed: up allowed", 5, SizeIncrease, 0, 0, Screen1024, 6, SizeRefusal::None},
        {"nothing previewed: down refused", 1, SizeDecrease, 0, 0, Screen1024, -1, SizeRefusal::TooSmall},
        {"middle button from a large step", 7, SizeActual, 10, 10, Screen1024, 1, SizeRefusal::None},
        {"middle button from a small step", -4, SizeActual, 10, 10, Screen1024, 1, SizeRefusal::None},
        {"beyond 16 bits is refused", 32767, SizeIncrease, 0, 0, Screen1024, 32767, SizeRefusal::TooLarge},
        {"below 16 bits is refused", -32768, SizeDecrease, 0, 0, Screen1024, -32768, SizeRefusal::TooSmall},
    };
    for (const Row& row : rows) {
        const SizeStepOutcome outcome = pressSizeButton(row.step, row.button, row.width, row.height, row.screen);
        EXPECT_EQ(outcome.step, row.expected) << row.name;
        EXPECT_EQ(outcome.refusal, row.refusal) << row.name;
    }
}

TEST(SizeSteps, Captions)
{
    struct Row {
        bool previewed;
        std::int16_t step, width, height;
        const char* lblSize;
        const char* lblScrollSize;
    };
    const std::vector<Row> rows{
        {false, 3, 100, 50, "Use Actual Size", ""},
        {true, 3, 100, 50, "Increase 3 times", "300 x 150"},
        {true, 1, 75, 25, "Use Actual Size", "75 x 25"},
        {true, 0, 75, 25, "Use Actual Size", "75 x 25"},
        {true, -1, 75, 25, "Use Actual Size", "75 x 25"},
        {true, -2, 75, 25, "Decrease 2 times", "38 x 12"}, // 37.5 and 12.5 go to the even neighbour
        {true, -3, 40, 40, "Decrease 3 times", "13 x 13"},
        {true, 2, 0, 0, "Increase 2 times", "0 x 0"},
    };
    for (const Row& row : rows) {
        const SizeCaptions captions = sizeCaptions(row.previewed, row.step, row.width, row.height);
        EXPECT_EQ(captions.lblSize, row.lblSize) << row.step;
        EXPECT_EQ(captions.lblScrollSize, row.lblScrollSize) << row.step;
    }
}

TEST(SizeSteps, ProductBeyondSixteenBitsIsOverflow)
{
    try {
        sizeCaptions(true, 200, 200, 10);
        FAIL() << "no overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), ErrOverflow);
    }
}

TEST(PreviewLayout, ReducedOrActual)
{
    struct Row {
        const char* name;
        int width, height;
        ScreenMetrics screen;
        bool reduced;
        double twipsWide, twipsHigh;
        const char* caption;
    };
    const std::vector<Row> rows{
        {"wide and too large", 300, 200, Screen1024, true, 3652, 2528,
         "Preview - (Reduced) - Actual Size 300 x 200"},
        {"fits", 200, 250, Screen1024, false, 3000, 3750, "Preview - Actual Size 200 x 250"},
        {"square takes the tall branch", 400, 400, Screen1024, true, 3732, 3592,
         "Preview - (Reduced) - Actual Size 400 x 400"},
        {"tall", 100, 400, Screen1024, true, 933, 3592, "Preview - (Reduced) - Actual Size 100 x 400"},
        {"exactly the frame is not reduced", 311, 316, {1280, 800, 12.0, 12.0}, false, 3732, 3792,
         "Preview - Actual Size 311 x 316"},
        {"one twip over is", 312, 316, {1280, 800, 12.0, 12.0}, true, 3732 * (3744.0 / 3792), 3592,
         "Preview - (Reduced) - Actual Size 312 x 316"},
    };
    for (const Row& row : rows) {
        const PreviewPlacement placement = placePreview(row.width, row.height, row.screen);
        EXPECT_EQ(placement.reduced, row.reduced) << row.name;
        EXPECT_DOUBLE_EQ(placement.width, row.twipsWide) << row.name;
        EXPECT_DOUBLE_EQ(placement.height, row.twipsHigh) << row.name;
        EXPECT_EQ(placement.caption, row.caption) << row.name;
        EXPECT_EQ(placement.actualWidth, row.width) << row.name;
        EXPECT_EQ(placement.actualHeight, row.height) << row.name;
    }
}

TEST(PreviewLayout, SideBeyondSixteenBitsIsOverflow)
{
    EXPECT_THROW(placePreview(40000, 100, Screen1024), RuntimeError);
}
