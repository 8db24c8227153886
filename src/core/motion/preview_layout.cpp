// SPDX-License-Identifier: MIT
#include "core/motion/preview_layout.h"

#include "core/common/numbers.h"

namespace varnholt {

PreviewPlacement placePreview(std::int32_t naturalWidth, std::int32_t naturalHeight, const ScreenMetrics& screen)
{
    PreviewPlacement placement;
    placement.width = naturalWidth * screen.twipsPerPixelX;
    placement.height = naturalHeight * screen.twipsPerPixelY;
    placement.actualWidth = toInt16(placement.width / screen.twipsPerPixelX);
    placement.actualHeight = toInt16(placement.height / screen.twipsPerPixelY);
    const std::string size = std::to_string(placement.actualWidth) + " x " + std::to_string(placement.actualHeight);

    placement.reduced = placement.width > PreviewFrameWidth || placement.height > PreviewFrameHeight;
    if (!placement.reduced) {
        placement.caption = "Preview - Actual Size " + size;
        return placement;
    }
    // Each side follows from the frame's other side, as the ratio says.
    const double ratio = placement.width / placement.height;
    if (ratio > 1) {
        placement.width = PreviewFrameWidth - 80;
        placement.height = PreviewFrameHeight / ratio;
    } else {
        placement.width = PreviewFrameWidth * ratio;
        placement.height = PreviewFrameHeight - 200;
    }
    placement.caption = "Preview - (Reduced) - Actual Size " + size;
    return placement;
}

} // namespace varnholt
