// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

// The mount points of real file systems in the text of /proc/self/mounts: "/"
// first, then by name, each once. Kernel and runtime file systems are left out,
// except "/" and "/tmp".
std::vector<std::string> mountedVolumes(std::string_view mountsText);

// The volume that holds an absolute path: the longest mount point it lies under.
std::string driveOfPath(const std::string& path, const std::vector<std::string>& volumes);

// An absolute, clean path and every folder above it, root first: "/a/b" gives "/", "/a", "/a/b".
std::vector<std::string> folderChain(const std::string& path);

} // namespace varnholt
