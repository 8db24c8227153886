#pragma once

#include "core/common/services.h"
#include "core/settings/settings_record.h"

#include <cstdint>
#include <optional>
#include <string>

namespace varnholt {

// What loadSettings fills: the record and the values kept beside it.
struct LoadedSettings {
    Date today{};
    SettingsRecord settings;
    std::int32_t screenWidth = 0;  // twips; 32 bits so that large screens fit
    std::int32_t screenHeight = 0; // twips
};

LoadedSettings loadSettings(const SettingsStore& store, const Clock& clock, const ScreenMetrics& screen);

struct ScreenTwips {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

ScreenTwips screenTwips(const ScreenMetrics& screen);

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
