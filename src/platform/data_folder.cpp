// SPDX-License-Identifier: MIT
#include "platform/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace varnholt {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::filesystem::path programFolder()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

std::vector<std::string> xdgDataFolders()
{
    std::string home = environment("XDG_DATA_HOME");
    if (home.empty() && !homeFolder().empty())
        home = homeFolder() + "/.local/share";
    std::string others = environment("XDG_DATA_DIRS");
    if (others.empty())
        others = "/usr/local/share:/usr/share";
    std::vector<std::string> folders;
    if (!home.empty())
        folders.push_back(home);
    std::stringstream list(others);
    for (std::string folder; std::getline(list, folder, ':');) {
        if (!folder.empty())
            folders.push_back(folder);
    }
    return folders;
}

} // namespace

std::string homeFolder()
{
    std::string home = environment("HOME");
    if (home.empty()) {
        const passwd* account = ::getpwuid(::getuid());
        if (account != nullptr && account->pw_dir != nullptr)
            home = account->pw_dir;
    }
    return home;
}

std::vector<std::string> dataFolderCandidates()
{
    const std::filesystem::path program = programFolder();
    std::vector<std::string> candidates{(program.parent_path() / "share/varnholt").string()};
    for (const std::string& folder : xdgDataFolders())
        candidates.push_back(folder + "/varnholt");
    if (!program.empty() && program == std::filesystem::path(VARNHOLT_BUILD_PROGRAM_DIR))
        candidates.push_back(VARNHOLT_SOURCE_RESOURCES);
    return candidates;
}

PathStyle nativePathStyle()
{
    return PathStyle{'/', "/", "/"};
}

} // namespace varnholt
