// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace varnholt {

// Where help pages, read-me and pictures may be, best first: share/varnholt beside
// the program's own folder (so that a moved install keeps them), the XDG data
// folders, and the source tree only when the program runs from its build folder.
std::vector<std::string> dataFolderCandidates();

// HOME, or the account's home from the password database when HOME is unset or empty.
std::string homeFolder();

} // namespace varnholt
