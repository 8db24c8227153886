// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace varnholt {

// Position and size of the text block and the picture, in twips. Positions are
// 32-bit so that screens beyond 32767 twips work; the block's own size stays 16-bit.
struct TextBlockState {
    std::int32_t TextLeft = 0;
    std::int32_t TextTop = 0;
    std::int16_t BlockWidth = 0;
    std::int16_t BlockHeight = 0;
    std::int16_t TimeOffsetX = 0;
    std::int16_t TimeOffsetY = 0;
    std::int32_t PictureLeft = 0;
    std::int32_t PictureTop = 0;
    std::int32_t PictureWidth = 0;
    std::int32_t PictureHeight = 0;
    std::int32_t PreviewSpan = 0;
};

} // namespace varnholt
