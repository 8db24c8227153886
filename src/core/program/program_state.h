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
#include <utility>

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
    std::int16_t width = 0;
    std::int16_t height = 0;
};

// What a run has once: made by main(), filled by start-up, read by the windows.
class ProgramState {
public:
    explicit ProgramState(Services services) : m_services(services) {}

    const Services& services() const { return m_services; }

    // The record and the day of the last load.
    const SettingsRecord& settings() const { return m_settings; }
    Date today() const { return m_today; }
    void loadSettings();

    const TimeLeftOutputs& timeLeft() const { return m_timeLeft; }
    // Converts the text with the user's date forms; a text that is no date shows
    // the date-calculation message and leaves the outputs as they were.
    void calculateTimeLeft(const std::string& targetDateText);
    void calculateTimeLeft(Date targetDate);

    std::int32_t runMode() const { return m_runMode; }
    void setRunMode(std::int32_t runMode) { m_runMode = runMode; }
    const Rect& screenRect() const { return m_screenRect; }
    void setScreenRect(const Rect& screenRect) { m_screenRect = screenRect; }
    std::uint32_t previewWindow() const { return m_previewWindow; }
    void setPreviewWindow(std::uint32_t window) { m_previewWindow = window; }
    // The window a screen-saver host gives the full-screen saver to draw into; 0 when it covers the screen itself.
    std::uint32_t hostWindow() const { return m_hostWindow; }
    void setHostWindow(std::uint32_t window) { m_hostWindow = window; }
    // The screen the saver lays out on: the real one, or the host's window when hosted.
    ScreenMetrics layoutScreen() const;

    const std::string& desktopPath() const { return m_desktopPath; }
    void setDesktopPath(std::string path) { m_desktopPath = std::move(path); }
    const std::string& helpFilePath() const { return m_helpFilePath; }
    void setHelpFilePath(std::string path) { m_helpFilePath = std::move(path); }
    // Where the shipped help pages, read-me and pictures are.
    const std::string& dataFolder() const { return m_dataFolder; }
    void setDataFolder(std::string folder) { m_dataFolder = std::move(folder); }
    std::string helpPage(int context) const;
    std::string readMe() const;

    // Where every saver window's text block starts; start-up places a preview's.
    const TextBlockState& startBlock() const { return m_startBlock; }
    void setStartBlock(const TextBlockState& block) { m_startBlock = block; }

    const BrowseMemory& browseMemory() const { return m_browse; }
    void rememberBrowse(BrowseMemory browse) { m_browse = browse; }

    // What the movement engine of one window reads and moves: views into this state, and
    // that window's text block and screen size in twips.
    MotionInputs motionInputs(TextBlockState& windowBlock, const ScreenTwips& windowScreen) const;

private:
    Services m_services;
    SettingsRecord m_settings;
    Date m_today{};
    TimeLeftOutputs m_timeLeft;
    std::int32_t m_runMode = ModeNone;
    Rect m_screenRect;
    std::uint32_t m_previewWindow = 0;
    std::uint32_t m_hostWindow = 0;
    std::string m_desktopPath;
    std::string m_helpFilePath;
    std::string m_dataFolder;
    TextBlockState m_startBlock;
    BrowseMemory m_browse;
};

} // namespace varnholt
