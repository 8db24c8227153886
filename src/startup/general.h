#pragma once

#include "platform/services.h"
#include "settings/saver_settings.h"
#include "timeleft/time_left.h"

#include <cstdint>
#include <string>

namespace varnholt {

inline constexpr const char* ProgramTitle = "Varnholt ScreenSaver";
inline constexpr int VersionMajor = VARNHOLT_VERSION_MAJOR;
inline constexpr int VersionMinor = VARNHOLT_VERSION_MINOR;

enum RunModeValue : std::int32_t { ModeNone = 0, ModeSaver = 1, ModePreview = 4 };

struct Services {
    SettingsStore& store;
    Clock& clock;
    DateForms& dates;
    Platform& platform;
};

struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Position and size of the text block and the picture, in twips. Positions are
// 32-bit so that screens beyond 32767 twips work; the block's own size stays 16-bit.
struct TextBlockState {
    std::int32_t TextLeft = 0;
    std::int32_t TextTop = 0;
    std::int16_t BlockWidth = 0;
    std::int16_t BlockHeight = 0;
    std::int16_t TimeOffsetX = 0;
    std::int16_t TimeOffsetY = 0;
    std::int32_t PictureLeft = 0;
    std::int32_t PictureTop = 0;
    std::int32_t PictureWidth = 0;
    std::int32_t PictureHeight = 0;
    std::int32_t PreviewSpan = 0;
};

// The image browser's natural size of the last previewed file, in pixels: the
// form's own values, which live as long as the process does.
struct BrowseMemory {
    std::int16_t ActualWidth = 0;
    std::int16_t ActualHeight = 0;
};

// The program-wide state: one object made by main(), handed to the windows by reference.
class General {
public:
    explicit General(Services services) : services(services) {}

    Services services;

    SettingsRecord SaverSettings;
    Date Today{};
    std::int32_t ScreenWidth = 0;
    std::int32_t ScreenHeight = 0;
    ImageValues ImageSelection;

    TimeLeftOutputs timeLeft;

    std::int32_t RunMode = ModeNone;
    Rect ScreenRect;
    std::uint32_t PreviewWindow = 0;
    // The window a screen-saver host gives the full-screen saver to draw into; 0 when it covers the screen itself.
    std::uint32_t HostWindow = 0;
    std::string DesktopPath;
    std::string HelpFilePath;
    TextBlockState block;
    BrowseMemory browse;

    void LoadSettings();
    // The screen the saver lays out on: the real one, or the host's window when hosted.
    ScreenMetrics layoutScreen() const;
    // Converts the text with the user's date forms; a text that is no date shows
    // the date-calculation message and leaves the outputs as they were.
    void CalculateTimeLeft(const std::string& targetDateText);
    void CalculateTimeLeft(Date targetDate);
};

// "Settings - Varnholt ScreenSaver - v 3.0": the settings dialog's caption, by
// which a second configure start finds it.
std::string settingsDialogTitle();

} // namespace varnholt
