// SPDX-License-Identifier: MIT
#pragma once

#include "core/forms/control_row.h"

#include <span>

namespace varnholt {

// The image browser and its controls, in the order they are made.
std::span<const ControlRow> imageBrowserLayout();

} // namespace varnholt
