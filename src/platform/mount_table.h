// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace varnholt {

// The text of the system's table of mounted file systems; "" when it cannot be read.
std::string readMountTable();

} // namespace varnholt
