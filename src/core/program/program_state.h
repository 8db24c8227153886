// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/program_info.h"
#include "core/common/run_mode.h"
#include "core/common/services.h"
#include "core/motion/movement_engine.h"
#include "core/motion/screen_twips.h"
#include "core/motion/text_block.h"
#include "core/settings/settings_record.h"
#include "core/timeleft/time_left.h"

#include <cstdint>
#include <string>

namespace varnholt {

struct Services {
    SettingsStore& store;
    Clock& clock;
    DateForms& dates;
    Platform& platform;
    Log& log;
};

struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The image browser's natural size of the last previewed file, in pixels: the
// form's own values, which live as long as the process does.
struct BrowseMemory {
    std::int16_t ActualWidth = 0;
    std::int16_t ActualHeight = 0;
};

// The program-wide state: one object made by main(), handed to the windows by reference.
class ProgramState {
public:
    explicit ProgramState(Services services) : services(services) {}

    Services services;

    SettingsRecord settings;
    Date today{};

    TimeLeftOutputs timeLeft;

    std::int32_t runMode = ModeNone;
    Rect screenRect;
    std::uint32_t previewWindow = 0;
    // The window a screen-saver host gives the full-screen saver to draw into; 0 when it covers the screen itself.
    std::uint32_t hostWindow = 0;
    std::string desktopPath;
    std::string helpFilePath;
    // Where the shipped help pages, read-me and pictures are.
    std::string dataFolder;
    TextBlockState block;
    BrowseMemory browse;

    void loadSettings();
    // The screen the saver lays out on: the real one, or the host's window when hosted.
    ScreenMetrics layoutScreen() const;
    // Converts the text with the user's date forms; a text that is no date shows
    // the date-calculation message and leaves the outputs as they were.
    void calculateTimeLeft(const std::string& targetDateText);
    void calculateTimeLeft(Date targetDate);
    std::string helpPage(int context) const;
    std::string readMe() const;
    // What the movement engine of one window reads and moves: views into this state, and
    // that window's text block and screen size in twips.
    MotionInputs motionInputs(TextBlockState& windowBlock, const ScreenTwips& windowScreen);
};

} // namespace varnholt
