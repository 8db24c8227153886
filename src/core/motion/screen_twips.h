// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <cstdint>

namespace varnholt {

// A screen's size in twips, the unit the movement works in; 32 bits so that large screens fit.
struct ScreenTwips {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

ScreenTwips screenTwips(const ScreenMetrics& screen);

} // namespace varnholt
