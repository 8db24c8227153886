// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace varnholt {

// False when a JPEG, GIF or BMP file ends before its picture data does, which
// the image readers would show with the missing part blank. Other formats, and
// layouts that cannot be measured without decoding, count as complete.
bool pictureDataComplete(std::string_view format, std::span<const std::uint8_t> data);

} // namespace varnholt
