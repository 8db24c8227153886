// SPDX-License-Identifier: MIT
#include "core/forms/about_box_layout.h"

namespace varnholt {

namespace {

using enum ControlKind;
using enum Look;

// Rows of name, kind, caption, tool tip, box, parent, look.
// clang-format off
constexpr ControlRow Rows[] = {
    {"frmAbout", Form, "", "", {0, 0, 7416, 6204}},
    {"imgLogo", Picture, "", "", {252, 144, 2220, 1020}},
    {"lblTitle", Label, "", "", {2664, 168, 4488, 336}, "", Emphasis},
    {"lblVersion", Label, "", "", {2664, 516, 1464, 300}, "", Emphasis},
    {"lblCopyRight", Label, "", "", {4140, 516, 3012, 300}, "", Emphasis | Right},
    {"lblDate", Label, "", "", {4140, 816, 3012, 300}, "", Emphasis | Right},
    {"lblDescription", Label, "", "", {240, 1248, 6912, 1212}},
    {"lblContact", Label, "", "", {240, 4356, 6912, 684}},
    {"Line1", Line, "", "", {-60, 5088, 7500, 0}},
    {"lblWebSite", Label, "Kestle Website",
     " Click to visit Vendor's WebSite ", {252, 5220, 3912, 324}, "", Emphasis | Link},
    {"lblEmail", Label, "", " Click to Send an Email ", {4140, 5220, 3012, 324}, "", Emphasis | Right | Link},
    {"cmdViewReadMe", Button, "View Read Me", " View Read Me using WordPad ", {3846, 5652, 1560, 384}},
    {"cmdOK", Button, "OK", " Exit ", {5592, 5652, 1560, 384}},
};
// clang-format on

} // namespace

std::span<const ControlRow> aboutBoxLayout()
{
    return Rows;
}

} // namespace varnholt
