// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"
#include "platform/ini_text.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace varnholt {

// The per-user store as a plain INI file that another program can read and
// write. Every refresh reads the file as it is then; a commit writes the saved
// keys into the file as it is at that moment, under a lock that writers share,
// and replaces it in one step.
class IniStore final : public SettingsStore {
public:
    // $XDG_CONFIG_HOME/Kestle/Varnholt.ini (XDG_CONFIG_HOME defaults to ~/.config).
    IniStore();
    explicit IniStore(const QString& filePath);

    void refresh() const override;
    std::optional<std::string> value(const std::string& section, const std::string& key) const override;
    void saveSetting(const std::string& section, const std::string& key, const std::string& text) override;
    CommitResult commit() override;
    std::string location() const override;

    static QString defaultFilePath();

private:
    struct Saved {
        QString section, key, value;
        std::optional<QByteArray> fileName; // the bytes, for a key that holds a file name
    };

    QString m_path;
    mutable IniText m_text;
    mutable std::string m_reported; // why the last refresh could not read the file
    std::vector<Saved> m_unwritten;
};

} // namespace varnholt
