// SPDX-License-Identifier: MIT
#include "win32/widgets/form_window.h"

#include "platform/win32/wide_text.h"

#include <commctrl.h>

namespace varnholt {

namespace {

constexpr COLORREF DarkBlue = RGB(0, 0, 0xC0);
constexpr COLORREF DarkRed = RGB(0x80, 0, 0);

LRESULT CALLBACK frameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return SendMessageW(GetParent(window), message, wParam, lParam);
    case WM_PAINT:
        if (GetWindowLongPtrW(window, GWLP_USERDATA) == LONG_PTR(ControlKind::Box)) {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT box;
            GetClientRect(window, &box);
            DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
            EndPaint(window, &paint);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerFrameClass()
{
    static const bool registered = [] {
        WNDCLASSW frame{};
        frame.lpfnWndProc = frameProcedure;
        frame.hInstance = GetModuleHandleW(nullptr);
        frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        frame.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        frame.lpszClassName = FrameClass;
        return RegisterClassW(&frame) != 0;
    }();
    static_cast<void>(registered);
}

DWORD styleOf(const ControlRow& row)
{
    const auto labelAlignment = [&row]() -> DWORD {
        if (has(row.look, Look::Centre))
            return SS_CENTER;
        return has(row.look, Look::Right) ? SS_RIGHT : SS_LEFT;
    };
    const DWORD tabStop = has(row.look, Look::ClickFocus) ? 0 : WS_TABSTOP;
    switch (row.kind) {
    case ControlKind::Label:
        return labelAlignment() | SS_NOPREFIX | SS_NOTIFY;
    case ControlKind::Picture:
        return SS_BITMAP | SS_REALSIZECONTROL | SS_NOTIFY;
    case ControlKind::TextBox:
        return ES_AUTOHSCROLL | (has(row.look, Look::ReadOnly) ? ES_READONLY : 0) | tabStop;
    case ControlKind::Button:
        return BS_PUSHBUTTON | tabStop;
    case ControlKind::CheckBox:
        return BS_AUTOCHECKBOX | tabStop;
    case ControlKind::Option:
        return BS_AUTORADIOBUTTON | tabStop;
    case ControlKind::Line:
        return SS_ETCHEDHORZ;
    case ControlKind::ScrollBar:
        return SBS_HORZ | tabStop;
    case ControlKind::Calendar:
        return tabStop;
    case ControlKind::TabStrip:
        return TCS_TOOLTIPS | tabStop;
    default:
        return WS_CLIPCHILDREN;
    }
}

} // namespace

const wchar_t* windowClassOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::Picture:
    case ControlKind::Line:
        return L"Static";
    case ControlKind::TextBox:
        return L"Edit";
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::Option:
        return L"Button";
    case ControlKind::ScrollBar:
        return L"ScrollBar";
    case ControlKind::Calendar:
        return MONTHCAL_CLASSW;
    case ControlKind::TabStrip:
        return WC_TABCONTROLW;
    case ControlKind::Frame:
    case ControlKind::Box:
    case ControlKind::Panel:
        return FrameClass;
    default:
        return nullptr;
    }
}

FormWindow::FormWindow(HWND window, const TwipsGeometry& twips) : m_window(window), m_twips(twips)
{
    registerFrameClass();
    // Arial 8 as the windows were designed, at the screen's resolution.
    const int dotsPerInch = int(1440.0 / twips.screen().twipsPerPixelY + 0.5);
    LOGFONTW look{};
    look.lfHeight = -MulDiv(8, dotsPerInch, 72);
    look.lfWeight = FW_NORMAL;
    look.lfCharSet = DEFAULT_CHARSET;
    look.lfQuality = CLEARTYPE_QUALITY;
    wcscpy(look.lfFaceName, L"Arial");
    m_font = CreateFontIndirectW(&look);
    look.lfWeight = FW_BOLD;
    m_boldFont = CreateFontIndirectW(&look);
    m_toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                                 0, 0, window, nullptr, GetModuleHandleW(nullptr), nullptr);
}

FormWindow::~FormWindow()
{
    if (m_toolTips)
        DestroyWindow(m_toolTips);
    DeleteObject(m_font);
    DeleteObject(m_boldFont);
}

