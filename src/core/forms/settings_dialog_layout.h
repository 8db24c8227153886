// SPDX-License-Identifier: MIT
#pragma once

#include "core/forms/control_row.h"

#include <span>
#include <string_view>

namespace varnholt {

// The design height of lblSampleText, in twips, as its row has it.
inline constexpr int SampleTextHeight = 396;

// The settings dialog and its controls, in the order they are made.
std::span<const ControlRow> settingsDialogLayout();
// Its controls in the order Tab moves through them, which is not the order they are made in.
std::span<const std::string_view> settingsDialogTabOrder();

} // namespace varnholt
