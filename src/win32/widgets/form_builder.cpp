// SPDX-License-Identifier: MIT
#include "win32/widgets/form_builder.h"

#include "platform/win32/wide_text.h"

#include <commctrl.h>
#include <stdexcept>
#include <utility>

namespace varnholt {

namespace {

constexpr COLORREF DarkBlue = RGB(0, 0, 192);
constexpr COLORREF DarkRed = RGB(192, 0, 0);

HFONT controlFont(const TwipsGeometry& twips, bool bold)
{
    // The twips boxes were measured for 8-point captions of Arial's widths.
    LOGFONTW font{};
    font.lfHeight = -MulDiv(8, int(1440.0 / twips.screen().twipsPerPixelY + 0.5), 72);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, L"Arial", LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

struct MadeAs {
    const wchar_t* windowClass;
    DWORD style;
    DWORD extended = 0;
};

MadeAs madeAs(const ControlRow& row, bool labelsTop)
{
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::Picture: {
        DWORD style = SS_NOPREFIX;
        if (row.kind == ControlKind::Picture)
            style = SS_ICON | SS_REALSIZECONTROL;
        else if (has(row.look, Look::Right))
            style |= SS_RIGHT;
        else if (has(row.look, Look::Centre))
            style |= SS_CENTER;
        if (row.kind == ControlKind::Label && !has(row.look, Look::Top) && !labelsTop)
            style |= SS_CENTERIMAGE; // one line, in the middle
        if (has(row.look, Look::Boxed))
            style |= WS_BORDER;
        if (has(row.look, Look::Link))
            style |= SS_NOTIFY;
        return {L"STATIC", style};
    }
    case ControlKind::TextBox:
        return {L"EDIT", DWORD(ES_AUTOHSCROLL | (has(row.look, Look::ReadOnly) ? ES_READONLY : 0)), WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {L"BUTTON", BS_PUSHBUTTON};
    case ControlKind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX};
    case ControlKind::Option:
        return {L"BUTTON", BS_RADIOBUTTON};
    case ControlKind::Frame:
        return {L"BUTTON", BS_GROUPBOX};
    case ControlKind::Box:
        return {L"STATIC", SS_ETCHEDFRAME};
    case ControlKind::Panel:
        return {L"STATIC", 0};
    case ControlKind::Line:
        return {L"STATIC", SS_BLACKRECT};
    case ControlKind::ScrollBar:
        return {TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS};
    case ControlKind::Calendar:
        return {MONTHCAL_CLASSW, WS_BORDER};
    case ControlKind::TabStrip:
        return {WC_TABCONTROLW, 0};
    case ControlKind::Form:
    case ControlKind::Tab:
    case ControlKind::Custom:
        break;
    }
    return {nullptr, 0};
}

bool takesFocus(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::Option:
    case ControlKind::ScrollBar:
    case ControlKind::Calendar:
    case ControlKind::TabStrip:
        return true;
    default:
        return false;
    }
}

// A frame with a colour of its own fills its inside with it, as the group box leaves it see-through.
LRESULT CALLBACK filledFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR brush)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, reinterpret_cast<HBRUSH>(brush));
        DefSubclassProc(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        EndPaint(window, &paint);
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

FormBuilder::FormBuilder(HWND form, const TwipsGeometry& twips, bool labelsTop)
    : m_form(form),
      m_twips(twips),
      m_labelsTop(labelsTop),
      m_plain(controlFont(twips, false)),
      m_bold(controlFont(twips, true))
{
}

FormBuilder::~FormBuilder()
{
    for (auto& [window, paint] : m_paint)
        if (paint.brush)
            DeleteObject(paint.brush);
    DeleteObject(m_plain);
    DeleteObject(m_bold);
}

void FormBuilder::build(std::span<const ControlRow> rows, const CustomMaker& makeCustom)
{
    for (const ControlRow& row : rows) {
        if (row.kind == ControlKind::Form)
            continue;
        if (row.kind == ControlKind::Tab) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            std::wstring caption = wideText(row.caption);
            item.pszText = caption.data();
            HWND strip = window(row.parent);
            SendMessageW(strip, TCM_INSERTITEMW, WPARAM(SendMessageW(strip, TCM_GETITEMCOUNT, 0, 0)),
                         reinterpret_cast<LPARAM>(&item));
            continue;
        }
        PixelRect box = m_twips.toPixels(row.rect);
        if (!row.parent.empty()) {
            const PixelRect& frame = control(row.parent).box;
            box.left += frame.left;
            box.top += frame.top;
        }
        if (row.kind == ControlKind::Line)
            box.height = 1;
        HWND made = make(row, box, makeCustom);
        if (!made)
            throw std::logic_error("the control " + std::string(row.name) + " could not be made");
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(m_plain), FALSE);
        if (!m_controls.emplace(row.name, FormControl{&row, made, box}).second)
            throw std::logic_error("two controls are named " + std::string(row.name));
        m_names.emplace(made, row.name);
        m_order.emplace_back(row.name);
        // Later rows above earlier ones: a frame lies below its controls.
        SetWindowPos(made, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        applyLook(row);
    }
}

