// SPDX-License-Identifier: MIT
#include "core/motion/block_layout.h"

#include "core/common/errors.h"
#include "core/common/numbers.h"

#include <limits>

namespace varnholt {

namespace {

struct BlockSums {
    std::int16_t across; // the shared side: the taller height, or the wider width
    std::int16_t along;  // the two labels' sides added up
    std::int16_t offset; // where the time-left line begins along the block
};

// Both labels take the larger of their `across` sides; the block adds up their `along` sides.
BlockSums joinLabels(TextLabels& labels, double LabelSize::*across, double LabelSize::*along)
{
    LabelSize& text = labels.title;
    LabelSize& time = labels.timeLeft;
    const double shared = text.*across > time.*across ? text.*across : time.*across;
    text.*across = shared;
    time.*across = shared;
    return {toInt16(shared), toInt16(time.*along + text.*along), toInt16(text.*along)};
}

std::int32_t toInt32(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw RuntimeError(ErrOverflow);
    return static_cast<std::int32_t>(value);
}

TextLabels joinBlock(TextBlockState& block, TextLabels measured, std::int16_t style)
{
    if (style == StyleOneLine) {
        const BlockSums sums = joinLabels(measured, &LabelSize::height, &LabelSize::width);
        block.BlockHeight = sums.across;
        block.BlockWidth = sums.along;
        block.TimeOffsetX = sums.offset;
        block.TimeOffsetY = 0;
    } else if (style == StyleTwoLines) {
        const BlockSums sums = joinLabels(measured, &LabelSize::width, &LabelSize::height);
        block.BlockWidth = sums.across;
        block.BlockHeight = sums.along;
        block.TimeOffsetX = 0;
        block.TimeOffsetY = sums.offset;
    }
    return measured;
}

} // namespace

TextLabels layOutTextBlock(TextBlockState& block, TextLabels measured, std::int16_t style)
{
    try {
        return joinBlock(block, measured, style);
    } catch (const RuntimeError& error) {
        // The Event Text is to blame when the block would fit without its length.
        TextBlockState scratch = block;
        TextLabels untitled = measured;
        untitled.title.width = 0;
        joinBlock(scratch, untitled, style);
        throw RuntimeError(error.number(), error.description(), EventTextTooLong);
    }
}

ShownPicture applySizeStep(std::int32_t naturalWidth, std::int32_t naturalHeight, std::int16_t imageSize)
{
    if (imageSize > 1)
        return {toInt32(std::int64_t{naturalWidth} * imageSize), toInt32(std::int64_t{naturalHeight} * imageSize),
                true};
    if (imageSize < -1) {
        const double divisor = -static_cast<double>(imageSize);
        return {toInt32(roundHalfEven(naturalWidth / divisor)), toInt32(roundHalfEven(naturalHeight / divisor)), true};
    }
    return {naturalWidth, naturalHeight, false};
}

void placePreviewPicture(TextBlockState& block)
{
    block.PictureLeft = toInt32(roundHalfEven(block.PreviewSpan / 2.0 - block.PictureWidth / 2.0));
    block.PictureTop = block.TextTop - block.PictureHeight;
}

} // namespace varnholt
