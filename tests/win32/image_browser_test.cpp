// SPDX-License-Identifier: MIT
// The Win32 image browser: its controls made from the layout table, and the preview of picture files
// that the test's script made (VARNHOLT_TEST_PICTURES: their folder, as Windows names it).
#include "win32/browse/image_browser.h"

#include "core/forms/image_browser_layout.h"
#include "core/motion/preview_layout.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <cstdlib>
#include <map>

namespace varnholt {
namespace {

// The class each kind of row is made of; the lists are made by name.
const std::map<std::string_view, std::wstring> ClassOfKind = {
    {"Label", L"Static"},  {"Picture", L"Static"},      {"TextBox", L"Edit"},      {"Button", L"Button"},
    {"Option", L"Button"}, {"Panel", L"VarnholtFrame"}, {"Box", L"VarnholtFrame"}, {"TabStrip", L"SysTabControl32"}};
const std::map<std::string_view, std::wstring> ClassOfCustom = {
    {"dirImages", L"ListBox"}, {"flbFiles", L"ListBox"}, {"drvImages", L"ComboBox"}};

std::string_view kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return "Label";
    case ControlKind::Picture:
        return "Picture";
    case ControlKind::TextBox:
        return "TextBox";
    case ControlKind::Button:
        return "Button";
    case ControlKind::Option:
        return "Option";
    case ControlKind::Panel:
        return "Panel";
    case ControlKind::Box:
        return "Box";
    case ControlKind::TabStrip:
        return "TabStrip";
    default:
        return "other";
    }
}

std::wstring classOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::string textOf(HWND window)
{
    std::wstring text(256, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return utf8Text(text);
}

struct Found {
    HWND window = nullptr;
    int id = 0;
};

// The window with this control id anywhere under the browser.
HWND descendant(HWND top, int id)
{
    Found found{nullptr, id};
    EnumChildWindows(
        top,
        [](HWND child, LPARAM data) {
            auto* wanted = reinterpret_cast<Found*>(data);
            if (GetDlgCtrlID(child) != wanted->id)
                return TRUE;
            wanted->window = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.window;
}

// Counts the pixels of a shown bitmap whose colour is near the given one.
int pixelsNear(HBITMAP bitmap, COLORREF colour, SIZE& size)
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
    for (std::uint32_t pixel : bits) {
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

TEST_F(ImageBrowserTest, EveryRowIsAChildWindowOfItsClassInItsFrameAtItsBox)
{
    m_fakes.platform.metrics = {1280, 720, 15.0, 15.0};
    ImageBrowser browser(PictureChoice{}, {}, m_fakes.platform, nullptr);
    const TwipsGeometry twips(m_fakes.platform.metrics);
    const auto rows = imageBrowserLayout();
    RECT client;
    GetClientRect(browser.handle(), &client);
    EXPECT_EQ((PixelRect{0, 0, client.right, client.bottom}), twips.toPixels(rows.front().rect));
    int tabs = 0;
    for (std::size_t index = 1; index < rows.size(); ++index) {
        const ControlRow& row = rows[index];
        SCOPED_TRACE(std::string(row.name));
        HWND strip = descendant(browser.handle(), FormWindow::FirstControlId + 2);
        if (row.kind == ControlKind::Tab) {
            std::wstring caption(64, L'\0');
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            item.cchTextMax = int(caption.size());
            ASSERT_TRUE(SendMessageW(strip, TCM_GETITEMW, tabs++, reinterpret_cast<LPARAM>(&item)));
            EXPECT_EQ(utf8Text(caption.c_str()), row.caption);
            continue;
        }
        HWND control = descendant(browser.handle(), FormWindow::FirstControlId + int(index));
        ASSERT_NE(control, nullptr);
        const auto custom = ClassOfCustom.find(row.name);
        EXPECT_EQ(classOf(control),
                  custom != ClassOfCustom.end() ? custom->second : ClassOfKind.at(kindName(row.kind)));
        if (row.kind == ControlKind::Option) {
            EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
        }
        std::size_t parentIndex = 0;
        for (std::size_t other = 0; other < rows.size(); ++other)
            parentIndex = rows[other].name == row.parent ? other : parentIndex;
        HWND parent = row.parent.empty() ? browser.handle()
                                         : descendant(browser.handle(), FormWindow::FirstControlId + int(parentIndex));
        EXPECT_EQ(GetParent(control), parent);
        RECT box;
        GetWindowRect(control, &box);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
        const PixelRect expected = twips.toPixels(row.rect);
        EXPECT_EQ(box.left, expected.left);
        EXPECT_EQ(box.top, expected.top);
        EXPECT_EQ(box.right - box.left, expected.width);
        // A drop-down list is never lower than its font needs (Wine: 21 pixels for the row's 19).
        if (custom != ClassOfCustom.end() && custom->second == L"ComboBox") {
            EXPECT_GE(box.bottom - box.top - expected.height, 0);
            EXPECT_LE(box.bottom - box.top - expected.height, 2);
        } else {
            EXPECT_EQ(box.bottom - box.top, expected.height);
        }
        if (!row.caption.empty() && row.kind != ControlKind::Panel && row.kind != ControlKind::Box) {
            EXPECT_EQ(textOf(control), row.caption);
        }
    }
    EXPECT_EQ(tabs, 2);
}

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
    ImageBrowser browser(choice, {}, m_fakes.platform, nullptr);
    HWND files = browser.control("flbFiles");
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
        EXPECT_EQ(textOf(browser.control("lblPreview")), placement.caption);
        EXPECT_EQ(textOf(browser.control("txtCurImage")), shown.file);
        EXPECT_EQ(browser.previewSize().width, shown.width);
        auto* bitmap = reinterpret_cast<HBITMAP>(
            SendMessageW(browser.control("imgPreview"), STM_GETIMAGE, IMAGE_BITMAP, 0));
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

} // namespace
} // namespace varnholt
