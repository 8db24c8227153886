#pragma once

#include "gui/widgets/form_builder.h"

#include <vector>

namespace varnholt {

// The design height of lblSampleText, in twips, as its layout row has it.
inline constexpr int SampleTextHeight = 396;

// The settings dialog and its controls, in the order they are made.
const std::vector<ControlRow>& settingsDialogLayout();

} // namespace varnholt
