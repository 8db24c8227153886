// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace varnholt {

// The per-user store in the registry: one key per section under
// HKEY_CURRENT_USER\Software\Kestle\Varnholt, every value REG_SZ text. Saved
// values are written only by commit, in the order saved; nothing is deleted.
class RegistryStore final : public SettingsStore {
public:
    // keyPath is below HKEY_CURRENT_USER.
    explicit RegistryStore(std::wstring keyPath = L"Software\\Kestle\\Varnholt");

    void refresh() const override;
    std::optional<std::string> value(const std::string& section, const std::string& key) const override;
    void saveSetting(const std::string& section, const std::string& key, const std::string& text) override;
    CommitResult commit() override;
    std::string location() const override;

private:
    // Section and key names compare without case, as the registry's do.
    struct NoCase {
        bool operator()(const std::wstring& a, const std::wstring& b) const;
    };
    using Values = std::map<std::wstring, std::map<std::wstring, std::wstring, NoCase>, NoCase>;

    std::wstring m_keyPath;
    mutable Values m_values;
    std::vector<std::tuple<std::wstring, std::wstring, std::wstring>> m_unwritten;
};

} // namespace varnholt
