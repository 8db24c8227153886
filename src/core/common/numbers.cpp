// SPDX-License-Identifier: MIT
#include "core/common/numbers.h"

#include "core/common/errors.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace varnholt {

std::int64_t roundHalfEven(double value)
{
    // nearbyint honours the current rounding mode, which is to-nearest-even by default.
    if (std::fegetround() != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -9.2e18 && rounded <= 9.2e18))
        throw RuntimeError(ErrOverflow);
    return static_cast<std::int64_t>(rounded);
}

std::int16_t toInt16(std::int64_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(ErrOverflow);
    return static_cast<std::int16_t>(value);
}

std::int16_t toInt16(double value)
{
    return toInt16(roundHalfEven(value));
}

} // namespace varnholt
