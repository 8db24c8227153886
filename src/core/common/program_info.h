// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace varnholt {

inline constexpr const char* ProgramTitle = "Varnholt ScreenSaver";
inline constexpr int VersionMajor = VARNHOLT_VERSION_MAJOR;
inline constexpr int VersionMinor = VARNHOLT_VERSION_MINOR;

// "Settings - Varnholt ScreenSaver - v 3.0": the settings dialog's caption, by
// which a second configure start finds it.
inline std::string settingsDialogTitle()
{
    return std::string("Settings - ") + ProgramTitle + " - v " + std::to_string(VersionMajor) + "."
        + std::to_string(VersionMinor);
}

} // namespace varnholt
