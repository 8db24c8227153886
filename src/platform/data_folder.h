// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <string>
#include <vector>

namespace varnholt {

// Where help pages, read-me and pictures may be, best first: share/varnholt beside
// the program's own folder (so that a moved install keeps them), the XDG data
// folders, and the source tree only when the program runs from its build folder.
std::vector<std::string> dataFolderCandidates();

// HOME, or the account's home from the password database when HOME is unset or empty.
std::string homeFolder();

// The separator "/", and the root as the picture folder and drive before one is chosen.
PathStyle nativePathStyle();

} // namespace varnholt
