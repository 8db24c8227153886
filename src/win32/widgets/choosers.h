// SPDX-License-Identifier: MIT
#pragma once

#include "core/program/dialog_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <windows.h>

namespace varnholt {

// The system's font and colour choosers, opened over owner; nothing when cancelled.
std::optional<FontChoice> chooseFont(HWND owner, const FontChoice& preset);
std::optional<std::int32_t> chooseColour(HWND owner, std::int32_t preset);

// The face the font chooser opens on: the stored one, or what the system draws in its place when no installed
// font has that name (the chooser selects only installed faces).
std::wstring installedFace(const std::wstring& stored);
// The chosen face to keep: the stored one when the user kept the face shown in its place.
std::wstring keptFace(const std::wstring& chosen, const std::wstring& stored);

// A font of the record's entry at the screen's DPI; the caller deletes it.
HFONT entryFont(const SettingsRecord& record, int entry, double twipsPerPixelY);

} // namespace varnholt
