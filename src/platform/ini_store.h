#pragma once

#include "core/common/services.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QSettings;

namespace varnholt {

// The per-user store as a plain INI file that another program can read and
// write: "[Section]" and "key=value" lines, values kept exactly as typed.
class IniStore final : public SettingsStore {
public:
    // $XDG_CONFIG_HOME/Kestle/Varnholt.ini (XDG_CONFIG_HOME defaults to ~/.config).
    IniStore();
    explicit IniStore(const QString& filePath);
    ~IniStore() override;

    std::optional<std::string> value(const std::string& section, const std::string& key) const override;
    void saveSetting(const std::string& section, const std::string& key, const std::string& text) override;
    CommitResult commit() override;
    std::string location() const override;

    static QString defaultFilePath();

private:
    std::unique_ptr<QSettings> m_settings;
    // Saved since the last commit that wrote them, as QSettings names and values.
    std::vector<std::pair<QString, QString>> m_unwritten;
    bool m_commitFailed = false;
};

} // namespace varnholt
