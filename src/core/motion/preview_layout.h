// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <cstdint>
#include <string>

namespace varnholt {

// fraPreview, in twips.
inline constexpr double PreviewFrameWidth = 3732;
inline constexpr double PreviewFrameHeight = 3792;

struct PreviewPlacement {
    bool reduced = false;         // stretched to the size below instead of shown at its natural size
    double width = 0;             // twips
    double height = 0;            // twips
    std::int16_t actualWidth = 0; // natural size in pixels
    std::int16_t actualHeight = 0;
    std::string caption; // lblPreview
};

// How imgPreview shows a picture of the given natural size in pixels. A side
// beyond 16 bits raises the overflow error.
PreviewPlacement placePreview(std::int32_t naturalWidth, std::int32_t naturalHeight, const ScreenMetrics& screen);

} // namespace varnholt