HWND FormBuilder::make(const ControlRow& row, const PixelRect& box, const CustomMaker& makeCustom) const
{
    bool hidden = has(row.look, Look::Hidden);
    for (std::string_view at = row.parent; !at.empty() && !hidden; at = control(at).row->parent)
        hidden = !control(at).ownVisible;
    const DWORD common = WS_CHILD | WS_CLIPSIBLINGS | (hidden ? 0 : WS_VISIBLE)
        | (takesFocus(row.kind) && !has(row.look, Look::ClickFocus) ? WS_TABSTOP : 0);
    if (row.kind == ControlKind::Custom) {
        if (!makeCustom)
            throw std::logic_error("nothing makes the control " + std::string(row.name));
        return makeCustom(row, m_form, box);
    }
    const MadeAs as = madeAs(row, m_labelsTop);
    return CreateWindowExW(as.extended, as.windowClass, wideText(row.caption).c_str(), common | as.style, box.left,
                           box.top, box.width, box.height, m_form, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void FormBuilder::applyLook(const ControlRow& row)
{
    const std::string_view name = row.name;
    if (has(row.look, Look::Emphasis)) {
        setBold(name, true);
        setTextColour(name, DarkBlue);
    }
    if (has(row.look, Look::Bold))
        setBold(name, true);
    if (has(row.look, Look::Blue))
        setTextColour(name, DarkBlue);
    if (has(row.look, Look::Note)) {
        setTextColour(name, DarkRed);
        setBackColour(name, GetSysColor(COLOR_INFOBK));
        SetWindowSubclass(window(name), filledFrame, 1, reinterpret_cast<DWORD_PTR>(m_paint[window(name)].brush));
    }
    if (has(row.look, Look::Boxed))
        setBackColour(name, RGB(255, 255, 255));
    if (has(row.look, Look::Hidden))
        control(name).ownVisible = false;
}

HWND FormBuilder::window(std::string_view name) const
{
    return control(name).window;
}

const FormControl& FormBuilder::control(std::string_view name) const
{
    const auto found = m_controls.find(name);
    if (found == m_controls.end())
        throw std::logic_error("no control " + std::string(name) + " in the layout table");
    return found->second;
}

FormControl& FormBuilder::control(std::string_view name)
{
    return const_cast<FormControl&>(std::as_const(*this).control(name));
}

std::string_view FormBuilder::nameOf(HWND window) const
{
    const auto found = m_names.find(window);
    return found == m_names.end() ? std::string_view() : std::string_view(found->second);
}

bool FormBuilder::inside(std::string_view name, std::string_view frame) const
{
    for (std::string_view at = name; !at.empty(); at = control(at).row->parent)
        if (at == frame)
            return true;
    return false;
}

void FormBuilder::setVisible(std::string_view name, bool visible)
{
    control(name).ownVisible = visible;
    refresh(name);
}

void FormBuilder::setEnabled(std::string_view name, bool enabled)
{
    control(name).ownEnabled = enabled;
    refresh(name);
}

// A control is shown and enabled when it and every frame it lies in are.
void FormBuilder::refresh(std::string_view name)
{
    for (const std::string& each : m_order) {
        if (!inside(each, name))
            continue;
        bool visible = true;
        bool enabled = true;
        for (std::string_view at = each; !at.empty(); at = control(at).row->parent) {
            visible = visible && control(at).ownVisible;
            enabled = enabled && control(at).ownEnabled;
        }
        HWND window = control(each).window;
        if (visible && !IsWindowVisible(window))
            SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        else if (!visible)
            ShowWindow(window, SW_HIDE);
        EnableWindow(window, enabled);
    }
}

bool FormBuilder::colours(HWND window, COLORREF& text, HBRUSH& back) const
{
    const auto found = m_paint.find(window);
    if (found == m_paint.end())
        return false;
    const Paint& paint = found->second;
    text = paint.text.value_or(GetSysColor(COLOR_BTNTEXT));
    back = paint.brush ? paint.brush : GetSysColorBrush(COLOR_BTNFACE);
    return true;
}

void FormBuilder::setBackColour(std::string_view name, COLORREF colour)
{
    Paint& paint = m_paint[window(name)];
    if (paint.brush)
        DeleteObject(paint.brush);
    paint.back = colour;
    paint.brush = CreateSolidBrush(colour);
    InvalidateRect(window(name), nullptr, TRUE);
}

void FormBuilder::setBold(std::string_view name, bool bold)
{
    SendMessageW(window(name), WM_SETFONT, reinterpret_cast<WPARAM>(font(bold)), TRUE);
}

void FormBuilder::setTextColour(std::string_view name, std::optional<COLORREF> colour)
{
    m_paint[window(name)].text = colour;
    InvalidateRect(window(name), nullptr, TRUE);
}

} // namespace varnholt
