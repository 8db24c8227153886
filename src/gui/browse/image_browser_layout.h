#pragma once

#include "gui/widgets/form_builder.h"

#include <vector>

namespace varnholt {

// The image browser and its controls, in the order they are made.
const std::vector<ControlRow>& imageBrowserLayout();

} // namespace varnholt
