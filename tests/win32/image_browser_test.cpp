// SPDX-License-Identifier: MIT
// The Win32 image browser: the preview of the picture files that the test's script made
// (VARNHOLT_TEST_PICTURES: their folder, as Windows names it), and the keys of the picture grid.
#include "win32/browse/image_browser.h"

#include "core/motion/preview_layout.h"
#include "core/program/program_state.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <commctrl.h>
#include <cstdlib>

namespace varnholt {
namespace {

std::string textOf(HWND window)
{
    std::wstring text(256, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return utf8Text(text);
}

// Counts the pixels of a shown bitmap whose colour is near the given one, in its columns from..to.
int pixelsNear(HBITMAP bitmap, COLORREF colour, SIZE& size, int from = 0, int to = INT_MAX)
{
    BITMAP header{};
    GetObjectW(bitmap, sizeof header, &header);
    size = {header.bmWidth, header.bmHeight};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> bits(std::size_t(size.cx) * std::size_t(size.cy));
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, UINT(size.cy), bits.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    int count = 0;
    for (std::size_t at = 0; at < bits.size(); ++at) {
        const std::uint32_t pixel = bits[at];
        const int column = int(at % std::size_t(size.cx));
        if (column < from || column > to)
            continue;
        const int r = int((pixel >> 16) & 0xFF), g = int((pixel >> 8) & 0xFF), b = int(pixel & 0xFF);
        count += std::abs(r - GetRValue(colour)) + std::abs(g - GetGValue(colour)) + std::abs(b - GetBValue(colour))
            < 24;
    }
    return count;
}

class ImageBrowserTest : public ::testing::Test {
protected:
    GdiplusSession m_gdiplus;
    test::FakeServices m_fakes;
};

TEST_F(ImageBrowserTest, PreviewsPngFilesAtTheirPlacementAndListsOnlyPictures)
{
    const char* folder = std::getenv("VARNHOLT_TEST_PICTURES");
    if (!folder)
        GTEST_SKIP() << "VARNHOLT_TEST_PICTURES names no folder of pictures";
    m_fakes.platform.pictureTypes = Win32Platform().pictureFileTypes();
    PictureChoice choice;
    choice.ImageStyle = FileImage;
    choice.ImageDrive = std::string(folder).substr(0, 3);
    choice.ImagePath = folder;
    choice.ImageName = "small.png";
    ImageBrowser browser(choice, {}, m_fakes.platform, m_fakes.log, nullptr);
    HWND files = browser.form().window("flbFiles");
    ASSERT_EQ(SendMessageW(files, LB_GETCOUNT, 0, 0), 2) << "the text file is no picture";

    struct Case {
        const char* file;
        int width;
        int height;
        COLORREF colour;
    };
    // Made by the script: one that fits the frame, one that is reduced into it.
    const Case cases[] = {{"small.png", 200, 100, RGB(255, 0, 0)}, {"large.png", 400, 300, RGB(0, 0, 255)}};
    for (const Case& shown : cases) {
        SCOPED_TRACE(shown.file);
        const int row = int(SendMessageW(files, LB_FINDSTRINGEXACT, WPARAM(-1),
                                         reinterpret_cast<LPARAM>(wideText(shown.file).c_str())));
        ASSERT_GE(row, 0);
        if (SendMessageW(files, LB_GETCURSEL, 0, 0) != row) {
            // As a click on the entry does.
            SendMessageW(files, LB_SETCURSEL, WPARAM(row), 0);
            SendMessageW(GetParent(files), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(files), LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(files));
        }
        const PreviewPlacement placement = placePreview(shown.width, shown.height, m_fakes.platform.metrics);
        EXPECT_EQ(textOf(browser.form().window("lblPreview")), placement.caption);
        EXPECT_EQ(textOf(browser.form().window("txtCurImage")), shown.file);
        EXPECT_EQ(browser.previewSize().width, shown.width);
        auto* bitmap = reinterpret_cast<HBITMAP>(
            SendMessageW(browser.form().window("imgPreview"), STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_NE(bitmap, nullptr);
        SIZE size{};
        const int coloured = pixelsNear(bitmap, shown.colour, size);
        const TwipsGeometry twips(m_fakes.platform.metrics);
        EXPECT_EQ(size.cx, twips.toPixelsX(placement.width));
        EXPECT_EQ(size.cy, twips.toPixelsY(placement.height));
        EXPECT_GT(coloured, size.cx * size.cy * 9 / 10);
    }
    EXPECT_EQ(browser.choice().ImageName, "large.png");
    EXPECT_TRUE(m_fakes.platform.messages.empty());
}

TEST_F(ImageBrowserTest, TheSizeStepsShowTheirPictures)
{
    ImageBrowser browser(PictureChoice{}, {}, m_fakes.platform, m_fakes.log);
    struct Case {
        const char* button;
        int heavierSide; // the side of the picture with more black: -1 left, 0 even, 1 right
    };
    // A triangle pointing left, a bar, a triangle pointing right.
    const Case cases[] = {{"cmdSize0", 1}, {"cmdSize1", 0}, {"cmdSize2", -1}};
    for (const Case& step : cases) {
        SCOPED_TRACE(step.button);
        HWND button = browser.form().window(step.button);
        EXPECT_EQ(textOf(button), "");
        EXPECT_TRUE(GetWindowLongW(button, GWL_STYLE) & BS_BITMAP);
        auto* bitmap = reinterpret_cast<HBITMAP>(SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_NE(bitmap, nullptr);
        SIZE size{};
        // The picture's own size at 96 dots an inch, its middle column left out.
        const int left = pixelsNear(bitmap, RGB(0, 0, 0), size, 0, 2);
        const int right = pixelsNear(bitmap, RGB(0, 0, 0), size, 4, 6);
        EXPECT_EQ(size.cx, 7);
        EXPECT_EQ(size.cy, 13);
        EXPECT_GT(left + right, 10);
        EXPECT_EQ((right > left + 3) - (left > right + 3), step.heavierSide) << left << " | " << right;
    }
}

TEST_F(ImageBrowserTest, TheStoredDriveIsTheListedOneAndOpensItsRoot)
{
    // The registry empty: the choice of a fresh install.
    m_fakes.platform.paths = Win32Platform().pathStyle();
    ProgramState state{Services{m_fakes.store, m_fakes.clock, m_fakes.dates, m_fakes.platform, m_fakes.log}};
    state.loadSettings();
    const PictureChoice fresh = state.settings().picture;
    struct Case {
        std::string drive;
        std::string path;
        bool warned; // the stored folder is gone
    };
    const Case cases[] = {{fresh.ImageDrive, fresh.ImagePath, false},
                          {"C:", "c:\\", false},
                          {"c:\\", "C:\\", false},
                          {"c", "c:\\no such folder\\", true}};
    for (const Case& stored : cases) {
        SCOPED_TRACE(stored.drive + " " + stored.path);
        m_fakes.log.warnings.clear();
        PictureChoice choice = fresh;
        choice.ImageDrive = stored.drive;
        choice.ImagePath = stored.path;
        ImageBrowser browser(choice, {}, m_fakes.platform, m_fakes.log);
        EXPECT_EQ(textOf(browser.form().window("drvImages")), "C:\\");
        HWND folders = browser.form().window("dirImages");
        EXPECT_EQ(SendMessageW(folders, LB_GETCURSEL, 0, 0), 0) << "the root is the first folder listed";
        std::array<wchar_t, 64> shown{};
        SendMessageW(folders, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(shown.data()));
        EXPECT_EQ(utf8Text(shown.data()), "C:\\");
        EXPECT_EQ(m_fakes.log.warnings.size(), std::size_t(stored.warned));
        EXPECT_TRUE(m_fakes.platform.messages.empty());
    }
}

TEST_F(ImageBrowserTest, TheGridsKeysMoveThroughThePicturesAndChooseOne)
{
    PictureChoice choice;
    choice.ImageStyle = FileImage;
    choice.ImageIndex = 1;
    ImageBrowser browser(choice, {}, m_fakes.platform, m_fakes.log);
    HWND grid = browser.form().window("fraImages0");
    struct Case {
        WPARAM key;
        int index;
    };
    // In reading order, three a row.
    const Case cases[] = {{VK_RIGHT, 2}, {VK_DOWN, 5}, {VK_LEFT, 4}, {VK_UP, 1}, {VK_LEFT, 1}};
    for (const Case& pressed : cases) {
        SendMessageW(grid, WM_KEYDOWN, pressed.key, 0);
        EXPECT_EQ(browser.choice().ImageIndex, pressed.index) << "after key " << pressed.key;
    }
    EXPECT_EQ(SendMessageW(grid, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
    // Esc leaves as Cancel from the grid, which takes keys of its own, and from where a tab's click leaves the
    // focus: the window runs until it closes or until the quit behind Esc.
    for (const char* focused : {"fraImages0", "cmdTakeFocus"}) {
        SCOPED_TRACE(focused);
        ImageBrowser escaped(choice, {}, m_fakes.platform, m_fakes.log);
        PostMessageW(escaped.form().window(focused), WM_KEYDOWN, VK_ESCAPE, 0);
        PostQuitMessage(0);
        EXPECT_FALSE(escaped.runModal());
        EXPECT_FALSE(escaped.isOpen());
        MSG quit;
        while (PeekMessageW(&quit, nullptr, 0, 0, PM_REMOVE))
            ;
    }
    SendMessageW(grid, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(browser.choice().ImageStyle, BaseImage);
    EXPECT_FALSE(browser.isOpen());
}

} // namespace
} // namespace varnholt
