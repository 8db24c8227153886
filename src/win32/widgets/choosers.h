// SPDX-License-Identifier: MIT
#pragma once

#include "core/program/dialog_state.h"

#include <cstdint>
#include <optional>
#include <windows.h>

namespace varnholt {

// The system's font and colour choosers, opened over owner; nothing when cancelled.
std::optional<FontChoice> chooseFont(HWND owner, const FontChoice& preset);
std::optional<std::int32_t> chooseColour(HWND owner, std::int32_t preset);

// A font of the record's entry at the screen's DPI; the caller deletes it.
HFONT entryFont(const SettingsRecord& record, int entry, double twipsPerPixelY);

} // namespace varnholt
