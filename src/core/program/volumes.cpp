// SPDX-License-Identifier: MIT
#include "core/program/volumes.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace varnholt {

namespace {

constexpr std::array<std::string_view, 22> PseudoTypes{
    "proc",      "sysfs",      "devtmpfs", "devpts",      "tmpfs",    "ramfs",      "cgroup",  "cgroup2",
    "overlay",   "securityfs", "pstore",   "debugfs",     "tracefs",  "configfs",   "fusectl", "mqueue",
    "hugetlbfs", "bpf",        "autofs",   "binfmt_misc", "efivarfs", "rpc_pipefs",
};

constexpr std::array<std::string_view, 5> RuntimeFolders{"/proc", "/sys", "/dev", "/run", "/snap"};

bool isUnder(std::string_view path, std::string_view folder)
{
    return path == folder || (path.starts_with(folder) && path.size() > folder.size() && path[folder.size()] == '/');
}

// The kernel writes blanks, tabs, line breaks and backslashes in mount points as \ooo.
std::string unescape(const std::string& field)
{
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool octal = field[i] == '\\' && i + 3 < field.size()
            && std::all_of(field.begin() + long(i) + 1, field.begin() + long(i) + 4,
                           [](char c) { return c >= '0' && c <= '7'; });
        if (octal) {
            text += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

bool wanted(const std::string& mountPoint, const std::string& type)
{
    if (mountPoint == "/" || mountPoint == "/tmp")
        return true;
    if (std::find(PseudoTypes.begin(), PseudoTypes.end(), type) != PseudoTypes.end())
        return false;
    if (isUnder(mountPoint, "/run/media"))
        return true;
    return std::none_of(RuntimeFolders.begin(), RuntimeFolders.end(),
                        [&](std::string_view folder) { return isUnder(mountPoint, folder); });
}

} // namespace

std::vector<std::string> mountedVolumes(std::string_view mountsText)
{
    std::vector<std::string> volumes{"/"};
    std::istringstream lines{std::string(mountsText)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string device, mountPoint, type;
        if (!(fields >> device >> mountPoint >> type))
            continue;
        mountPoint = unescape(mountPoint);
        if (wanted(mountPoint, type) && std::find(volumes.begin(), volumes.end(), mountPoint) == volumes.end())
            volumes.push_back(mountPoint);
    }
    std::sort(volumes.begin() + 1, volumes.end());
    return volumes;
}

std::string driveOfPath(const std::string& path, const std::vector<std::string>& volumes)
{
    std::string drive = "/";
    for (const std::string& volume : volumes) {
        if (volume.size() > drive.size() && isUnder(path, volume))
            drive = volume;
    }
    return drive;
}

std::vector<std::string> folderChain(const std::string& path)
{
    std::vector<std::string> chain{"/"};
    if (path == "/")
        return chain;
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        chain.push_back(path.substr(0, slash));
        if (slash == std::string::npos)
            break;
    }
    return chain;
}

} // namespace varnholt
