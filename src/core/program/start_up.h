// SPDX-License-Identifier: MIT
#pragma once

#include "core/program/program_state.h"

#include <string_view>

namespace varnholt {

// The windows start-up drives, in the order it drives them.
class StartupWindows {
public:
    virtual ~StartupWindows() = default;
    // The saver windows and their set-up, without showing them.
    virtual void loadMain() = 0;
    // Shown top-most, one window covering each screen.
    virtual void showMainFullScreen() = 0;
    // Caption "Preview", a child filling previewWindow, shown without activation.
    virtual void embedMainInPreview() = 0;
    // A child filling hostWindow, shown; the host owns input and the end of the run.
    virtual void embedMainInHost() = 0;
    virtual void stopMainTimer() = 0;
    virtual void showSettingsModal() = 0;
    virtual void unloadMain() = 0;
};

enum class StartResult { Ended, WindowsRunning };

inline constexpr const char* DisplayPropertiesTitle = "Display Properties";

StartResult startProgram(ProgramState& state, std::string_view commandLine, StartupWindows& windows);

// Starting values of the travel inside a preview of the given client size.
void setPreviewStart(TextBlockState& block, std::int16_t direction, std::int32_t clientWidth, std::int32_t clientHeight,
                     const ScreenMetrics& screen);

std::string settingsAlreadyOpenText();

} // namespace varnholt
