// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <cstdint>
#include <string>

namespace varnholt {

// The buttons cmdSize(0..2).
enum SizeButton : int { SizeDecrease = 0, SizeActual = 1, SizeIncrease = 2 };

enum class SizeRefusal { None, TooLarge, TooSmall };

struct SizeStepOutcome {
    std::int16_t step = 1; // the step to store
    SizeRefusal refusal = SizeRefusal::None;
};

// The step after a press of cmdSize(button): down 3, 2, -1, -2, -3; up -3, -2, 1, 2, 3.
// A step that would make the picture larger than the screen or smaller than one
// twips-per-pixel count of pixels is refused and moved back one.
SizeStepOutcome pressSizeButton(std::int16_t step, int button, std::int16_t actualWidth, std::int16_t actualHeight,
                                const ScreenMetrics& screen);

struct SizeCaptions {
    std::string stepText;
    std::string sizeText;
};

// The step in words and the resulting size in pixels; a product beyond 16 bits
// raises the overflow error.
SizeCaptions sizeCaptions(bool previewed, std::int16_t step, std::int16_t actualWidth, std::int16_t actualHeight);

} // namespace varnholt
