// SPDX-License-Identifier: MIT
// The full-screen saver follows its monitors: a new DPI lays a window out again, a display change
// makes the windows cover the monitors as they are. Wine has one monitor at the system's DPI, so
// the test sends what Windows would send when a monitor changes.
#include "core/program/start_up.h"
#include "support/fakes.h"
#include "win32/window_launcher.h"

#include <gtest/gtest.h>

namespace varnholt {
namespace {

void pumpMessages(int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(10);
    }
}

// Pixels of the colour in the window's own drawing of itself.
int pixelsOf(HWND window, COLORREF colour)
{
    RECT client;
    GetClientRect(window, &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    int count = 0;
    for (int y = 0; y < client.bottom; y += 2)
        for (int x = 0; x < client.right; x += 2)
            count += GetPixel(dc, x, y) == colour ? 1 : 0;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return count;
}

TEST(MonitorsTest, TheSaverLaysOutAgainOnANewDpiAndCoversTheMonitorsAfterADisplayChange)
{
    GdiplusSession gdiplus;
    test::FakeServices fakes;
    ProgramState state{Services{fakes.store, fakes.clock, fakes.dates, fakes.platform, fakes.log}};
    WindowLauncher windows(state);
    ASSERT_EQ(startProgram(state, "/s", windows), StartResult::WindowsRunning);
    pumpMessages(20);
    ASSERT_EQ(windows.saver()->windows().size(), 1u);
    RECT monitor;
    GetWindowRect(windows.saver()->windows().front()->handle(), &monitor);
    const int dpi = int(1440.0 / windows.saver()->windows().front()->layout().twipsPerPixelX + 0.5);
    const std::int32_t stored = state.settings().TextFontColor[state.timeLeft().TimeLeftState == DatePassed ? 2 : 1];
    const auto text = COLORREF(stored);
    const int before = pixelsOf(windows.saver()->windows().front()->handle(), text);

    // Moved to a monitor of twice the DPI, of the same size.
    SaverWindow& moved = *windows.saver()->windows().front();
    SendMessageW(moved.handle(), WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi), reinterpret_cast<LPARAM>(&monitor));
    pumpMessages(10);
    EXPECT_DOUBLE_EQ(moved.layout().twipsPerPixelX, 720.0 / dpi);
    EXPECT_DOUBLE_EQ(moved.layout().twipsPerPixelY, 720.0 / dpi);
    const int after = pixelsOf(moved.handle(), text);
    std::cout << "text pixels at " << dpi << " DPI: " << before << ", at " << 2 * dpi << ": " << after << "\n";
    EXPECT_GT(after, before * 2);

    // The monitor shrank under the window, then the display changed back.
    SetWindowPos(moved.handle(), nullptr, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(moved.handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(monitor.right, monitor.bottom));
    pumpMessages(10);
    ASSERT_EQ(windows.saver()->windows().size(), 1u);
    RECT covered;
    GetWindowRect(windows.saver()->windows().front()->handle(), &covered);
    EXPECT_TRUE(EqualRect(&covered, &monitor));
    EXPECT_DOUBLE_EQ(windows.saver()->windows().front()->layout().twipsPerPixelX, 1440.0 / dpi);
    EXPECT_TRUE(IsWindowVisible(windows.saver()->windows().front()->handle()));
    windows.saver()->stop();
}

} // namespace
} // namespace varnholt
