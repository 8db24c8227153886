// SPDX-License-Identifier: MIT
#include "platform/win32/win32_platform.h"

#include "core/common/program_info.h"
#include "platform/win32/wide_text.h"

#include <shellapi.h>

namespace varnholt {

namespace {

// True when this process made the mutex; false when another process holds it.
bool claim(HANDLE& handle, const wchar_t* name)
{
    if (handle)
        return true;
    handle = CreateMutexW(nullptr, FALSE, name);
    if (handle && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(handle);
        handle = nullptr;
    }
    return handle != nullptr;
}

} // namespace

Win32Platform::~Win32Platform()
{
    for (HANDLE handle : {m_instance, m_settings})
        if (handle)
            CloseHandle(handle);
}

HWND windowFromId(std::uint32_t id)
{
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(id));
}

std::string installedDataFolder()
{
    wchar_t folder[MAX_PATH] = {};
    DWORD size = sizeof folder;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Kestle\\Varnholt", L"InstallPath", RRF_RT_REG_SZ, nullptr, folder,
                     &size)
        == ERROR_SUCCESS)
        return utf8Text(folder);
    GetModuleFileNameW(nullptr, folder, MAX_PATH);
    std::wstring program(folder);
    return utf8Text(program.substr(0, program.find_last_of(L'\\')));
}

double twipsPerPixel(int dotsPerInch)
{
    return 1440.0 / (dotsPerInch > 0 ? dotsPerInch : 96);
}

int monitorDpi(HMONITOR monitor)
{
    using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    // Looked up, not imported, so that the program still starts where shcore.dll is missing.
    static const auto dpiForMonitor = reinterpret_cast<DpiForMonitor>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"shcore.dll"), "GetDpiForMonitor")));
    constexpr int EffectiveDpi = 0;
    UINT x = 0, y = 0;
    if (dpiForMonitor && monitor && dpiForMonitor(monitor, EffectiveDpi, &x, &y) == S_OK && x > 0)
        return int(x);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

bool Win32Platform::findWindow(const std::string& title) const
{
    return FindWindowW(nullptr, wideText(title).c_str()) != nullptr;
}

void Win32Platform::activateWindow(const std::string& title)
{
    if (HWND window = FindWindowW(nullptr, wideText(title).c_str()))
        SetForegroundWindow(window);
}

bool Win32Platform::anotherInstanceRunning()
{
    return !claim(m_instance, L"Local\\Varnholt.ScreenSaver");
}

bool Win32Platform::claimSettingsDialog()
{
    return claim(m_settings, L"Local\\Varnholt.Settings");
}

ScreenMetrics Win32Platform::screen() const
{
    HDC screenDc = GetDC(nullptr);
    const double x = twipsPerPixel(GetDeviceCaps(screenDc, LOGPIXELSX));
    const double y = twipsPerPixel(GetDeviceCaps(screenDc, LOGPIXELSY));
    ReleaseDC(nullptr, screenDc);
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), x, y};
}

std::optional<std::pair<std::int32_t, std::int32_t>> Win32Platform::windowClientSize(std::uint32_t window) const
{
    RECT client;
    if (!IsWindow(windowFromId(window)) || !GetClientRect(windowFromId(window), &client))
        return std::nullopt;
    return std::pair{std::int32_t(client.right - client.left), std::int32_t(client.bottom - client.top)};
}

int Win32Platform::showCursor(bool show)
{
    return ShowCursor(show ? TRUE : FALSE);
}

void Win32Platform::setScreenSaverRunning(bool running)
{
    BOOL previous = FALSE;
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, running ? TRUE : FALSE, &previous, 0);
}

void Win32Platform::messageBox(const std::string& text, MessageIcon icon)
{
    const UINT iconFlag = icon == MessageIcon::Critical ? MB_ICONERROR
        : icon == MessageIcon::Information              ? MB_ICONINFORMATION
                                                        : 0;
    MessageBoxW(GetActiveWindow(), wideText(text).c_str(), wideText(ProgramTitle).c_str(), MB_OK | iconFlag);
}

void Win32Platform::beep()
{
    MessageBeep(MB_OK);
}

void Win32Platform::shellOpen(const std::string& target)
{
    ShellExecuteW(nullptr, L"open", wideText(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::vector<std::string> Win32Platform::pictureFileTypes() const
{
    // What GDI+ decodes.
    return {"bmp", "dib", "emf", "gif", "ico", "jpe", "jpeg", "jpg", "png", "tif", "tiff", "wmf"};
}

} // namespace varnholt
