// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace varnholt {

// Reals become integers to the nearest, ties to the even neighbour.
std::int64_t roundHalfEven(double value);

// Rounds and checks the 16-bit range; throws RuntimeError(ErrOverflow) outside it.
std::int16_t toInt16(double value);
std::int16_t toInt16(std::int64_t value);

} // namespace varnholt
