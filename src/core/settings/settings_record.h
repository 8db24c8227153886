// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/settings_enums.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

namespace varnholt {

inline constexpr const char* SectionCommon = "Common";
inline constexpr const char* SectionScreenSaver = "ScreenSaver";

// Font entries: 0 the Event Text, 1 the Target Text and the time-left line
// before the date, 2 the Target Passed Text.
inline constexpr int FontEntries = 3;

template <typename T>
using PerFont = std::array<T, FontEntries>;

// The picture values, which the image browser chooses as one.
struct PictureChoice {
    std::int16_t ImageStyle{};
    std::string ImageName;
    std::string ImagePath;
    std::int16_t ImageSize{};
    std::int16_t ImageIndex{};
    std::string ImageTag;
    std::string ImageDrive;

    bool operator==(const PictureChoice&) const = default;
};

// The settings record; each field is named after its stored key. A record
// made with no arguments holds every key's default from the key table.
struct SettingsRecord {
    SettingsRecord();

    std::int16_t Synchronize{};
    std::string Title;
    std::string Target;
    std::string TargetPassed;
    std::string Date; // held as the text read; converted where it is used
    std::int16_t IncludeDays{};
    std::int16_t Style{};
    std::int16_t ImageUsed{};
    PictureChoice picture;
    std::int16_t Position{};
    std::int16_t Direction{};
    std::int16_t Speed{};
    std::int16_t Horizontal{};
    std::int16_t Vertical{};
    std::int16_t HorizDirection{};
    std::int16_t VertDirection{};
    std::int32_t Background{};
    PerFont<std::string> TextFontName{};
    PerFont<std::int16_t> TextFontSize{};
    PerFont<std::int32_t> TextFontColor{};
    PerFont<bool> TextFontBold{};
    PerFont<bool> TextFontItalic{};
    PerFont<bool> TextFontStrikethru{};
    PerFont<bool> TextFontUnderline{};

    bool operator==(const SettingsRecord&) const = default;
};

// The settings dialog's working copy: the record as edited, with the Target
// Date as a date. The record's Date text is the loaded one; OK writes date.
struct EditedSettings {
    SettingsRecord record;
    std::chrono::year_month_day date{};
};

} // namespace varnholt
