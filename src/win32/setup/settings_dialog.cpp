// SPDX-License-Identifier: MIT
#include "win32/setup/settings_dialog.h"

#include "core/common/program_info.h"
#include "core/forms/settings_dialog_layout.h"
#include "platform/win32/wide_text.h"
#include "win32/about/about_box.h"
#include "win32/browse/image_browser.h"
#include "win32/widgets/choosers.h"

#include <algorithm>
#include <commctrl.h>

namespace varnholt {

namespace {

constexpr COLORREF DarkBlue = RGB(0, 0, 192);

SYSTEMTIME systemTime(Date date)
{
    SYSTEMTIME time{};
    time.wYear = WORD(int(date.year()));
    time.wMonth = WORD(unsigned(date.month()));
    time.wDay = WORD(unsigned(date.day()));
    return time;
}

Date dateOf(const SYSTEMTIME& time)
{
    return Date{std::chrono::year{time.wYear}, std::chrono::month{time.wMonth}, std::chrono::day{time.wDay}};
}

std::wstring windowText(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

} // namespace

SettingsDialog::SettingsDialog(ProgramState& state, HWND owner)
    : FormWindow(owner, TwipsGeometry(state.services().platform.screen()), settingsDialogLayout(), false,
                 settingsDialogTabOrder()),
      Win32FormView(state.services().platform),
      m_state(state),
      m_geometry(state.services().platform.screen()),
      m_controller(*this, state.services(), state.settings(), state.today(), state.timeLeft(), SampleTextHeight)
{
    SetWindowTextW(handle(), wideText(settingsDialogTitle()).c_str());
    placeControls();
    listen();
    m_controller.load();
    SetFocus(form().window("txtTitle"));
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::placeControls()
{
    FormBuilder& controls = form();
    SetWindowTextW(controls.window("lblDateRangeMsg"), wideText(dateRangeMessage()).c_str());
    // The date error lies under the date box it is about.
    const PixelRect date = controls.control("txtDate").box;
    FormControl& error = controls.control("fraDateRangeMsg");
    error.box.left = date.left;
    error.box.top = date.top + date.height;
    for (const std::string& name : controls.names())
        if (name != "fraDateRangeMsg" && controls.inside(name, "fraDateRangeMsg")) {
            FormControl& inner = controls.control(name);
            const PixelRect own = m_geometry.toPixels(inner.row->rect);
            inner.box.left = error.box.left + own.left;
            inner.box.top = error.box.top + own.top;
        }
    for (const std::string& name : controls.names())
        if (controls.inside(name, "fraDateRangeMsg")) {
            const PixelRect& box = controls.control(name).box;
            SetWindowPos(controls.window(name), nullptr, box.left, box.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    // The boxes of the placement options only group them: nothing is drawn.
    for (const char* box : {"fraHoriz", "fraVert", "fraDirection"}) {
        HWND window = controls.window(box);
        SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) & ~LONG(SS_TYPEMASK));
    }
    for (const char* sample : {"lblSampleText", "lblSampleDate"}) {
        HWND window = controls.window(sample);
        SetWindowLongW(window, GWL_STYLE, (GetWindowLongW(window, GWL_STYLE) & ~LONG(SS_TYPEMASK)) | SS_OWNERDRAW);
    }
    HWND speed = controls.window("HScrollSpeed");
    SendMessageW(speed, TBM_SETRANGEMIN, FALSE, SpeedMinimum);
    SendMessageW(speed, TBM_SETRANGEMAX, FALSE, SpeedMaximum);
    SendMessageW(speed, TBM_SETLINESIZE, 0, SpeedStep);
    SendMessageW(speed, TBM_SETPAGESIZE, 0, SpeedStep);
    SYSTEMTIME range[2] = {systemTime(Date{std::chrono::year{1753}, std::chrono::January, std::chrono::day{1}}),
                           systemTime(Date{std::chrono::year{9999}, std::chrono::December, std::chrono::day{31}})};
    HWND calendar = controls.window("MonthView");
    SendMessageW(calendar, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    // The system's calendar needs more room than the table's for a whole month: it grows from its corner.
    RECT needed{};
    SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&needed));
    PixelRect& box = controls.control("MonthView").box;
    box.width = std::max(box.width, int(needed.right - needed.left));
    box.height = std::max(box.height, int(needed.bottom - needed.top));
    SetWindowPos(calendar, nullptr, 0, 0, box.width, box.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- The user's events, by the control's name

void SettingsDialog::command(std::string_view name, int code)
{
    if (showing())
        return;
    HWND window = form().window(name);
    switch (form().control(name).row->kind) {
    case ControlKind::TextBox:
        if (code == EN_CHANGE)
            m_controller.textEdited(name, utf8Text(windowText(window)));
        break;
    case ControlKind::CheckBox:
        if (code == BN_CLICKED)
            m_controller.checkClicked(name, SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED);
        break;
    case ControlKind::Option:
        if (code == BN_CLICKED && SendMessageW(window, BM_GETCHECK, 0, 0) != BST_CHECKED) {
            showControlChecked(form(), name, true);
            m_controller.optionChosen(optionGroup(name), optionIndex(name));
        }
        break;
    case ControlKind::Button:
        if (code == BN_CLICKED)
            m_controller.clicked(name);
        break;
    default:
        break;
    }
}

void SettingsDialog::notified(std::string_view name, const NMHDR& header)
{
    if (name == "MonthView" && header.code == MCN_SELECT)
        m_controller.calendarDatePicked(dateOf(reinterpret_cast<const NMSELCHANGE&>(header).stSelStart));
}

void SettingsDialog::scrolled(std::string_view name, int code)
{
    // Not while the thumb is dragged: once when it is let go.
    if (showing() || code == TB_THUMBTRACK || code == TB_ENDTRACK)
        return;
    m_controller.speedChanged(int(SendMessageW(form().window(name), TBM_GETPOS, 0, 0)));
}

void SettingsDialog::drawItem(std::string_view name, const DRAWITEMSTRUCT& item)
{
    HBRUSH back = CreateSolidBrush(m_sample ? colourOf(m_sample->record.Background) : GetSysColor(COLOR_BTNFACE));
    FillRect(item.hDC, &item.rcItem, back);
    DeleteObject(back);
    if (!m_sample)
        return;
    const bool title = name == "lblSampleText";
    const int entry = title ? m_sample->look.textFontEntry : 1;
    const std::wstring caption = wideText(title ? m_sample->look.textCaption : m_sample->look.dateCaption);
    HFONT font = entryFont(m_sample->record, entry, m_geometry.screen().twipsPerPixelY);
    HGDIOBJ old = SelectObject(item.hDC, font);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, colourOf(m_sample->record.TextFontColor[std::size_t(entry)]));
    RECT box = item.rcItem;
    DrawTextW(item.hDC, caption.c_str(), int(caption.size()), &box, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
    SelectObject(item.hDC, old);
    DeleteObject(font);
}

void SettingsDialog::escapePressed()
{
    m_controller.escapePressed(calendarFocused());
}

void SettingsDialog::mouseMoved(POINT at)
{
    const PixelRect& frame = form().control("fraTextDate").box;
    const PixelRect& calendar = form().control("MonthView").box;
    if (!IsWindowVisible(form().window("MonthView")) || at.x < frame.left || at.x >= frame.left + frame.width
        || at.y < frame.top || at.y >= frame.top + frame.height)
        return;
    using Side = SettingsDialogController::Side;
    const Side side = at.x < calendar.left       ? Side::Left
        : at.x >= calendar.left + calendar.width ? Side::Right
        : at.y < calendar.top                    ? Side::Above
                                                 : Side::Below;
    m_controller.calendarMouseLeft(side, calendarFocused());
}

bool SettingsDialog::calendarFocused() const
{
    HWND calendar = form().window("MonthView");
    HWND focused = GetFocus();
    return focused && (focused == calendar || IsChild(calendar, focused));
}

// ---- What the controller says

std::optional<FontChoice> SettingsDialog::chooseFont(const FontChoice& preset)
{
    return varnholt::chooseFont(handle(), preset);
}

std::optional<std::int32_t> SettingsDialog::chooseColour(std::int32_t preset)
{
    return varnholt::chooseColour(handle(), preset);
}

std::optional<PictureChoice> SettingsDialog::openImageBrowser(const PictureChoice& start)
{
    const BrowseMemory& size = m_state.browseMemory();
    ImageBrowser browser(start, {size.width, size.height}, m_state.services().platform, m_state.services().log,
                         handle());
    const bool chosen = browser.runModal();
    const PreviewSize shown = browser.previewSize();
    m_state.rememberBrowse({shown.width, shown.height});
    if (!chosen)
        return std::nullopt;
    return browser.choice();
}

void SettingsDialog::openAbout()
{
    AboutBox about(m_state.services().platform, m_state.services().clock, m_state.readMe(), handle());
    about.runModal();
}

void SettingsDialog::openHelp(int topic)
{
    m_state.services().platform.shellOpen(m_state.helpPage(topic));
}

void SettingsDialog::openCalendar(Date selected)
{
    HWND calendar = form().window("MonthView");
    const SYSTEMTIME day = systemTime(selected);
    SendMessageW(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
    form().setVisible("MonthView", true);
    SetWindowPos(calendar, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetFocus(calendar);
}

void SettingsDialog::showSliderValue(std::string_view control, int value)
{
    shown([&] { SendMessageW(form().window(control), TBM_SETPOS, TRUE, value); });
}

void SettingsDialog::showSwatch(std::string_view control, std::int32_t colour)
{
    form().setBackColour(control, colourOf(colour));
}

void SettingsDialog::showEmphasis(std::string_view control, bool emphasised)
{
    form().setBold(control, emphasised);
    form().setTextColour(control, emphasised ? std::optional<COLORREF>(DarkBlue) : std::nullopt);
}

void SettingsDialog::showToolTip(std::string_view control, const std::string& text)
{
    setToolTip(control, text);
}

void SettingsDialog::showSample(const SampleLook& look, const SettingsRecord& record)
{
    m_sample = Sample{look, record};
    HWND text = form().window("lblSampleText");
    const PixelRect& box = form().control("lblSampleText").box;
    SetWindowPos(text, nullptr, 0, 0, box.width, m_geometry.toPixelsY(look.textHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(text, nullptr, TRUE);
    form().setVisible("lblSampleDate", look.dateVisible);
    InvalidateRect(form().window("lblSampleDate"), nullptr, TRUE);
}

void SettingsDialog::focus(std::string_view control)
{
    SetFocus(form().window(control));
}

void SettingsDialog::closeDialog(bool accepted)
{
    close(accepted);
}

} // namespace varnholt
