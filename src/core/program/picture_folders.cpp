// SPDX-License-Identifier: MIT
#include "core/program/picture_folders.h"

#include "core/common/errors.h"
#include "core/program/volumes.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace varnholt {

namespace {

namespace fs = std::filesystem;

// Names are UTF-8 text in every system; the native form of a path is wide on some.
std::string pathText(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The names in a folder, without hidden ones, in the order the lists show them; equal shown names by their bytes.
template <typename Keep>
std::vector<std::string> namesIn(const std::string& folder, Keep keep, const NameOrder& order)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
         !error && it != end; it.increment(error)) {
        std::string name = pathText(it->path().filename());
        if (!name.starts_with('.') && keep(*it))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [&order](const std::string& a, const std::string& b) {
        if (order(a, b))
            return true;
        return !order(b, a) && a < b;
    });
    return names;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

} // namespace

std::string cleanFolder(const std::string& path)
{
    std::error_code error;
    std::string folder = pathText(fs::absolute(fs::path(path), error).lexically_normal());
    if (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

void requireReadableFolder(const std::string& folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw RuntimeError(ErrPathNotFound);
    // Listing needs the right to read the folder, and looking at what is inside the right to enter it.
    const fs::directory_iterator listing(folder, error);
    if (!error)
        static_cast<void>(fs::status(fs::path(folder) / ".", error));
    if (error)
        throw RuntimeError(ErrPathNotFound, errorDescription(ErrPathNotFound) + " (the folder cannot be read)");
}

std::vector<std::string> folderNames(const std::string& folder, const NameOrder& order)
{
    const auto isFolder = [](const fs::directory_entry& entry) {
        std::error_code error;
        return entry.is_directory(error);
    };
    return namesIn(folder, isFolder, order);
}

std::vector<std::string> pictureFileNames(const std::string& folder, const std::vector<std::string>& types,
                                          const NameOrder& order)
{
    const auto isPicture = [&types](const fs::directory_entry& entry) {
        std::error_code error;
        const std::string type = lowerCase(pathText(entry.path().extension()));
        return entry.is_regular_file(error) && type.size() > 1
            && std::find(types.begin(), types.end(), type.substr(1)) != types.end();
    };
    return namesIn(folder, isPicture, order);
}

std::vector<std::string> driveFolders(std::string_view mountsText)
{
    std::vector<std::string> volumes;
    for (const std::string& volume : mountedVolumes(mountsText)) {
        std::error_code error;
        if (fs::is_directory(volume, error))
            volumes.push_back(volume);
    }
    return volumes;
}

std::string folderWithSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace varnholt
