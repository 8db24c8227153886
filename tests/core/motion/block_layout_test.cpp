// SPDX-License-Identifier: MIT
#include "core/motion/block_layout.h"

#include "core/common/errors.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace varnholt;

TEST(BlockLayout, SumsByStyle)
{
    struct Row {
        std::int16_t style;
        TextLabels measured;
        std::int16_t width, height, offsetX, offsetY;
        TextLabels taken;
    };
    const Row rows[] = {
        {StyleOneLine, {{3000, 480}, {2000, 360}}, 5000, 480, 3000, 0, {{3000, 480}, {2000, 480}}},
        {StyleOneLine, {{3000, 360}, {2000, 480}}, 5000, 480, 3000, 0, {{3000, 480}, {2000, 480}}},
        {StyleOneLine, {{100.5, 240}, {200, 240}}, 300, 240, 100, 0, {{100.5, 240}, {200, 240}}}, // sum to even
        {StyleTwoLines, {{3000, 480}, {2000, 360}}, 3000, 840, 0, 480, {{3000, 480}, {3000, 360}}},
        {StyleTwoLines, {{2000, 480}, {3000, 360}}, 3000, 840, 0, 480, {{3000, 480}, {3000, 360}}},
        {2, {{3000, 480}, {2000, 360}}, 11, 22, 33, 44, {{3000, 480}, {2000, 360}}}, // other style keeps all
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.style << " " << row.measured.title.width);
        TextBlockState block;
        block.BlockWidth = 11;
        block.BlockHeight = 22;
        block.TimeOffsetX = 33;
        block.TimeOffsetY = 44;
        const TextLabels taken = layOutTextBlock(block, row.measured, row.style);
        EXPECT_EQ(std::tie(block.BlockWidth, block.BlockHeight, block.TimeOffsetX, block.TimeOffsetY),
                  std::tie(row.width, row.height, row.offsetX, row.offsetY));
        EXPECT_EQ(std::tie(taken.title.width, taken.title.height, taken.timeLeft.width, taken.timeLeft.height),
                  std::tie(row.taken.title.width, row.taken.title.height, row.taken.timeLeft.width,
                           row.taken.timeLeft.height));
    }
}

TEST(BlockLayout, BlockBeyondSixteenBitsIsOverflow)
{
    struct Row {
        const char* name;
        std::int16_t style;
        TextLabels measured;
        bool eventTextNamed;
    };
    const Row rows[] = {
        {"one line, widths add up past 32767", StyleOneLine, {{20000, 480}, {12768, 480}}, true},
        {"two lines, the Event Text wider than 32767", StyleTwoLines, {{32768, 480}, {3000, 480}}, true},
        {"two lines, heights add up past 32767", StyleTwoLines, {{3000, 16384}, {3000, 16384}}, false},
        {"one line, one label too tall", StyleOneLine, {{3000, 32767.5}, {3000, 480}}, false},
        {"one line, no Event Text, the other line too long", StyleOneLine, {{0, 480}, {32768, 480}}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TextBlockState block;
        block.BlockWidth = 11;
        try {
            layOutTextBlock(block, row.measured, row.style);
            ADD_FAILURE() << "no overflow";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), ErrOverflow);
            EXPECT_EQ(error.cause(), row.eventTextNamed ? "The Event Text is too long for the screen." : "");
        }
        EXPECT_EQ(block.BlockWidth, 11) << "the block is left as it was";
    }
    TextBlockState block;
    EXPECT_NO_THROW(layOutTextBlock(block, {{20000, 480}, {12767, 480}}, StyleOneLine));
    EXPECT_EQ(block.BlockWidth, 32767);
}

TEST(BlockLayout, SizeSteps)
{
    struct Row {
        std::int16_t step;
        std::int32_t width, height, shownWidth, shownHeight;
        bool stretch;
    };
    const Row rows[] = {
        {-1, 100, 50, 100, 50, false}, {1, 100, 50, 100, 50, false},
        {2, 100, 50, 200, 100, true},  {3, 500, 300, 1500, 900, true},
        {-3, 100, 50, 33, 17, true},   {-2, 75, 45, 38, 22, true}, // 37.5 and 22.5: ties go to the even neighbour
    };
    for (const Row& row : rows) {
        const ShownPicture shown = applySizeStep(row.width, row.height, row.step);
        EXPECT_EQ(std::tie(shown.width, shown.height, shown.stretch),
                  std::tie(row.shownWidth, row.shownHeight, row.stretch))
            << row.step;
    }
    EXPECT_THROW(applySizeStep(2'000'000'000, 10, 2), RuntimeError);
}
