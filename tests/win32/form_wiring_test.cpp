// SPDX-License-Identifier: MIT
// Every row of the settings dialog's, the About box's and the image browser's tables is a child window of its
// form, of the class its kind is drawn with, at the row's box in pixels; a tab is an item of its strip.
#include "core/forms/about_box_layout.h"
#include "core/forms/image_browser_layout.h"
#include "core/forms/settings_dialog_layout.h"
#include "core/program/dialog_state.h"
#include "core/program/program_state.h"
#include "platform/win32/wide_text.h"
#include "support/fakes.h"
#include "win32/about/about_box.h"
#include "win32/browse/image_browser.h"
#include "win32/setup/settings_dialog.h"
#include "win32/widgets/choosers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <commctrl.h>
#include <functional>
#include <map>

namespace varnholt {
namespace {

struct Made {
    const wchar_t* windowClass;
    LONG buttonType = -1; // BS_TYPEMASK of a button; -1: not a button
};

const std::map<ControlKind, Made> madeAs{
    {ControlKind::Label, {L"Static"}},
    {ControlKind::Picture, {L"Static"}},
    {ControlKind::TextBox, {L"Edit"}},
    {ControlKind::Button, {L"Button", BS_PUSHBUTTON}},
    {ControlKind::CheckBox, {L"Button", BS_AUTOCHECKBOX}},
    {ControlKind::Option, {L"Button", BS_RADIOBUTTON}},
    {ControlKind::Frame, {L"Button", BS_GROUPBOX}},
    {ControlKind::Box, {L"Static"}},
    {ControlKind::Panel, {L"Static"}},
    {ControlKind::Line, {L"Static"}},
    {ControlKind::ScrollBar, {TRACKBAR_CLASSW}},
    {ControlKind::Calendar, {MONTHCAL_CLASSW}},
    {ControlKind::TabStrip, {WC_TABCONTROLW}},
};
// The browser's lists, made by the browser.
const std::map<std::string_view, Made> customMadeAs{
    {"dirImages", {L"ListBox"}}, {"flbFiles", {L"ListBox"}}, {"drvImages", {L"ComboBox"}}};

// The row's box in the form: its own box in pixels from the frames it lies in, a line one pixel high.
PixelRect expectedBox(std::span<const ControlRow> rows, const ControlRow& row, const TwipsGeometry& twips)
{
    PixelRect box = twips.toPixels(row.rect);
    if (row.kind == ControlKind::Line)
        box.height = 1;
    for (std::string_view parent = row.parent; !parent.empty();) {
        const auto frame = std::find_if(rows.begin(), rows.end(),
                                        [&](const ControlRow& r) { return r.name == parent; });
        const PixelRect outer = twips.toPixels(frame->rect);
        box.left += outer.left;
        box.top += outer.top;
        parent = frame->parent;
    }
    return box;
}

PixelRect shownBox(HWND form, HWND control)
{
    RECT box;
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&box), 2);
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

std::string describe(const PixelRect& box)
{
    return std::to_string(box.left) + "," + std::to_string(box.top) + " " + std::to_string(box.width) + "x"
        + std::to_string(box.height);
}

// The tip that shows with the mouse at the point of the window, "" when none does.
std::string toolTipAt(const FormWindow& form, HWND window, POINT point)
{
    std::array<wchar_t, 256> text{};
    TTHITTESTINFOW hit{window, point, {}};
    hit.ti.cbSize = sizeof hit.ti;
    hit.ti.lpszText = text.data();
    if (!SendMessageW(form.toolTips(), TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit)))
        return "";
    text.fill(L'\0');
    hit.ti.lpszText = text.data();
    SendMessageW(form.toolTips(), TTM_GETTEXTW, WPARAM(text.size()), reinterpret_cast<LPARAM>(&hit.ti));
    return utf8Text(text.data());
}

