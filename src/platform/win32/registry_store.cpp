// SPDX-License-Identifier: MIT
#include "platform/win32/registry_store.h"

#include "platform/win32/wide_text.h"

#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

namespace varnholt {

namespace {

// The system's words for an error code, without the line break it ends with.
std::string systemMessage(LSTATUS status)
{
    wchar_t* text = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length = FormatMessageW(flags, nullptr, DWORD(status), 0, reinterpret_cast<wchar_t*>(&text), 0,
                                        nullptr);
    std::wstring message = length ? std::wstring(text, length) : L"Error " + std::to_wstring(status) + L".";
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    return utf8Text(message);
}

// A value's text; the types other programs might leave are read as text too, anything else as absent.
std::optional<std::wstring> valueText(DWORD type, const std::vector<BYTE>& data, DWORD size)
{
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0')
            text.pop_back();
        return text;
    }
    if (type == REG_DWORD && size == sizeof(DWORD))
        return std::to_wstring(*reinterpret_cast<const DWORD*>(data.data()));
    return std::nullopt;
}

} // namespace

bool RegistryStore::NoCase::operator()(const std::wstring& a, const std::wstring& b) const
{
    return CompareStringOrdinal(a.data(), int(a.size()), b.data(), int(b.size()), TRUE) == CSTR_LESS_THAN;
}

RegistryStore::RegistryStore(std::wstring keyPath) : m_keyPath(std::move(keyPath))
{
    refresh();
}

void RegistryStore::refresh() const
{
    m_values.clear();
    HKEY root = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, m_keyPath.c_str(), 0, KEY_READ, &root) != ERROR_SUCCESS)
        return;
    wchar_t name[256];
    for (DWORD s = 0;; ++s) {
        DWORD nameLength = DWORD(std::size(name));
        if (RegEnumKeyExW(root, s, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY section = nullptr;
        if (RegOpenKeyExW(root, name, 0, KEY_READ, &section) != ERROR_SUCCESS)
            continue;
        auto& values = m_values[std::wstring(name, nameLength)];
        DWORD longestName = 0, longestData = 0;
        RegQueryInfoKeyW(section, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                         &longestData, nullptr, nullptr);
        std::wstring key(longestName + 1, L'\0');
        std::vector<BYTE> data(longestData + sizeof(wchar_t));
        for (DWORD v = 0;; ++v) {
            DWORD keyLength = DWORD(key.size()), type = 0, size = DWORD(data.size());
            if (RegEnumValueW(section, v, key.data(), &keyLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
                break;
            if (const auto text = valueText(type, data, size))
                values[key.substr(0, keyLength)] = *text;
        }
        RegCloseKey(section);
    }
    RegCloseKey(root);
}

std::optional<std::string> RegistryStore::value(const std::string& section, const std::string& key) const
{
    const auto values = m_values.find(wideText(section));
    if (values == m_values.end())
        return std::nullopt;
    const auto text = values->second.find(wideText(key));
    return text == values->second.end() ? std::nullopt : std::optional(utf8Text(text->second));
}

void RegistryStore::saveSetting(const std::string& section, const std::string& key, const std::string& text)
{
    m_unwritten.emplace_back(wideText(section), wideText(key), wideText(text));
}

CommitResult RegistryStore::commit()
{
    for (const auto& [section, key, text] : m_unwritten) {
        const std::wstring path = m_keyPath + L'\\' + section;
        const auto size = DWORD((text.size() + 1) * sizeof(wchar_t));
        const LSTATUS status = RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), key.c_str(), REG_SZ, text.c_str(),
                                               size);
        if (status != ERROR_SUCCESS)
            return {systemMessage(status)};
    }
    m_unwritten.clear();
    refresh();
    return {};
}

std::string RegistryStore::location() const
{
    return "HKEY_CURRENT_USER\\" + utf8Text(m_keyPath);
}

} // namespace varnholt
