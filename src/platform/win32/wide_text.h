// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace varnholt {

// The core's texts are UTF-8; the Win32 calls take UTF-16.
std::wstring wideText(const std::string& utf8);
std::string utf8Text(const std::wstring& wide);

} // namespace varnholt
