// SPDX-License-Identifier: MIT
#pragma once

#include "core/motion/text_block.h"
#include "core/settings/settings_enums.h"

#include <cstdint>

namespace varnholt {

// A label's extent in twips, as measured from its caption in its font.
struct LabelSize {
    double width = 0;
    double height = 0;
};

inline constexpr const char* EventTextTooLong = "The Event Text is too long for the screen.";

struct TextLabels {
    LabelSize title;
    LabelSize timeLeft;
};

// Lays the two labels out as one block: writes BlockWidth, BlockHeight,
// TimeOffsetX and TimeOffsetY and returns the sizes the labels take (the taller
// label sets both heights in one line, the wider sets both widths in two). Any
// other style changes nothing. A value beyond 16 bits throws
// RuntimeError(ErrOverflow) and leaves the block as it was; its cause is
// EventTextTooLong when the block would fit without the Event Text's length.
TextLabels layOutTextBlock(TextBlockState& block, TextLabels measured, std::int16_t style);

struct ShownPicture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool stretch = false;
};

// The size a File Image is shown at for the size step imageSize: n > 1 enlarges n
// times, n < -1 reduces |n| times (rounded half to even), -1..1 keep the natural
// size. Any one unit (pixels or twips) in and out; a size beyond 32 bits throws
// RuntimeError(ErrOverflow).
ShownPicture applySizeStep(std::int32_t naturalWidth, std::int32_t naturalHeight, std::int16_t imageSize);

// Preview: the picture centred on half the preview span, its bottom on the text's top.
void placePreviewPicture(TextBlockState& block);

} // namespace varnholt
