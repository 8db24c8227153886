// SPDX-License-Identifier: MIT
#include "core/forms/settings_dialog_layout.h"

namespace varnholt {

namespace {

using enum ControlKind;
using enum Look;

// Rows of name, kind, caption, tool tip, box, parent, look.
// clang-format off
constexpr ControlRow Rows[] = {
    {"frmSetup", Form, "", "", {0, 0, 7836, 8220}},
    {"fraTextDate", Frame, "Text and Date Settings", "", {120, 108, 7572, 2580}, "", Bold},
    {"lblText", Label, "Event Text:", "", {180, 324, 1164, 252}, "fraTextDate"},
    {"txtTitle", TextBox, "", "", {1368, 288, 5964, 288}, "fraTextDate"},
    {"lblComplete", Label, "Target Text:", "", {180, 672, 1164, 252}, "fraTextDate"},
    {"txtTarget", TextBox, "", "", {1368, 636, 5964, 288}, "fraTextDate"},
    {"lblTargetPassed", Label, "Target Passed:", "", {180, 1008, 1164, 216}, "fraTextDate"},
    {"txtTargetPassed", TextBox, "", "", {1368, 972, 5964, 288}, "fraTextDate"},
    {"lblDate", Label, "Target Date:", "", {180, 1344, 1164, 252}, "fraTextDate"},
    {"txtDate", TextBox, "", "", {1368, 1308, 1608, 288}, "fraTextDate"},
    {"txtDateLong", TextBox, "", "", {3120, 1308, 2484, 288}, "fraTextDate", ReadOnly | ClickFocus},
    {"cmdCalendar", Button, "Show Calendar",
     " Use Calendar to set Target Date ", {5772, 1308, 1572, 300}, "fraTextDate"},
    {"lblTargetMsg", Label, "Target Text will replace Event Text when the Target Date is reached.",
     "", {1368, 1692, 5232, 252}, "fraTextDate"},
    {"lblTargetPastMsg", Label, "Target Passed will replace Target Text when the Target Date has passed.",
     "", {1368, 1920, 5448, 252}, "fraTextDate"},
    {"chkSynchronize", CheckBox, "Synchronize Above Settings with Desktop Varnholt",
     "", {180, 2196, 6456, 228}, "fraTextDate", Bold | Blue},
    {"fraDateRangeMsg", Frame, "Date Format Error", "", {0, 0, 3648, 876}, "fraTextDate", Bold | Note | Hidden},
    {"lblDateRangeMsg", Label, "", "", {36, 216, 3528, 588}, "fraDateRangeMsg", Bold | Top | Blue},
    {"cmdFixDate", Button, "Restore", "", {2700, 540, 876, 264}, "fraDateRangeMsg", Bold},
    {"MonthView", Calendar, "", "", {4788, 252, 2640, 2208}, "fraTextDate", Hidden},
    {"fraStyle", Frame, "Style Settings", "", {108, 2736, 4440, 1596}, "", Bold},
    {"cmdFormat0", Button, "Format Event Text...",
     " Change Font Settings for Event Text ", {180, 288, 1944, 300}, "fraStyle"},
    {"cmdFormat1", Button, "Format Target Text...",
     " Change Font Settings for Target Text ", {180, 684, 1944, 300}, "fraStyle"},
    {"cmdFormat2", Button, "Format Target Passed...",
     " Change Font Settings for Target Passed Text ", {180, 1080, 1944, 300}, "fraStyle"},
    {"picFontColour0", Panel, "", "", {2016, 324, 72, 72}, "fraStyle"},
    {"picFontColour1", Panel, "", "", {2016, 720, 72, 72}, "fraStyle"},
    {"picFontColour2", Panel, "", "", {2016, 1116, 72, 72}, "fraStyle"},
    {"cmdBackground", Button, "Background Colour...", " Change Background Colour ", {2304, 288, 1944, 300}, "fraStyle"},
    {"picBackColour", Panel, "", "", {4140, 324, 72, 72}, "fraStyle"},
    {"chkDays", CheckBox, "Include Number of Days", "", {2304, 612, 2052, 492}, "fraStyle"},
    {"optStyle0", Option, "One Line", "", {2304, 1116, 972, 228}, "fraStyle"},
    {"optStyle1", Option, "Two Lines", "", {3276, 1116, 1080, 228}, "fraStyle"},
    {"fraImage", Frame, "Image Settings", "", {4680, 2736, 3024, 1596}, "", Bold},
    {"chkImage", CheckBox, "Use Image", "", {180, 288, 1152, 312}, "fraImage"},
    {"cmdImage", Button, "Select Image...", " Select an Image to use ", {1368, 288, 1464, 300}, "fraImage"},
    {"optImageStyle0", Option, "Base Image", "", {180, 792, 1200, 192}, "fraImage"},
    {"lblBaseImage", Label, "", "", {1380, 768, 1428, 264}, "fraImage", Boxed},
    {"optImageStyle1", Option, "File Image", "", {180, 1188, 1200, 192}, "fraImage"},
    {"lblFileImage", Label, "", "", {1380, 1160, 1428, 264}, "fraImage", Boxed},
    {"fraMovement", Frame, "Movement Settings", "", {108, 4392, 7608, 1992}, "", Bold},
    {"lblSpeedMsg", Label, "Speed of Movement:", "", {180, 324, 1560, 192}, "fraMovement"},
    {"lblSlow", Label, "Slow", "", {2196, 324, 372, 228}, "fraMovement", Right | Top},
    {"HScrollSpeed", ScrollBar, "", "", {2664, 324, 4296, 192}, "fraMovement"},
    {"lblFast", Label, "Fast", "", {7044, 324, 372, 228}, "fraMovement"},
    {"lblSpeed", Label, "", "", {2736, 492, 3792, 192}, "fraMovement", Centre | Top},
    {"fraPath", Frame, "Path", "", {180, 720, 2568, 1092}, "fraMovement"},
    {"optPosition0", Option, "Horizontal Path", "", {240, 252, 1740, 228}, "fraPath"},
    {"optPosition1", Option, "Vertical Path", "", {240, 522, 1740, 228}, "fraPath"},
    {"optPosition2", Option, "Random Paths", "", {240, 792, 1740, 228}, "fraPath"},
    {"fraPlacement", Frame, "Placement and Direction", "", {2916, 720, 4500, 1092}, "fraMovement"},
    {"fraHoriz", Panel, "", "", {36, 180, 4404, 372}, "fraPlacement"},
    {"fraVert", Panel, "", "", {36, 180, 4404, 372}, "fraPlacement"},
    {"fraDirection", Panel, "", "", {36, 576, 4404, 372}, "fraPlacement"},
    {"optHoriz0", Option, "Top", "", {240, 120, 816, 192}, "fraHoriz"},
    {"optVert0", Option, "Left", "", {240, 120, 816, 192}, "fraVert"},
    {"optHoriz1", Option, "Centre", "", {1704, 120, 816, 192}, "fraHoriz"},
    {"optVert1", Option, "Centre", "", {1704, 120, 816, 192}, "fraVert"},
    {"optHoriz2", Option, "Bottom", "", {3372, 120, 816, 192}, "fraHoriz"},
    {"optVert2", Option, "Right", "", {3372, 120, 816, 192}, "fraVert"},
    {"optDirection0", Option, "Forward", "", {240, 120, 960, 192}, "fraDirection"},
    {"optDirection1", Option, "Backward", "", {1704, 120, 1068, 192}, "fraDirection"},
    {"optDirection2", Option, "Downward", "", {240, 120, 1068, 192}, "fraDirection"},
    {"optDirection3", Option, "Upward", "", {1704, 120, 924, 192}, "fraDirection"},
    {"fraSample", Frame, "Sample   (Number of Lines Not Updated in Sample)", "", {108, 6444, 7608, 1164}, "", Bold},
    {"lblSampleText", Label, "", "", {144, 252, 7344, 396}, "fraSample", Top},
    {"lblSampleDate", Label, "", "", {144, 636, 7344, 396}, "fraSample", Top},
    {"cmdAbout", Button, "About...", " View About this ScreenSaver ", {108, 7716, 1080, 360}},
    {"cmdHelp", Button, "Help...", " View the Help screen ", {1322, 7716, 1080, 360}},
    {"cmdRestoreSettings", Button, "Restore Settings",
     " Restore Settings to last used values ", {2536, 7716, 1500, 360}},
    {"cmdOK", Button, "OK", " Save any changes and Exit ", {5348, 7716, 1116, 360}},
    {"cmdCancel", Button, "Cancel", " Cancel any changes and Exit Settings Dialog ", {6600, 7716, 1116, 360}},
};
// clang-format on

constexpr std::string_view TabOrder[] = {
    "txtTitle",       "txtTarget",    "txtTargetPassed", "txtDate",       "optStyle0",     "optStyle1",
    "optPosition0",   "optPosition1", "optPosition2",    "optHoriz0",     "optHoriz1",     "optHoriz2",
    "optVert0",       "optVert1",     "optVert2",        "optDirection0", "optDirection1", "optDirection2",
    "optDirection3",  "cmdCancel",    "cmdOK",           "cmdAbout",      "cmdHelp",       "cmdRestoreSettings",
    "cmdCalendar",    "MonthView",    "cmdFixDate",      "cmdFormat0",    "cmdFormat1",    "cmdFormat2",
    "cmdBackground",  "cmdImage",     "chkSynchronize",  "chkDays",       "chkImage",      "optImageStyle0",
    "optImageStyle1", "HScrollSpeed",
};

} // namespace

std::span<const ControlRow> settingsDialogLayout()
{
    return Rows;
}

std::span<const std::string_view> settingsDialogTabOrder()
{
    return TabOrder;
}

} // namespace varnholt
