#pragma once

#include <string>

namespace varnholt {

// Where the help pages, read-me and pictures are installed.
std::string installedDataFolder();
// The source tree's resources: the data of a program run from its build folder.
std::string sourceDataFolder();

} // namespace varnholt
