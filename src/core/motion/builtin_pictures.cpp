// SPDX-License-Identifier: MIT
#include "core/motion/builtin_pictures.h"

#include "core/common/errors.h"

#include <array>

namespace varnholt {

const std::string& builtinPictureTag(int index)
{
    static const std::array<std::string, BuiltinPictureCount> tags{
        "Logo", "Birthday Cake", "Candles", "Hammock", "Mountains", "Cruise Ship", "Sunset", "Wreath", "Wedding Cake",
    };
    if (index < 1 || index > BuiltinPictureCount)
        throw RuntimeError(ErrSubscriptOutOfRange);
    return tags[static_cast<std::size_t>(index - 1)];
}

} // namespace varnholt
