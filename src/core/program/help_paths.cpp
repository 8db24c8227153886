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

// The text before the last "/": "" for "/Varnholt.chm", so an empty desktopPath names no folder.
std::string folderOf(const std::string& filePath)
{
    const std::string::size_type slash = filePath.rfind('/');
    return slash == std::string::npos ? std::string() : filePath.substr(0, slash);
}

} // namespace

std::string chooseDataFolder(const std::string& installed, const std::string& fallback)
{
    return isFolder(installed) ? installed : fallback;
}

std::string readMePath(const std::string& desktopPath, const std::string& dataFolder)
{
    return (desktopPath.empty() ? dataFolder : desktopPath) + "/ReadMe.rtf";
}

std::string helpPagePath(const std::string& helpFilePath, int context, const std::string& dataFolder)
{
    const std::string folder = folderOf(helpFilePath);
    const std::string base = !folder.empty() && isFolder(folder) ? folder : dataFolder;
    return base + "/help/topic-" + std::to_string(context) + ".html";
}

} // namespace varnholt
