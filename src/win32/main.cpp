// SPDX-License-Identifier: MIT
#include "core/program/command_line.h"
#include "platform/win32/debug_log.h"
#include "platform/win32/locale_dates.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_platform.h"
#include "win32/pictures.h"
#include "win32/window_launcher.h"

#include <windows.h>

namespace {

// Stands in for the registry store until it is built: every key reads as absent, so the saver
// shows the defaults, and a commit says that nothing was kept.
class DefaultsOnlyStore final : public varnholt::SettingsStore {
public:
    void refresh() const override {}
    std::optional<std::string> value(const std::string&, const std::string&) const override { return std::nullopt; }
    void saveSetting(const std::string&, const std::string&, const std::string&) override {}
    varnholt::CommitResult commit() override { return {"The settings cannot be saved in this build."}; }
    std::string location() const override { return {}; }
};

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    const std::string line = varnholt::utf8Text(commandLine ? commandLine : L"");
    if (varnholt::startModeFor(varnholt::normaliseCommandLine(line)) == varnholt::StartMode::Nothing)
        return 0;

    varnholt::GdiplusSession gdiplus;
    DefaultsOnlyStore store;
    varnholt::Win32Clock clock;
    varnholt::PatternDateForms dates = varnholt::localeDateForms();
    varnholt::Win32Platform platform;
    varnholt::DebugLog log;
    varnholt::ProgramState state{varnholt::Services{store, clock, dates, platform, log}};
    varnholt::WindowLauncher windows(state);
    if (varnholt::startProgram(state, line, windows) == varnholt::StartResult::Ended)
        return 0;
    return varnholt::runMessages();
}
