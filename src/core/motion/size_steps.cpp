// SPDX-License-Identifier: MIT
#include "core/motion/size_steps.h"

#include "core/common/numbers.h"

#include <cstdlib>
#include <limits>

namespace varnholt {

namespace {

// Kept in 32 bits so that a press beyond the 16-bit range can be refused like any other.
int nextStep(int step, int button)
{
    switch (button) {
    case SizeDecrease:
        --step;
        if (step == 1)
            step = -1;
        if (step == 0)
            step = -2;
        return step;
    case SizeIncrease:
        ++step;
        if (step == -1)
            step = 1;
        if (step == 0)
            step = 2;
        return step;
    default:
        return 1;
    }
}

bool tooLarge(int step, std::int16_t actualWidth, std::int16_t actualHeight, const ScreenMetrics& screen)
{
    if (step > std::numeric_limits<std::int16_t>::max())
        return true;
    const double screenWidth = screen.widthPixels * screen.twipsPerPixelX;
    const double screenHeight = screen.heightPixels * screen.twipsPerPixelY;
    return actualWidth * screen.twipsPerPixelX * step > screenWidth
        || actualHeight * screen.twipsPerPixelY * step > screenHeight;
}

bool tooSmall(int step, std::int16_t actualWidth, std::int16_t actualHeight, const ScreenMetrics& screen)
{
    if (step < std::numeric_limits<std::int16_t>::min())
        return true;
    const double divisor = std::abs(step);
    return actualWidth / divisor < screen.twipsPerPixelX || actualHeight / divisor < screen.twipsPerPixelY;
}

std::string sizeLine(std::int64_t width, std::int64_t height)
{
    return std::to_string(toInt16(width)) + " x " + std::to_string(toInt16(height));
}

} // namespace

SizeStepOutcome pressSizeButton(std::int16_t step, int button, std::int16_t actualWidth, std::int16_t actualHeight,
                                const ScreenMetrics& screen)
{
    const int next = nextStep(step, button);
    if (next >= 2 && tooLarge(next, actualWidth, actualHeight, screen))
        return {static_cast<std::int16_t>(next - 1), SizeRefusal::TooLarge};
    if (next <= -2 && tooSmall(next, actualWidth, actualHeight, screen))
        return {static_cast<std::int16_t>(next + 1), SizeRefusal::TooSmall};
    return {static_cast<std::int16_t>(next), SizeRefusal::None};
}

SizeCaptions sizeCaptions(bool previewed, std::int16_t step, std::int16_t actualWidth, std::int16_t actualHeight)
{
    if (!previewed)
        return {"Use Actual Size", ""};
    if (step >= 2)
        return {"Increase " + std::to_string(step) + " times",
                sizeLine(std::int64_t{actualWidth} * step, std::int64_t{actualHeight} * step)};
    if (step <= -2) {
        const int divisor = std::abs(int{step});
        return {"Decrease " + std::to_string(divisor) + " times",
                sizeLine(roundHalfEven(static_cast<double>(actualWidth) / divisor),
                         roundHalfEven(static_cast<double>(actualHeight) / divisor))};
    }
    return {"Use Actual Size", sizeLine(actualWidth, actualHeight)};
}

} // namespace varnholt
