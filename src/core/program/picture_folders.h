// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/errors.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

// Paths and names are kept as the bytes the system gives, which need not be UTF-8.

// Orders two names as a list shows them to the user.
using NameOrder = std::function<bool(const std::string&, const std::string&)>;

// The absolute, clean form of a folder path, without a trailing separator except at the root.
std::string cleanFolder(const std::string& path);

// Why the path is no folder that can be listed and entered; nothing when it is one.
std::optional<PictureFault> folderFault(const std::string& folder);

// The folders inside a folder, without hidden ones.
std::vector<std::string> folderNames(const std::string& folder, const NameOrder& order);

// The files of a folder whose ending (lower case, without the dot) is one of types, in any letter case.
std::vector<std::string> pictureFileNames(const std::string& folder, const std::vector<std::string>& types,
                                          const NameOrder& order);

// The mounted volumes in the text of the mount table that are folders here.
std::vector<std::string> driveFolders(std::string_view mountsText);

} // namespace varnholt
