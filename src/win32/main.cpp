// SPDX-License-Identifier: MIT
#include "core/program/command_line.h"
#include "platform/win32/debug_log.h"
#include "platform/win32/locale_dates.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_platform.h"
#include "win32/pictures.h"
#include "win32/window_launcher.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    const std::string line = varnholt::utf8Text(commandLine ? commandLine : L"");
    if (varnholt::startModeFor(varnholt::normaliseCommandLine(line)) == varnholt::StartMode::Nothing)
        return 0;

    varnholt::GdiplusSession gdiplus;
    varnholt::RegistryStore store;
    varnholt::Win32Clock clock;
    varnholt::PatternDateForms dates = varnholt::localeDateForms();
    varnholt::Win32Platform platform;
    varnholt::DebugLog log;
    varnholt::ProgramState state{varnholt::Services{store, clock, dates, platform, log}};
    state.setDataFolder(varnholt::installedDataFolder());
    varnholt::WindowLauncher windows(state);
    if (varnholt::startProgram(state, line, windows) == varnholt::StartResult::Ended)
        return 0;
    return varnholt::runMessages();
}
