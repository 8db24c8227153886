#include "startup/start_up.h"

#include "common/numbers.h"
#include "startup/command_line.h"

namespace varnholt {

namespace {

void readDesktopPath(General& general)
{
    general.DesktopPath = general.services.store.getSetting(SectionCommon, "DesktopPath", "");
    general.HelpFilePath = general.DesktopPath + "/Varnholt.chm";
}

StartResult startSaver(General& general, StartupWindows& windows)
{
    general.RunMode = ModeSaver;
    if (general.HostWindow != 0) {
        const auto hostSize = general.services.platform.windowClientSize(general.HostWindow);
        if (!hostSize)
            return StartResult::Ended;
        general.ScreenRect = Rect{0, 0, hostSize->first, hostSize->second};
        windows.loadMain();
        windows.embedMainInHost();
    } else {
        const ScreenMetrics screen = general.services.platform.screen();
        general.ScreenRect = Rect{0, 0, screen.widthPixels, screen.heightPixels};
        windows.loadMain();
        windows.showMainFullScreen();
    }
    general.services.platform.setScreenSaverRunning(true);
    return StartResult::WindowsRunning;
}

StartResult startPreview(General& general, const std::string& normalised, StartupWindows& windows)
{
    general.RunMode = ModePreview;
    const std::optional<std::uint32_t> handle = previewWindowHandle(normalised);
    const auto clientSize = handle ? general.services.platform.windowClientSize(*handle) : std::nullopt;
    // Without a host to draw into, a preview would only be an invisible window left running.
    if (!clientSize || clientSize->first <= 0 || clientSize->second <= 0)
        return StartResult::Ended;
    general.PreviewWindow = *handle;
    general.ScreenRect = Rect{0, 0, clientSize->first, clientSize->second};
    general.LoadSettings();
    setPreviewStart(general.block, general.SaverSettings.Direction, clientSize->first, clientSize->second,
                    general.services.platform.screen());
    windows.loadMain();
    windows.embedMainInPreview();
    general.services.platform.showCursor(true);
    return StartResult::WindowsRunning;
}

StartResult startSettings(General& general, StartupWindows& windows)
{
    Platform& platform = general.services.platform;
    if (platform.findWindow(settingsDialogTitle())) {
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

void setPreviewStart(TextBlockState& block, std::int16_t direction, std::int32_t clientWidth,
                     std::int32_t clientHeight, const ScreenMetrics& screen)
{
    if (direction == 0 || direction == 1) {
        block.PreviewSpan = static_cast<std::int32_t>(roundHalfEven(screen.twipsPerPixelX * clientWidth));
        block.TextLeft = block.PreviewSpan;
        block.TextTop = clientHeight * 7;
    } else if (direction == 2 || direction == 3) {
        block.PreviewSpan = static_cast<std::int32_t>(roundHalfEven(screen.twipsPerPixelY * clientHeight));
        block.TextLeft = 0;
        block.TextTop = block.PreviewSpan;
    }
}

StartResult Main(General& general, std::string_view commandLine, StartupWindows& windows)
{
    readDesktopPath(general);
    const std::string normalised = normaliseCommandLine(commandLine);
    const StartMode mode = startModeFor(normalised);
    const bool displayProperties = general.services.platform.findWindow(DisplayPropertiesTitle);
    // A screen-saver host starts one saver per monitor: the rule is for saver starts of our own.
    const bool secondSaver = normalised.substr(0, 2) == "/s" && general.HostWindow == 0 && !displayProperties &&
                             general.services.platform.anotherInstanceRunning();
    if (secondSaver)
        return StartResult::Ended;

    switch (mode) {
    case StartMode::Saver: return startSaver(general, windows);
    case StartMode::Preview: return startPreview(general, normalised, windows);
    case StartMode::Configure: return startSettings(general, windows);
    case StartMode::Nothing: break;
    }
    return StartResult::Ended;
}

} // namespace varnholt
