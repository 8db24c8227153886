// SPDX-License-Identifier: MIT
#include "win32/browse/windows_paths.h"

#include "core/program/picture_folders.h"
#include "platform/win32/wide_text.h"

#include <algorithm>
#include <cctype>
#include <cwctype>
#include <filesystem>
#include <windows.h>

namespace varnholt {

namespace fs = std::filesystem;

std::wstring upperCase(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return wchar_t(std::towupper(c)); });
    return text;
}

bool sameText(const std::string& a, const std::string& b)
{
    return CompareStringOrdinal(wideText(a).c_str(), -1, wideText(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool shownBefore(const std::string& a, const std::string& b)
{
    return CompareStringOrdinal(wideText(a).c_str(), -1, wideText(b).c_str(), -1, TRUE) == CSTR_LESS_THAN;
}

std::string driveRoot(const std::string& drive)
{
    const bool named = !drive.empty() && drive.size() <= 3 && (drive.size() == 1 || drive[1] == ':')
        && std::isalpha(static_cast<unsigned char>(drive[0]))
        && (drive.size() < 3 || drive[2] == '\\' || drive[2] == '/');
    return named ? std::string(1, char(std::toupper(drive[0]))) + ":\\" : drive;
}

std::string windowsFolder(const std::string& path)
{
    std::string folder = cleanFolder(driveRoot(path));
    std::replace(folder.begin(), folder.end(), '/', '\\');
    if (folder.size() > 3 && folder.back() == '\\')
        folder.pop_back();
    if (folder.size() == 2 && folder[1] == ':')
        folder += '\\';
    return folder;
}

std::vector<std::string> folderChainOf(const std::string& folder)
{
    std::vector<std::string> chain;
    fs::path path = fs::path(wideText(folder));
    for (;;) {
        chain.push_back(utf8Text(path.wstring()));
        fs::path parent = path.parent_path();
        if (parent.empty() || parent == path)
            break;
        path = parent;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

std::string nameOf(const std::string& path)
{
    const std::wstring name = fs::path(wideText(path)).filename().wstring();
    return name.empty() ? path : utf8Text(name);
}

} // namespace varnholt