void expectRowsMade(const FormWindow& window, std::span<const ControlRow> rows, const TwipsGeometry& twips,
                    const std::function<void(std::string_view, PixelRect&)>& moved = {},
                    const std::map<std::string_view, std::string>& changedTips = {})
{
    const PixelRect client = twips.toPixels(rows.front().rect);
    RECT shown;
    GetClientRect(window.handle(), &shown);
    EXPECT_EQ(describe({0, 0, shown.right, shown.bottom}), describe({0, 0, client.width, client.height}));
    int checked = 0;
    std::map<std::string_view, int> tabs;
    for (const ControlRow& row : rows.subspan(1)) {
        SCOPED_TRACE(std::string(row.name));
        if (row.kind == ControlKind::Tab) {
            std::array<wchar_t, 64> caption{};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            item.cchTextMax = int(caption.size());
            ASSERT_TRUE(SendMessageW(window.form().window(row.parent), TCM_GETITEMW, WPARAM(tabs[row.parent]++),
                                     reinterpret_cast<LPARAM>(&item)));
            EXPECT_EQ(lstrcmpW(caption.data(), wideText(row.caption).c_str()), 0);
            RECT tab{};
            SendMessageW(window.form().window(row.parent), TCM_GETITEMRECT, WPARAM(tabs[row.parent] - 1),
                         reinterpret_cast<LPARAM>(&tab));
            EXPECT_EQ(toolTipAt(window, window.form().window(row.parent),
                                {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2}),
                      row.toolTip);
            ++checked;
            continue;
        }
        HWND control = window.form().window(row.name);
        ASSERT_TRUE(IsWindow(control));
        EXPECT_EQ(GetParent(control), window.handle());
        std::array<wchar_t, 64> windowClass{};
        GetClassNameW(control, windowClass.data(), int(windowClass.size()));
        const Made& made = row.kind == ControlKind::Custom ? customMadeAs.at(row.name) : madeAs.at(row.kind);
        EXPECT_EQ(lstrcmpiW(windowClass.data(), made.windowClass), 0);
        if (made.buttonType >= 0) {
            EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK, made.buttonType);
        }
        PixelRect expected = expectedBox(rows, row, twips);
        if (moved)
            moved(row.name, expected);
        PixelRect shownAt = shownBox(window.handle(), control);
        // A closed drop-down list is never lower than its font needs (under Wine 21 pixels for a row of 19).
        if (lstrcmpiW(windowClass.data(), L"ComboBox") == 0 && shownAt.height > expected.height
            && shownAt.height <= expected.height + 2)
            shownAt.height = expected.height;
        EXPECT_EQ(describe(shownAt), describe(expected));
        const auto changed = changedTips.find(row.name);
        EXPECT_EQ(toolTipAt(window, control, {1, 1}), changed == changedTips.end() ? row.toolTip : changed->second);
        ++checked;
    }
    EXPECT_EQ(checked, int(rows.size()) - 1);
}

TEST(FormWiringTest, EveryRowIsAChildWindowOfItsKindAtItsBox)
{
    test::FakeServices fakes;
    ProgramState state{Services{fakes.store, fakes.clock, fakes.dates, fakes.platform, fakes.log}};
    state.loadSettings();
    struct Case {
        double twipsPerPixel;
    };
    // 96 and 144 dots an inch.
    for (const Case& each : {Case{15.0}, Case{10.0}}) {
        SCOPED_TRACE(each.twipsPerPixel);
        fakes.platform.metrics = {1280, 720, each.twipsPerPixel, each.twipsPerPixel};
        const TwipsGeometry twips(fakes.platform.screen());
        {
            SettingsDialog dialog(state);
            const std::span<const ControlRow> rows = settingsDialogLayout();
            const auto find = [&](std::string_view name) {
                return expectedBox(
                    rows, *std::find_if(rows.begin(), rows.end(), [&](const ControlRow& r) { return r.name == name; }),
                    twips);
            };
            // The date error lies under the date box, wherever its row puts it.
            const PixelRect date = find("txtDate");
            const PixelRect error = find("fraDateRangeMsg");
            expectRowsMade(dialog, rows, twips,
                           [&](std::string_view name, PixelRect& box) {
                               if (name == "fraDateRangeMsg" || name == "lblDateRangeMsg" || name == "cmdFixDate") {
                                   box.left += date.left - error.left;
                                   box.top += date.top + date.height - error.top;
                               }
                               // The calendar grows from its corner to show a whole month.
                               RECT needed{};
                               if (name == "MonthView"
                                   && SendMessageW(dialog.form().window(name), MCM_GETMINREQRECT, 0,
                                                   reinterpret_cast<LPARAM>(&needed))) {
                                   box.width = std::max(box.width, int(needed.right));
                                   box.height = std::max(box.height, int(needed.bottom));
                               }
                           },
                           {{"cmdCancel", closeButtonLook(false).toolTip}});
        }
        AboutBox about(fakes.platform, fakes.clock, "ReadMe.txt");
        expectRowsMade(about, aboutBoxLayout(), twips);
        GdiplusSession gdiplus;
        ImageBrowser browser(PictureChoice{}, {}, fakes.platform, fakes.log);
        expectRowsMade(browser, imageBrowserLayout(), twips);
    }
    EXPECT_TRUE(fakes.store.writes.empty());
}

TEST(FormWiringTest, FontChooserOpensOnAnInstalledFaceAndKeepsTheStoredName)
{
    const std::wstring absent = L"Varnholt No Such Face";
    const std::wstring shown = installedFace(absent);
    struct Case {
        std::wstring face, opensOn, chosen, kept;
    };
    // What the system draws in place of an absent face is installed: it opens on itself.
    for (const Case& each : {Case{shown, shown, shown, shown}, Case{absent, shown, shown, absent},
                             Case{absent, shown, L"Other", L"Other"}}) {
        SCOPED_TRACE(utf8Text(each.face + L" -> " + each.chosen));
        EXPECT_EQ(utf8Text(installedFace(each.face)), utf8Text(each.opensOn));
        EXPECT_EQ(utf8Text(keptFace(each.chosen, each.face)), utf8Text(each.kept));
    }
    EXPECT_NE(utf8Text(shown), utf8Text(absent));
    EXPECT_FALSE(shown.empty());
}

} // namespace
} // namespace varnholt
