#pragma once

#include <string>

namespace varnholt {

// Where the help pages, read-me and pictures are installed; the source tree's
// resources when the program runs from its build folder.
std::string dataFolder();

} // namespace varnholt
