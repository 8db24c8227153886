// SPDX-License-Identifier: MIT
#include "core/program/help_paths.h"

#include <filesystem>
#include <system_error>

namespace varnholt {

namespace {

bool isFolder(const std::string& path)
{
    std::error_code error; // a name too long or unreadable is simply no folder
    return std::filesystem::is_directory(path, error);
}

bool isFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The text before the last separator: "" for "/Varnholt.chm", so an empty desktopPath names no folder.
std::string folderOf(const std::string& filePath, char separator)
{
    const std::string::size_type slash = filePath.rfind(separator);
    return slash == std::string::npos ? std::string() : filePath.substr(0, slash);
}

} // namespace

std::string chooseDataFolder(const std::vector<std::string>& candidates)
{
    for (const std::string& candidate : candidates) {
        if (isFolder(candidate))
            return candidate;
    }
    return candidates.empty() ? std::string() : candidates.front();
}

std::string readMePath(const std::string& desktopPath, const std::string& dataFolder, char separator)
{
    return (desktopPath.empty() ? dataFolder : desktopPath) + separator + "ReadMe.rtf";
}

std::string helpPagePath(const std::string& helpFilePath, int context, const std::string& dataFolder, char separator)
{
    const std::string page = std::string(1, separator) + "help" + separator + "topic-" + std::to_string(context)
        + ".html";
    const std::string folder = folderOf(helpFilePath, separator);
    // A folder without our pages would leave Help dead: the shipped pages then serve.
    return !folder.empty() && isFile(folder + page) ? folder + page : dataFolder + page;
}

} // namespace varnholt
