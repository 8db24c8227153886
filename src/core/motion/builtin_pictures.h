// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace varnholt {

// The nine built-in pictures, numbered 1 to 9, each 150 x 75 pixels.
inline constexpr int BuiltinPictureCount = 9;
inline constexpr int BuiltinPictureWidth = 150;
inline constexpr int BuiltinPictureHeight = 75;

// The tag of picture number index; a number outside 1..9 raises "Subscript out of range".
const std::string& builtinPictureTag(int index);

} // namespace varnholt
