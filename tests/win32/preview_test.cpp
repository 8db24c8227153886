// SPDX-License-Identifier: MIT
// The preview inside a host window of this process: Wine shows no drawing of a child window whose
// host lives in another process, so the host is made here and the child painted into memory.
#include "core/program/start_up.h"
#include "platform/win32/win32_platform.h"
#include "support/fakes.h"
#include "win32/window_launcher.h"

#include <gtest/gtest.h>

#include <iostream>

namespace varnholt {
namespace {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> bgrx;

    template <typename Keep>
    int count(Keep keep) const
    {
        int n = 0;
        for (std::uint32_t pixel : bgrx)
            n += keep(int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), int(pixel & 0xFF)) ? 1 : 0;
        return n;
    }
};

// The window's own drawing of itself, as WM_PRINTCLIENT asks for it.
Pixels printClient(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    Pixels shot{client.right, client.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), shot.width, -shot.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    shot.bgrx.assign(first, first + std::size_t(shot.width) * std::size_t(shot.height));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return shot;
}

// Runs the thread's messages for a while; true when the run asked to end.
bool pumpMessages(int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return true;
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    return false;
}

TEST(PreviewTest, DrawsTheBlockAndTheDefaultPictureInsideTheHostUntilItCloses)
{
    GdiplusSession gdiplus;
    test::FakeServices fakes;
    fakes.store.values[{SectionScreenSaver, "ImageUsed"}] = "1";
    fakes.platform.metrics = {1280, 720, 15.0, 15.0};
    HWND host = CreateWindowExW(0, L"STATIC", L"Display Properties host", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 320, 240,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(host, nullptr);
    RECT hostClient;
    GetClientRect(host, &hostClient);
    const auto id = std::uint32_t(reinterpret_cast<std::uintptr_t>(host));
    fakes.platform.hostWindows[id] = {hostClient.right, hostClient.bottom};

    ProgramState state{Services{fakes.store, fakes.clock, fakes.dates, fakes.platform, fakes.log}};
    WindowLauncher windows(state);
    ASSERT_EQ(startProgram(state, "/p " + std::to_string(id), windows), StartResult::WindowsRunning);
    EXPECT_FALSE(pumpMessages(30));

    ASSERT_EQ(windows.saver()->windows().size(), 1u);
    HWND preview = windows.saver()->windows().front()->handle();
    RECT previewClient;
    GetClientRect(preview, &previewClient);
    EXPECT_EQ(GetParent(preview), host);
    EXPECT_TRUE(GetWindowLongW(preview, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(EqualRect(&previewClient, &hostClient));

    const Pixels shot = printClient(preview);
    const std::int32_t stored = state.settings().TextFontColor[state.timeLeft().TimeLeftState == DatePassed ? 2 : 1];
    const int text = shot.count([stored](int r, int g, int b) { return (r | g << 8 | b << 16) == stored; });
    // The default picture's sky runs from #e2f1fc to #b5d7f0; the background is black.
    const int sky = shot.count([](int r, int g, int b) { return r >= 0xb0 && r <= 0xe5 && g >= 0xd0 && b >= 0xe8; });
    std::cout << "preview " << shot.width << "x" << shot.height << ": " << text << " pixels of the text colour, " << sky
              << " of the picture's sky\n";
    EXPECT_GT(text, 5);
    EXPECT_GT(sky, 1000);

    DestroyWindow(host);
    EXPECT_TRUE(pumpMessages(30));
}

TEST(PreviewTest, TheScreenSaverListNamesTheProgramVarnholt)
{
    wchar_t name[32] = {};
    ASSERT_GT(LoadStringW(GetModuleHandleW(nullptr), 1, name, 32), 0);
    EXPECT_STREQ(name, L"Varnholt");
}

// The look-up of the dialog and of "Display Properties": the whole title, not UTF-8 only, while the window lives.
TEST(Win32PlatformTest, FindsATopLevelWindowByItsExactTitleOnly)
{
    const std::string title = "Settings - Varnholt \u00C5 - v 3.0";
    HWND window = CreateWindowExW(0, L"STATIC", L"Settings - Varnholt \u00C5 - v 3.0", WS_OVERLAPPED, 0, 0, 10, 10,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    Win32Platform platform;
    const struct {
        std::string title;
        bool found;
    } rows[] = {{title, true}, {"Settings - Varnholt", false}, {title + " ", false}};
    for (const auto& row : rows)
        EXPECT_EQ(platform.findWindow(row.title), row.found) << row.title;
    DestroyWindow(window);
    EXPECT_FALSE(platform.findWindow(title));
}

} // namespace
} // namespace varnholt
