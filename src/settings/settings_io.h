#pragma once

#include "platform/services.h"
#include "settings/saver_settings.h"

#include <cstdint>
#include <optional>
#include <string>

namespace varnholt {

// What LoadSettings fills: the record and the values kept beside it.
struct LoadedSettings {
    Date Today{};
    SettingsRecord SaverSettings;
    std::int32_t ScreenWidth = 0;  // twips; 32 bits so that large screens fit
    std::int32_t ScreenHeight = 0; // twips
    ImageValues ImageSelection;
};

LoadedSettings LoadSettings(const SettingsStore& store, const Clock& clock, const DateForms& dates,
                            const ScreenMetrics& screen);

struct SharedTexts {
    std::string Title;
    std::string Target;
    std::string TargetPassed;
    std::string DateText;
    std::optional<std::chrono::year_month_day> Date; // nothing when the stored text is no date
};

// Re-reads the four shared values from the section that synchronize selects.
SharedTexts LoadSharedTexts(const SettingsStore& store, std::int16_t synchronize, Date today,
                            const DateForms& dates);

// Writes the dialog's values in their fixed order and commits; false when the store failed.
bool WriteSettings(SettingsStore& store, const DialogValues& values, const ImageValues& imageSelection,
                   const DateForms& dates);

} // namespace varnholt
