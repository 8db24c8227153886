// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace varnholt {

// The first of the candidates that is a folder; the first candidate when none is.
std::string chooseDataFolder(const std::vector<std::string>& candidates);

// desktopPath, the separator and "ReadMe.rtf", the end of desktopPath unchecked; with no desktopPath, the
// installed copy.
std::string readMePath(const std::string& desktopPath, const std::string& dataFolder, char separator);

// The HTML page of a help context: in "help" beside helpFilePath when that page
// exists there, else in the data folder's "help".
std::string helpPagePath(const std::string& helpFilePath, int context, const std::string& dataFolder, char separator);

} // namespace varnholt