void FormWindow::build(std::span<const ControlRow> rows, const MakeCustom& makeCustom)
{
    m_rows = rows;
    if (rows.empty())
        return;
    const PixelRect client = m_twips.toPixels(rows.front().rect);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, DWORD(GetWindowLongW(m_window, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongW(m_window, GWL_EXSTYLE)));
    SetWindowPos(m_window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t index = 1; index < rows.size(); ++index) {
        const ControlRow& row = rows[index];
        if (row.kind == ControlKind::Tab) {
            HWND strip = control(row.parent);
            std::wstring caption = wideText(std::string(row.caption));
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageW(strip, TCM_INSERTITEMW, SendMessageW(strip, TCM_GETITEMCOUNT, 0, 0),
                         reinterpret_cast<LPARAM>(&item));
            continue;
        }
        HWND made = make(row, FirstControlId + int(index), makeCustom);
        m_controls.emplace(std::string(row.name), made);
        m_rowOf.emplace(made, &row);
    }
}

HWND FormWindow::make(const ControlRow& row, int id, const MakeCustom& makeCustom)
{
    HWND parent = row.parent.empty() ? m_window : control(row.parent);
    const PixelRect box = m_twips.toPixels(row.rect);
    const DWORD visible = has(row.look, Look::Hidden) ? 0 : WS_VISIBLE;
    HWND made = nullptr;
    if (row.kind == ControlKind::Custom) {
        made = makeCustom(row, parent, id, box);
        if (!has(row.look, Look::Hidden))
            ShowWindow(made, SW_SHOWNA);
    } else {
        const DWORD edge = row.kind == ControlKind::TextBox || has(row.look, Look::Boxed) ? WS_EX_CLIENTEDGE : 0;
        const std::wstring caption = wideText(std::string(row.caption));
        made = CreateWindowExW(edge, windowClassOf(row.kind), caption.c_str(),
                               WS_CHILD | WS_CLIPSIBLINGS | visible | styleOf(row), box.left, box.top, box.width,
                               box.height, parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr),
                               nullptr);
    }
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font(has(row.look, Look::Bold | Look::Emphasis))), FALSE);
    if (row.kind == ControlKind::Frame || row.kind == ControlKind::Box || row.kind == ControlKind::Panel)
        SetWindowLongPtrW(made, GWLP_USERDATA, LONG_PTR(row.kind));
    if (row.kind == ControlKind::Frame) {
        HWND group = CreateWindowExW(0, L"Button", wideText(std::string(row.caption)).c_str(),
                                     WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, box.width, box.height, made, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        SendMessageW(group, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    }
    addToolTip(made, row.toolTip);
    return made;
}

void FormWindow::addToolTip(HWND control, std::string_view text)
{
    if (text.empty() || !m_toolTips)
        return;
    std::wstring tip = wideText(std::string(text));
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = tip.data();
    SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND FormWindow::control(std::string_view name) const
{
    const auto found = m_controls.find(name);
    return found == m_controls.end() ? nullptr : found->second;
}

const ControlRow* FormWindow::row(std::string_view name) const
{
    for (const ControlRow& row : m_rows) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

const ControlRow* FormWindow::rowOf(HWND control) const
{
    const auto found = m_rowOf.find(control);
    return found == m_rowOf.end() ? nullptr : found->second;
}

const ControlRow* FormWindow::tab(std::string_view strip, int index) const
{
    for (const ControlRow& row : m_rows) {
        if (row.kind == ControlKind::Tab && row.parent == strip && index-- == 0)
            return &row;
    }
    return nullptr;
}

HBRUSH FormWindow::colours(HWND control, HDC dc) const
{
    const ControlRow* row = rowOf(control);
    if (!row)
        return nullptr;
    int background = COLOR_BTNFACE;
    if (has(row->look, Look::Note))
        background = COLOR_INFOBK;
    else if (has(row->look, Look::Boxed))
        background = COLOR_WINDOW;
    else if (!has(row->look, Look::Emphasis | Look::Blue))
        return nullptr;
    const COLORREF text = has(row->look, Look::Note)                   ? DarkRed
        : has(row->look, Look::Emphasis) || has(row->look, Look::Blue) ? DarkBlue
                                                                       : GetSysColor(COLOR_WINDOWTEXT);
    SetTextColor(dc, text);
    SetBkColor(dc, GetSysColor(background));
    return GetSysColorBrush(background);
}

void FormWindow::setBold(HWND control, bool bold)
{
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font(bold)), TRUE);
}

} // namespace varnholt
