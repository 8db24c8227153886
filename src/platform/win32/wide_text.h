// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace varnholt {

// The core's texts are UTF-8; Windows takes UTF-16.
std::wstring wideText(std::string_view text);
std::string utf8Text(std::wstring_view text);

} // namespace varnholt
