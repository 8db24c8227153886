#pragma once

#include "core/forms/control_row.h"

#include <span>

namespace varnholt {

// The design height of lblSampleText, in twips, as its row has it.
inline constexpr int SampleTextHeight = 396;

// The settings dialog and its controls, in the order they are made.
std::span<const ControlRow> settingsDialogLayout();

} // namespace varnholt
