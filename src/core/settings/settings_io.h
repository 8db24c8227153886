// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"
#include "core/settings/settings_record.h"

#include <cstdint>
#include <optional>
#include <string>

namespace varnholt {

// What loadSettings fills: the record and the day it was loaded on.
struct LoadedSettings {
    Date today{};
    SettingsRecord settings;
};

// The picture folder and drive that no key gives are the system's defaults in paths.
LoadedSettings loadSettings(const SettingsStore& store, const Clock& clock, const PathStyle& paths);

struct SharedTexts {
    std::string Title;
    std::string Target;
    std::string TargetPassed;
    std::string DateText;
    std::optional<std::chrono::year_month_day> Date; // nothing when the stored text is no date
};

// Re-reads the four shared values from the section that synchronize selects.
SharedTexts loadSharedTexts(const SettingsStore& store, std::int16_t synchronize, Date today, const DateForms& dates);

// Writes every key of the dialog's working copy in the fixed order and commits;
// the result carries the store's reason when it could not be written.
[[nodiscard]] CommitResult writeSettings(SettingsStore& store, const EditedSettings& edited);

} // namespace varnholt
