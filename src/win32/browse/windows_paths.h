// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace varnholt {

std::wstring upperCase(std::wstring text);
// Equal names in any letter case, as the file system compares them.
bool sameText(const std::string& a, const std::string& b);
// The order of the lists: by the name, in any letter case.
bool shownBefore(const std::string& a, const std::string& b);
// A drive as the drive list names it, its root "C:\", from "c", "C:" or "c:\"; anything else as it is.
std::string driveRoot(const std::string& drive);
// A folder as the lists keep it: absolute, "\" between names, a trailing one only at a drive's root.
std::string windowsFolder(const std::string& path);
// The folder and every folder above it, the drive's root first.
std::vector<std::string> folderChainOf(const std::string& folder);
// The last name of a path; a drive's root is its own name.
std::string nameOf(const std::string& path);

} // namespace varnholt
