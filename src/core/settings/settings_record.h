#pragma once

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

// The seven picture values that the settings dialog and the image browser edit.
struct ImageValues {
    std::int16_t ImageStyle = 0;
    std::string ImageName;
    std::string ImagePath = "/";
    std::int16_t ImageSize = 0;
    std::int16_t ImageIndex = 1;
    std::string ImageTag = "Logo";
    std::string ImageDrive = "/";

    bool operator==(const ImageValues&) const = default;
};

// The settings record; each field is named after its stored key.
struct SettingsRecord {
    std::int16_t Synchronize = 1;
    std::string Title = "Main Title Text (Change this!!)";
    std::string Target = "Phrase upon reaching target date. (Change this!!)";
    std::string TargetPassed = "Phrase when target date has passed. (Change this!!)";
    std::string Date; // held as the text read; converted where it is used
    std::int16_t IncludeDays = 0;
    std::int16_t Style = 0;
    std::int16_t ImageUsed = 0;
    std::int16_t ImageStyle = 0;
    std::string ImageName;
    std::string ImagePath = "/";
    std::int16_t ImageSize = 0;
    std::int16_t ImageIndex = 1;
    std::string ImageTag = "Logo";
    std::string ImageDrive = "/";
    std::int16_t Position = 0;
    std::int16_t Direction = 0;
    std::int16_t Speed = 50;
    std::int16_t Horizontal = 0;
    std::int16_t Vertical = 0;
    std::int16_t HorizDirection = 0;
    std::int16_t VertDirection = 2;
    std::int32_t Background = 0;
    PerFont<std::string> TextFontName{"Arial", "Arial", "Arial"};
    PerFont<std::int16_t> TextFontSize{16, 16, 16};
    PerFont<std::int32_t> TextFontColor{255, 255, 255};
    PerFont<bool> TextFontBold{true, true, true};
    PerFont<bool> TextFontItalic{false, false, false};
    PerFont<bool> TextFontStrikethru{false, false, false};
    PerFont<bool> TextFontUnderline{false, false, false};

    ImageValues imageValues() const;
    bool operator==(const SettingsRecord&) const = default;
};

// The settings dialog's working copy: what OK hands to writeSettings.
struct DialogValues {
    std::string Synchronize = "1";
    std::string Title;
    std::string Target;
    std::string TargetPassed;
    std::chrono::year_month_day Date{};
    std::int16_t Style = 0;
    std::int16_t IncludeDays = 0;
    std::int16_t Position = 0;
    std::int16_t Direction = 0;
    std::int16_t HorizDirection = 0;
    std::int16_t VertDirection = 2;
    std::int16_t Horizontal = 0;
    std::int16_t Vertical = 0;
    std::int16_t Speed = 50;
    std::int16_t ImageUsed = 0;
    PerFont<std::string> TextFontName{};
    PerFont<std::int16_t> TextFontSize{};
    PerFont<std::int32_t> TextFontColor{};
    PerFont<bool> TextFontBold{};
    PerFont<bool> TextFontItalic{};
    PerFont<bool> TextFontStrikethru{};
    PerFont<bool> TextFontUnderline{};
    std::int32_t Background = 0;

    bool operator==(const DialogValues&) const = default;
};

} // namespace varnholt
