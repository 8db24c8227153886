// SPDX-License-Identifier: MIT
#include "platform/win32/debug_log.h"

#include "platform/win32/wide_text.h"

#include <windows.h>

namespace varnholt {

void DebugLog::warning(const std::string& text)
{
    OutputDebugStringW(wideText("varnholt: " + text + "\n").c_str());
}

} // namespace varnholt
