// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <windows.h>

namespace varnholt {

// The program's window look-up, cursor, messages and shell on Win32.
class Win32Platform final : public Platform {
public:
    Win32Platform() = default;
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    bool findWindow(const std::string& title) const override;
    void activateWindow(const std::string& title) override;
    bool anotherInstanceRunning() override;
    bool claimSettingsDialog() override;
    ScreenMetrics screen() const override;
    std::optional<std::pair<std::int32_t, std::int32_t>> windowClientSize(std::uint32_t window) const override;
    int showCursor(bool show) override;
    void setScreenSaverRunning(bool running) override;
    void messageBox(const std::string& text, MessageIcon icon) override;
    void beep() override;
    void shellOpen(const std::string& target) override;
    std::vector<std::string> pictureFileTypes() const override;
    // The stored defaults of a fresh install: the root of drive C.
    PathStyle pathStyle() const override { return {'\\', "c:\\", "c"}; }

private:
    // Named mutexes held for the life of the process: the system drops them when it ends.
    HANDLE m_instance = nullptr;
    HANDLE m_settings = nullptr;
};

// A window handle as the core carries it: handles are 32-bit values on 64-bit Windows too.
HWND windowFromId(std::uint32_t id);

// Twips per pixel of the screen's logical DPI.
double twipsPerPixel(int dotsPerInch);

// Where the installer put the help pages, the read-me and the pictures (InstallPath of
// HKEY_LOCAL_MACHINE\Software\Kestle\Varnholt); the program's own folder when nothing installed it.
std::string installedDataFolder();

// The monitor's logical DPI: its own where the system tells it (Windows 8.1 on), else the system's.
int monitorDpi(HMONITOR monitor);

} // namespace varnholt
