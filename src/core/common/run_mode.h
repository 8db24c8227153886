// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace varnholt {

enum RunModeValue : std::int32_t { ModeNone = 0, ModeSaver = 1, ModePreview = 4 };

} // namespace varnholt
