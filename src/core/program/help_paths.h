#pragma once

#include <string>

namespace varnholt {

// The installed data folder when it exists, else the fallback (a run from the build tree).
std::string chooseDataFolder(const std::string& installed, const std::string& fallback);

// desktopPath + "/ReadMe.rtf", separator unchecked; with no desktopPath, the installed copy.
std::string readMePath(const std::string& desktopPath, const std::string& dataFolder);

// The HTML page of a help context: in "help" beside helpFilePath when that folder is
// named and exists, else in the data folder's "help".
std::string helpPagePath(const std::string& helpFilePath, int context, const std::string& dataFolder);

} // namespace varnholt
