// SPDX-License-Identifier: MIT
#pragma once

#include "core/motion/size_steps.h"

#include <string>

namespace varnholt {

// OK on "Use File Image" without a file.
std::string fileImageRequiredText();

// A refused size step; empty for SizeRefusal::None.
std::string sizeRefusalText(SizeRefusal refusal);

// "Error Number: " with the number, CR LF and the description.
std::string errorNumberText(int number, const std::string& description);

// A folder or drive the user chose that cannot be opened.
std::string folderRefusedText(const std::string& folder, int number, const std::string& description);

// A picture file the user chose that cannot be shown.
std::string pictureRefusedText(const std::string& fileName, int number, const std::string& description);

} // namespace varnholt
