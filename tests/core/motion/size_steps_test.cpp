// SPDX-License-Identifier: MIT
#include "core/motion/size_steps.h"

#include "core/common/errors.h"
#include "core/motion/preview_layout.h"
#include "core/motion/screen_twips.h"

#include <gtest/gtest.h>

#include <vector>

using namespace varnholt;

namespace {

const ScreenMetrics Screen1024{1024, 768, 15.0, 15.0};
const ScreenMetrics Screen120Dpi{1280, 800, 12.0, 12.0};

} // namespace

TEST(SizeSteps, PressesAndLimits)
{
    using enum SizeRefusal;
    struct Row {
        std::int16_t step;
        int button;
        std::int16_t width, height;
        ScreenMetrics screen;
        std::int16_t expected;
        SizeRefusal refusal;
    };
    const std::vector<Row> rows{
        {2, SizeIncrease, 500, 300, Screen1024, 2, TooLarge},
        {1, SizeIncrease, 512, 384, Screen1024, 2, None}, // exactly the screen still fits
        {1, SizeIncrease, 100, 385, Screen1024, 1, TooLarge},
        {1, SizeIncrease, 640, 400, Screen120Dpi, 2, None}, // the screen in its own twips
        {-1, SizeIncrease, 600, 100, Screen1024, 1, TooLarge},
        {0, SizeIncrease, 600, 100, Screen1024, 1, None},
        {-2, SizeIncrease, 300, 300, Screen1024, 1, None}, // steps 0 and -1 are skipped
        {2, SizeDecrease, 300, 300, Screen1024, -1, None},
        {-1, SizeDecrease, 300, 300, Screen1024, -2, None},
        {0, SizeDecrease, 10, 10, Screen1024, -1, None},
        {-2, SizeDecrease, 40, 40, Screen1024, -2, TooSmall},
        {1, SizeDecrease, 30, 300, Screen1024, -2, None}, // halves to exactly 15 twips
        {1, SizeDecrease, 300, 29, Screen1024, -1, TooSmall},
        {5, SizeIncrease, 0, 0, Screen1024, 6, None}, // nothing previewed
        {1, SizeDecrease, 0, 0, Screen1024, -1, TooSmall},
        {7, SizeActual, 10, 10, Screen1024, 1, None},
        {-4, SizeActual, 10, 10, Screen1024, 1, None},
        {32767, SizeIncrease, 0, 0, Screen1024, 32767, TooLarge},
        {-32768, SizeDecrease, 0, 0, Screen1024, -32768, TooSmall},
    };
    for (const Row& row : rows) {
        const SizeStepOutcome outcome = pressSizeButton(row.step, row.button, row.width, row.height, row.screen);
        EXPECT_EQ(outcome.step, row.expected) << row.step << " " << row.width << "x" << row.height;
        EXPECT_EQ(outcome.refusal, row.refusal) << row.step << " " << row.width << "x" << row.height;
    }
}

TEST(SizeSteps, Captions)
{
    struct Row {
        bool previewed;
        std::int16_t step, width, height;
        const char* stepText;
        const char* sizeText;
    };
    const std::vector<Row> rows{
        {false, 3, 100, 50, "Use Actual Size", ""},        {true, 2, 100, 50, "Increase 2 times", "200 x 100"},
        {true, 1, 75, 25, "Use Actual Size", "75 x 25"},   {true, -1, 75, 25, "Use Actual Size", "75 x 25"},
        {true, -2, 75, 25, "Decrease 2 times", "38 x 12"}, // 37.5 and 12.5 go to the even neighbour
        {true, -3, 40, 40, "Decrease 3 times", "13 x 13"},
    };
    for (const Row& row : rows) {
        const SizeCaptions captions = sizeCaptions(row.previewed, row.step, row.width, row.height);
        EXPECT_EQ(captions.stepText, row.stepText) << row.step;
        EXPECT_EQ(captions.sizeText, row.sizeText) << row.step;
    }
    EXPECT_THROW(sizeCaptions(true, 200, 200, 10), RuntimeError) << "a product beyond 16 bits";
}

TEST(PreviewLayout, ReducedOrActual)
{
    struct Row {
        int width, height;
        ScreenMetrics screen;
        bool reduced;
        double twipsWide, twipsHigh;
    };
    const std::vector<Row> rows{
        // The wide pictures and one that fits are previewed in image_browser_test.
        {400, 400, Screen1024, true, 3732, 3592}, // square takes the tall branch
        {100, 400, Screen1024, true, 933, 3592},
        {311, 316, Screen120Dpi, false, 3732, 3792}, // exactly the frame is not reduced
        {312, 316, Screen120Dpi, true, 3732 * (3744.0 / 3792), 3592},
    };
    for (const Row& row : rows) {
        const PreviewPlacement placement = placePreview(row.width, row.height, row.screen);
        const std::string size = std::to_string(row.width) + " x " + std::to_string(row.height);
        EXPECT_EQ(placement.reduced, row.reduced) << size;
        EXPECT_DOUBLE_EQ(placement.width, row.twipsWide) << size;
        EXPECT_DOUBLE_EQ(placement.height, row.twipsHigh) << size;
        EXPECT_EQ(placement.caption,
                  (row.reduced ? "Preview - (Reduced) - Actual Size " : "Preview - Actual Size ") + size);
        EXPECT_TRUE(placement.actualWidth == row.width && placement.actualHeight == row.height) << size;
    }
    EXPECT_THROW(placePreview(40000, 100, Screen1024), RuntimeError);
}

TEST(ScreenTwips, BeyondSixteenBitsAndRoundedToEven)
{
    struct Row {
        ScreenMetrics screen;
        std::int32_t width, height;
    };
    const std::vector<Row> rows{
        {{3840, 2160, 10.0, 10.0}, 38400, 21600}, {{1, 3, 12.5, 12.5}, 12, 38}, // 12.5 and 37.5
    };
    for (const Row& row : rows) {
        const ScreenTwips size = screenTwips(row.screen);
        EXPECT_EQ(size.width, row.width) << row.screen.widthPixels;
        EXPECT_EQ(size.height, row.height) << row.screen.heightPixels;
    }
}
