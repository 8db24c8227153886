// SPDX-License-Identifier: MIT
#include "win32/widgets/form_window.h"

#include "platform/win32/wide_text.h"
#include "win32/widgets/control_states.h"

#include <algorithm>
#include <commctrl.h>
#include <map>
#include <windowsx.h>

namespace varnholt {

namespace {

constexpr wchar_t FormClass[] = L"VarnholtForm";
// Not clipping its children: the group boxes draw only their lines, the form the inside.
constexpr DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD FormExtended = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

ATOM registerFormClass(WNDPROC procedure)
{
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES
                                      | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    windowClass.lpszClassName = FormClass;
    return RegisterClassExW(&windowClass);
}

} // namespace

FormWindow::FormWindow(HWND owner, const TwipsGeometry& twips, std::span<const ControlRow> rows, bool labelsTop,
                       std::span<const std::string_view> tabOrder, const FormBuilder::CustomMaker& makeCustom)
    : m_owner(owner)
{
    static const ATOM registered = registerFormClass(windowProc);
    (void)registered;
    const PixelRect client = twips.toPixels(rows.front().rect);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, FormStyle, FALSE, FormExtended);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    m_window = CreateWindowExW(FormExtended, FormClass, L"", FormStyle,
                               work.left + (work.right - work.left - width) / 2,
                               work.top + (work.bottom - work.top - height) / 2, width, height, owner, nullptr,
                               GetModuleHandleW(nullptr), this);
    m_form = std::make_unique<FormBuilder>(m_window, twips, labelsTop);
    m_form->build(rows, makeCustom);
    m_toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                 m_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    std::map<std::string_view, int> tabs;
    for (const ControlRow& row : rows.subspan(1)) {
        // A tab is an item of its strip: its tip covers the item's box on the strip.
        const int tab = row.kind == ControlKind::Tab ? tabs[row.parent]++ : -1;
        if (row.toolTip.empty())
            continue;
        std::wstring text = wideText(row.toolTip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        if (tab < 0) {
            tool.uFlags |= TTF_IDISHWND;
            tool.hwnd = m_window;
            tool.uId = reinterpret_cast<UINT_PTR>(m_form->window(row.name));
        } else {
            tool.hwnd = m_form->window(row.parent);
            tool.uId = UINT_PTR(tab);
            SendMessageW(tool.hwnd, TCM_GETITEMRECT, WPARAM(tab), reinterpret_cast<LPARAM>(&tool.rect));
        }
        tool.lpszText = text.data();
        SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (tabOrder.empty())
        m_tabOrder = m_form->names();
    else
        m_tabOrder.assign(tabOrder.begin(), tabOrder.end());
}

FormWindow::~FormWindow()
{
    m_form.reset();
    if (IsWindow(m_window))
        DestroyWindow(m_window);
}

bool FormWindow::runModal()
{
    if (m_owner)
        EnableWindow(m_owner, FALSE);
    ShowWindow(m_window, SW_SHOW);
    SetForegroundWindow(m_window);
    MSG message;
    bool quit = false;
    while (m_open) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        if (moveFocus(message) || IsDialogMessageW(m_window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (m_owner)
        EnableWindow(m_owner, TRUE);
    ShowWindow(m_window, SW_HIDE);
    if (m_owner)
        SetForegroundWindow(m_owner);
    if (quit)
        PostQuitMessage(int(message.wParam));
    return m_accepted;
}

void FormWindow::close(bool accepted)
{
    m_accepted = accepted;
    m_open = false;
}

void FormWindow::setToolTip(std::string_view name, const std::string& text)
{
    std::wstring wide = wideText(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = m_window;
    tool.uId = reinterpret_cast<UINT_PTR>(m_form->window(name));
    tool.lpszText = wide.data();
    SendMessageW(m_toolTips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool FormWindow::canFocus(std::string_view name) const
{
    HWND window = m_form->window(name);
    if (!IsWindowVisible(window) || !IsWindowEnabled(window))
        return false;
    if (m_form->control(name).row->kind != ControlKind::Option)
        return true;
    // One stop in an option group: its checked option, or each while none is.
    if (SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED)
        return true;
    const std::string_view group = optionGroup(name);
    return std::none_of(m_form->names().begin(), m_form->names().end(), [&](const std::string& other) {
        HWND each = m_form->window(other);
        return optionGroup(other) == group && other != name && IsWindowVisible(each)
            && SendMessageW(each, BM_GETCHECK, 0, 0) == BST_CHECKED;
    });
}

bool FormWindow::moveFocus(const MSG& message)
{
    if (message.message != WM_KEYDOWN || (message.hwnd != m_window && !IsChild(m_window, message.hwnd)))
        return false;
    HWND focused = GetFocus();
    // A calendar's or an edit's inner windows are not rows: their row is the nearest one above them.
    std::string_view current;
    for (HWND at = focused; at && at != m_window && current.empty(); at = GetParent(at))
        current = m_form->nameOf(at);
    if (message.wParam == VK_TAB) {
        const bool back = GetKeyState(VK_SHIFT) < 0;
        const auto count = std::ptrdiff_t(m_tabOrder.size());
        const auto found = std::find(m_tabOrder.begin(), m_tabOrder.end(), current);
        std::ptrdiff_t at = found == m_tabOrder.end() ? (back ? 0 : -1) : found - m_tabOrder.begin();
        for (std::ptrdiff_t step = 0; step < count; ++step) {
            at = (at + (back ? count - 1 : 1)) % count;
            if (canFocus(m_tabOrder[std::size_t(at)])) {
                SetFocus(m_form->window(m_tabOrder[std::size_t(at)]));
                return true;
            }
        }
        return true;
    }
    const bool arrow = message.wParam == VK_LEFT || message.wParam == VK_RIGHT || message.wParam == VK_UP
        || message.wParam == VK_DOWN;
    if (!arrow || current.empty() || m_form->control(current).row->kind != ControlKind::Option)
        return false;
    // The arrows choose the next option of the group, in table order.
    const bool back = message.wParam == VK_LEFT || message.wParam == VK_UP;
    std::vector<std::string_view> options;
    for (const std::string& name : m_form->names())
        if (optionGroup(name) == optionGroup(current) && IsWindowVisible(m_form->window(name))
            && IsWindowEnabled(m_form->window(name)))
            options.push_back(name);
    const auto found = std::find(options.begin(), options.end(), current);
    if (found == options.end())
        return true;
    const auto count = std::ptrdiff_t(options.size());
    const std::ptrdiff_t next = ((found - options.begin()) + (back ? count - 1 : 1)) % count;
    HWND target = m_form->window(options[std::size_t(next)]);
    SetFocus(target);
    SendMessageW(target, BM_CLICK, 0, 0);
    return true;
}

LRESULT CALLBACK FormWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->m_listening)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const auto control = reinterpret_cast<HWND>(lParam);
        if (!control && LOWORD(wParam) == IDCANCEL) {
            escapePressed();
            return 0;
        }
        if (!control && LOWORD(wParam) == IDOK) {
            // Enter presses the focused button, and nothing elsewhere.
            HWND focused = GetFocus();
            const std::string_view name = m_form->nameOf(focused);
            if (!name.empty() && m_form->control(name).row->kind == ControlKind::Button)
                command(name, BN_CLICKED);
            return 0;
        }
        const std::string_view name = m_form->nameOf(control);
        if (!name.empty())
            command(name, HIWORD(wParam));
        return 0;
    }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        const std::string_view name = m_form->nameOf(header.hwndFrom);
        if (!name.empty())
            notified(name, header);
        return 0;
    }
    case WM_HSCROLL: {
        const std::string_view name = m_form->nameOf(reinterpret_cast<HWND>(lParam));
        if (!name.empty())
            scrolled(name, LOWORD(wParam));
        return 0;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const std::string_view name = m_form->nameOf(item.hwndItem);
        if (!name.empty())
            drawItem(name, item);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT: {
        COLORREF text;
        HBRUSH back;
        if (!m_form->colours(reinterpret_cast<HWND>(lParam), text, back))
            break;
        auto* dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, text);
        LOGBRUSH brush;
        GetObjectW(back, sizeof brush, &brush);
        SetBkColor(dc, brush.lbColor);
        return reinterpret_cast<LRESULT>(back);
    }
    case WM_SETCURSOR: {
        const std::string_view name = m_form->nameOf(reinterpret_cast<HWND>(wParam));
        if (!name.empty() && has(m_form->control(name).row->look, Look::Link)) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    }
    case WM_CLOSE:
        cancelled();
        return 0;
    case WM_MOUSEMOVE:
        mouseMoved(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

} // namespace varnholt
