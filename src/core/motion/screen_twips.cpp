// SPDX-License-Identifier: MIT
#include "core/motion/screen_twips.h"

#include "core/common/numbers.h"

#include <algorithm>
#include <limits>

namespace varnholt {

namespace {

std::int32_t twips(std::int32_t pixels, double twipsPerPixel)
{
    const double value = std::clamp(static_cast<double>(pixels) * twipsPerPixel,
                                    double{std::numeric_limits<std::int32_t>::min()},
                                    double{std::numeric_limits<std::int32_t>::max()});
    return static_cast<std::int32_t>(roundHalfEven(value));
}

} // namespace

ScreenTwips screenTwips(const ScreenMetrics& screen)
{
    return {twips(screen.widthPixels, screen.twipsPerPixelX), twips(screen.heightPixels, screen.twipsPerPixelY)};
}

} // namespace varnholt
