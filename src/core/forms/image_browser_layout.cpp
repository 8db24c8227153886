// SPDX-License-Identifier: MIT
#include "core/forms/image_browser_layout.h"

namespace varnholt {

namespace {

using enum ControlKind;
using enum Look;

// Rows of name, kind, caption, tool tip, box, parent, look.
// clang-format off
constexpr ControlRow Rows[] = {
    {"frmBrowse", Form, "", "", {0, 0, 9024, 6246}},
    {"cmdTakeFocus", Button, "TakeFocus", "", {3708, 108, 1092, 228}},
    {"tbsImages", TabStrip, "", "", {108, 72, 8808, 5412}},
    {"tabBaseImages", Tab, "  Base Images  ", " Select Base Images ", {}, "tbsImages"},
    {"tabFileImages", Tab, "  File Images  ", " Select File Images ", {}, "tbsImages"},
    {"fraImages0", Panel, "", "", {144, 432, 8724, 5016}},
    {"fraImages1", Panel, "", "", {144, 432, 8724, 5016}},
    {"imgPhotos1", Picture, "", "", {396, 252, 2256, 1128}, "fraImages0", Link},
    {"lblPhotos1", Label, "", "", {396, 1392, 2256, 252}, "fraImages0", Centre | Link},
    {"imgPhotos2", Picture, "", "", {3192, 252, 2256, 1128}, "fraImages0", Link},
    {"lblPhotos2", Label, "", "", {3192, 1392, 2256, 252}, "fraImages0", Centre | Link},
    {"imgPhotos3", Picture, "", "", {5976, 252, 2256, 1128}, "fraImages0", Link},
    {"lblPhotos3", Label, "", "", {5976, 1392, 2256, 252}, "fraImages0", Centre | Link},
    {"imgPhotos4", Picture, "", "", {396, 1788, 2256, 1128}, "fraImages0", Link},
    {"lblPhotos4", Label, "", "", {396, 2952, 2256, 252}, "fraImages0", Centre | Link},
    {"imgPhotos5", Picture, "", "", {3192, 1788, 2256, 1128}, "fraImages0", Link},
    {"lblPhotos5", Label, "", "", {3192, 2952, 2256, 252}, "fraImages0", Centre | Link},
    {"imgPhotos6", Picture, "", "", {5976, 1788, 2256, 1128}, "fraImages0", Link},
    {"lblPhotos6", Label, "", "", {5976, 2952, 2256, 252}, "fraImages0", Centre | Link},
    {"imgPhotos7", Picture, "", "", {396, 3432, 2256, 1128}, "fraImages0", Link},
    {"lblPhotos7", Label, "", "", {396, 4572, 2256, 252}, "fraImages0", Centre | Link},
    {"imgPhotos8", Picture, "", "", {3192, 3432, 2256, 1128}, "fraImages0", Link},
    {"lblPhotos8", Label, "", "", {3192, 4572, 2256, 252}, "fraImages0", Centre | Link},
    {"imgPhotos9", Picture, "", "", {5976, 3432, 2256, 1128}, "fraImages0", Link},
    {"lblPhotos9", Label, "", "", {5976, 4572, 2256, 252}, "fraImages0", Centre | Link},
    {"lblFolders", Label, "Folders", "", {168, 144, 1812, 252}, "fraImages1"},
    {"dirImages", Custom, "", " Double Click to change folder ", {108, 420, 2268, 3744}, "fraImages1"},
    {"lblFiles", Label, "Files (.bmp,.gif,.jpg,.wmf)", "", {2544, 144, 2172, 252}, "fraImages1"},
    {"flbFiles", Custom, "", " Click to select or Double Click to choose ", {2484, 420, 2232, 3528}, "fraImages1"},
    {"lblDrives", Label, "Drives:", "", {156, 4248, 504, 192}, "fraImages1", Right},
    {"drvImages", Custom, "", "", {108, 4488, 2244, 288}, "fraImages1"},
    {"lblCurFile", Label, "Image File:", "", {2544, 4248, 792, 192}, "fraImages1"},
    {"txtCurImage", TextBox, "No Image", "", {2484, 4488, 2220, 288}, "fraImages1", ReadOnly},
    {"lblPreview", Label, "Preview", "", {4944, 144, 3576, 192}, "fraImages1"},
    {"fraPreview", Box, "", "", {4884, 324, 3732, 3792}, "fraImages1"},
    {"imgPreview", Label, "", "", {36, 132, 3636, 3576}, "fraPreview"},
    {"lblResize", Label, "ScreenSaver Image Size:", "", {4884, 4140, 2208, 192}, "fraImages1", Bold},
    {"lblScrollSize", Label, "", "", {7092, 4140, 1272, 192}, "fraImages1", Bold},
    {"lblSmaller", Label, "Smaller", "", {5376, 4488, 552, 192}, "fraImages1"},
    {"cmdSize0", Button, "", " Decrease Image Size ", {6024, 4440, 636, 252}, "fraImages1"},
    {"cmdSize1", Button, "", " Use Actual Size ", {6648, 4440, 240, 252}, "fraImages1"},
    {"cmdSize2", Button, "", " Increase Image Size ", {6876, 4440, 636, 252}, "fraImages1"},
    {"lblLarger", Label, "Larger", "", {7596, 4488, 552, 192}, "fraImages1"},
    {"lblSize", Label, "", "", {5904, 4728, 1716, 192}, "fraImages1", Centre | Emphasis},
    {"lblImageStyleMsg", Label, "Select Image Style:", "", {105, 5730, 2085, 270}, "", Emphasis},
    {"optImageStyle0", Option, "Use Base Image", "", {2250, 5724, 1812, 264}, "", Emphasis},
    {"optImageStyle1", Option, "Use File Image", "", {4110, 5724, 1812, 264}, "", Emphasis},
    {"cmdOK", Button, "OK", " Remember Settings and Exit ", {5988, 5688, 1392, 384}},
    {"cmdCancel", Button, "Cancel", " Cancel any changes and Exit ", {7524, 5688, 1392, 384}},
};
// clang-format on

} // namespace

std::span<const ControlRow> imageBrowserLayout()
{
    return Rows;
}

} // namespace varnholt
