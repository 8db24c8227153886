// SPDX-License-Identifier: MIT
#include "core/program/start_up.h"

#include "core/common/numbers.h"
#include "core/program/command_line.h"

namespace varnholt {

namespace {

void readDesktopPath(ProgramState& state)
{
    state.setDesktopPath(state.services().store.getSetting(SectionCommon, "DesktopPath", ""));
    state.setHelpFilePath(state.desktopPath() + state.services().platform.pathStyle().separator + "Varnholt.chm");
}

StartResult startSaver(ProgramState& state, StartupWindows& windows)
{
    state.setRunMode(ModeSaver);
    if (state.hostWindow() != 0) {
        const auto hostSize = state.services().platform.windowClientSize(state.hostWindow());
        if (!hostSize)
            return StartResult::Ended;
        state.setScreenRect(Rect{0, 0, hostSize->first, hostSize->second});
        windows.loadMain();
        windows.embedMainInHost();
    } else {
        const ScreenMetrics screen = state.services().platform.screen();
        state.setScreenRect(Rect{0, 0, screen.widthPixels, screen.heightPixels});
        windows.loadMain();
        windows.showMainFullScreen();
    }
    state.services().platform.setScreenSaverRunning(true);
    return StartResult::WindowsRunning;
}

StartResult startPreview(ProgramState& state, const std::string& normalised, StartupWindows& windows)
{
    state.setRunMode(ModePreview);
    const std::optional<std::uint32_t> handle = previewWindowHandle(normalised);
    const auto clientSize = handle ? state.services().platform.windowClientSize(*handle) : std::nullopt;
    // Without a host to draw into, a preview would only be an invisible window left running.
    if (!clientSize || clientSize->first <= 0 || clientSize->second <= 0)
        return StartResult::Ended;
    state.setPreviewWindow(*handle);
    state.setScreenRect(Rect{0, 0, clientSize->first, clientSize->second});
    state.loadSettings();
    TextBlockState start = state.startBlock();
    setPreviewStart(start, state.settings().Direction, clientSize->first, clientSize->second,
                    state.services().platform.screen());
    state.setStartBlock(start);
    windows.loadMain();
    windows.embedMainInPreview();
    state.services().platform.showCursor(true);
    return StartResult::WindowsRunning;
}

StartResult startSettings(Platform& platform, StartupWindows& windows)
{
    if (platform.findWindow(settingsDialogTitle()) || !platform.claimSettingsDialog()) {
        platform.messageBox(settingsAlreadyOpenText(), MessageIcon::None);
        return StartResult::Ended;
    }
    windows.loadMain();
    platform.showCursor(true);
    windows.stopMainTimer();
    windows.showSettingsModal();
    windows.unloadMain();
    return StartResult::Ended;
}

} // namespace

std::string settingsAlreadyOpenText()
{
    return "The Settings Dialog is already open.     \r\n\r\n";
}

void setPreviewStart(TextBlockState& block, std::int16_t direction, std::int32_t clientWidth, std::int32_t clientHeight,
                     const ScreenMetrics& screen)
{
    if (isHorizontalDirection(direction)) {
        block.PreviewSpan = static_cast<std::int32_t>(roundHalfEven(screen.twipsPerPixelX * clientWidth));
        block.TextLeft = block.PreviewSpan;
        block.TextTop = clientHeight * 7;
    } else if (isVerticalDirection(direction)) {
        block.PreviewSpan = static_cast<std::int32_t>(roundHalfEven(screen.twipsPerPixelY * clientHeight));
        block.TextLeft = 0;
        block.TextTop = block.PreviewSpan;
    }
}

StartResult startProgram(ProgramState& state, std::string_view commandLine, StartupWindows& windows)
{
    readDesktopPath(state);
    const std::string normalised = normaliseCommandLine(commandLine);
    const StartMode mode = startModeFor(normalised);
    // A screen-saver host starts one saver per monitor: the rule is for saver starts of our own. The
    // window look-up, a display connection of its own on X11, comes last: a lone start needs none.
    const bool secondSaver = normalised.substr(0, 2) == "/s" && state.hostWindow() == 0
        && state.services().platform.anotherInstanceRunning()
        && !state.services().platform.findWindow(DisplayPropertiesTitle);
    if (secondSaver)
        return StartResult::Ended;

    switch (mode) {
    case StartMode::Saver:
        return startSaver(state, windows);
    case StartMode::Preview:
        return startPreview(state, normalised, windows);
    case StartMode::Configure:
        return startSettings(state.services().platform, windows);
    case StartMode::Nothing:
        break;
    }
    return StartResult::Ended;
}

} // namespace varnholt
