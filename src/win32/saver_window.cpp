// SPDX-License-Identifier: MIT
#include "win32/saver_window.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "win32/saver_run.h"

#include <algorithm>
#include <windowsx.h>

namespace varnholt {

namespace {

constexpr wchar_t SaverClass[] = L"VarnholtSaver";

// Stored colours are 24-bit RGB with red in the low byte, as COLORREF is.
COLORREF colourOf(std::int32_t stored)
{
    return COLORREF(std::uint32_t(stored) & 0xFFFFFFu);
}

HFONT fontOf(const SettingsRecord& record, int entry, std::optional<int> pointSize, double twipsPerPixelY)
{
    // A size below one point cannot be drawn; show the smallest that can.
    const int points = std::max(1, pointSize ? *pointSize : int(record.TextFontSize[std::size_t(entry)]));
    LOGFONTW font{};
    font.lfHeight = -MulDiv(points, int(1440.0 / twipsPerPixelY + 0.5), 72);
    font.lfWeight = record.TextFontBold[std::size_t(entry)] ? FW_BOLD : FW_NORMAL;
    font.lfItalic = record.TextFontItalic[std::size_t(entry)];
    font.lfUnderline = record.TextFontUnderline[std::size_t(entry)];
    font.lfStrikeOut = record.TextFontStrikethru[std::size_t(entry)];
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = ANTIALIASED_QUALITY;
    const std::wstring name = wideText(record.TextFontName[std::size_t(entry)]);
    lstrcpynW(font.lfFaceName, name.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

RECT unite(const RECT& a, const RECT& b)
{
    RECT both;
    if (IsRectEmpty(&a))
        return b;
    if (IsRectEmpty(&b))
        return a;
    UnionRect(&both, &a, &b);
    return both;
}

ATOM registerSaverClass()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = SaverClass;
    return RegisterClassExW(&windowClass);
}

} // namespace

SaverWindow::SaverWindow(ProgramState& state, SaverRun& run, const ScreenMetrics& layout, const RECT& area, HWND parent)
    : m_state(state),
      m_run(run),
      m_twips(layout),
      m_screenTwips(varnholt::screenTwips(layout)),
      // The preview's start was placed by start-up.
      m_block(state.startBlock()),
      m_engine(state.motionInputs(m_block, m_screenTwips), *this)
{
    static const ATOM registered = registerSaverClass();
    (void)registered;
    const DWORD style = parent ? WS_CHILD : WS_POPUP;
    const DWORD extended = parent ? 0 : WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    m_window = CreateWindowExW(extended, SaverClass, parent ? L"Preview" : L"", style, area.left, area.top,
                               area.right - area.left, area.bottom - area.top, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SaverWindow::windowProc));
}

SaverWindow::~SaverWindow()
{
    m_destroying = true;
    if (IsWindow(m_window))
        DestroyWindow(m_window);
    dropRendered();
    for (Line& shown : m_lines)
        if (shown.font)
            DeleteObject(shown.font);
}

void SaverWindow::showCovering()
{
    // Where the cursor stands now is no move.
    GetCursorPos(&m_lastMouse);
    ScreenToClient(m_window, &m_lastMouse);
    SetWindowPos(m_window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(m_window, SW_SHOW);
    UpdateWindow(m_window);
}

void SaverWindow::hide()
{
    if (IsWindow(m_window))
        ShowWindow(m_window, SW_HIDE);
}

void SaverWindow::dropTopMost()
{
    if (IsWindow(m_window))
        SetWindowPos(m_window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CALLBACK SaverWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* saver = reinterpret_cast<SaverWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return saver ? saver->handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT SaverWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paintStruct;
        HDC dc = BeginPaint(m_window, &paintStruct);
        paint(dc, paintStruct.rcPaint);
        EndPaint(m_window, &paintStruct);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(m_window, &client);
        paint(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // paint fills every pixel itself
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        m_run.controller().clicked();
        return 0;
    case WM_MOUSEMOVE: {
        // Windows also reports a move when a window appears under a cursor that stands still.
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (at.x == m_lastMouse.x && at.y == m_lastMouse.y)
            return 0;
        m_lastMouse = at;
        m_run.controller().mouseMoved();
        return 0;
    }
    case WM_SETCURSOR:
        if (m_state.runMode() == ModeSaver) {
            SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_DPICHANGED:
        relayOut(LOWORD(wParam), HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DISPLAYCHANGE:
        m_run.monitorsChanged();
        break;
    case WM_DESTROY:
        // A preview's window goes with its host's.
        if (!m_destroying && GetParent(m_window))
            m_run.hostClosed();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void SaverWindow::paint(HDC dc, const RECT& area)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    // Drawn off screen first, so that a frame reaches the screen as one image.
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP pixels = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ oldBitmap = SelectObject(buffer, pixels);
    SetViewportOrgEx(buffer, -area.left, -area.top, nullptr);

    HBRUSH background = CreateSolidBrush(m_background);
    FillRect(buffer, &area, background);
    RECT overlap;
    if (m_shown && IntersectRect(&overlap, &area, &m_pictureBox)) {
        if (!m_rendered)
            m_rendered = renderPicture(*m_shown, m_pictureBox.right - m_pictureBox.left,
                                       m_pictureBox.bottom - m_pictureBox.top, m_background);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ oldSource = SelectObject(source, m_rendered);
        BitBlt(buffer, overlap.left, overlap.top, overlap.right - overlap.left, overlap.bottom - overlap.top, source,
               overlap.left - m_pictureBox.left, overlap.top - m_pictureBox.top, SRCCOPY);
        SelectObject(source, oldSource);
        DeleteDC(source);
    }
    SetBkMode(buffer, TRANSPARENT);
    for (const Line& shown : m_lines) {
        if (!IntersectRect(&overlap, &area, &shown.box))
            continue;
        FillRect(buffer, &shown.box, background);
        HGDIOBJ oldFont = SelectObject(buffer, shown.font);
        SetTextColor(buffer, shown.colour);
        const UINT alignment = (m_centred ? DT_CENTER : DT_LEFT) | DT_NOPREFIX;
        RECT text = shown.box;
        DrawTextW(buffer, shown.caption.c_str(), int(shown.caption.size()), &text, alignment | DT_CALCRECT);
        // Centred vertically in the line's box, as a label draws it.
        RECT box = shown.box;
        box.top += ((shown.box.bottom - shown.box.top) - (text.bottom - text.top)) / 2;
        DrawTextW(buffer, shown.caption.c_str(), int(shown.caption.size()), &box, alignment);
        SelectObject(buffer, oldFont);
    }
    DeleteObject(background);

    SetViewportOrgEx(buffer, 0, 0, nullptr);
    BitBlt(dc, area.left, area.top, width, height, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, oldBitmap);
    DeleteObject(pixels);
    DeleteDC(buffer);
}

void SaverWindow::relayOut(int dpiX, int dpiY, const RECT& area)
{
    const ScreenMetrics layout{area.right - area.left, area.bottom - area.top, twipsPerPixel(dpiX),
                               twipsPerPixel(dpiY)};
    m_twips = TwipsGeometry(layout);
    m_screenTwips = varnholt::screenTwips(layout);
    m_block = m_state.startBlock();
    SetWindowPos(m_window, nullptr, area.left, area.top, layout.widthPixels, layout.heightPixels,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_run.controller().setUpWindows({&view()});
    InvalidateRect(m_window, nullptr, FALSE);
}

void SaverWindow::redraw(const RECT& area, bool now)
{
    if (IsRectEmpty(&area))
        return;
    InvalidateRect(m_window, &area, FALSE);
    if (now)
        UpdateWindow(m_window);
}

RECT SaverWindow::blockArea() const
{
    return unite(m_lines[0].box, m_lines[1].box);
}

void SaverWindow::dropRendered()
{
    if (m_rendered)
        DeleteObject(m_rendered);
    m_rendered = nullptr;
}

void SaverWindow::showPicture(PixelSize shown)
{
    const RECT before = m_pictureBox;
    m_shown = std::move(m_taken);
    m_pictureBox.right = m_pictureBox.left + shown.width;
    m_pictureBox.bottom = m_pictureBox.top + shown.height;
    dropRendered();
    redraw(unite(before, m_pictureBox), false);
}

void SaverWindow::showLine(SaverLine which, const std::string& caption, int fontEntry, std::optional<int> pointSize)
{
    Line& shown = line(which);
    shown.caption = wideText(caption);
    if (shown.font)
        DeleteObject(shown.font);
    shown.font = fontOf(m_state.settings(), fontEntry, pointSize, m_twips.screen().twipsPerPixelY);
    shown.colour = colourOf(m_state.settings().TextFontColor[std::size_t(fontEntry)]);
    redraw(shown.box, false);
}

LabelSize SaverWindow::lineExtent(SaverLine which) const
{
    const Line& shown = line(which);
    HDC dc = GetDC(m_window);
    HGDIOBJ old = SelectObject(dc, shown.font);
    RECT text{0, 0, 0, 0};
    DrawTextW(dc, shown.caption.c_str(), int(shown.caption.size()), &text, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(m_window, dc);
    const ScreenMetrics& screen = m_twips.screen();
    return LabelSize{(text.right - text.left) * screen.twipsPerPixelX,
                     (text.bottom - text.top) * screen.twipsPerPixelY};
}

double SaverWindow::lineHeight(SaverLine which) const
{
    HDC dc = GetDC(m_window);
    HGDIOBJ old = SelectObject(dc, line(which).font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(m_window, dc);
    return metrics.tmHeight * m_twips.screen().twipsPerPixelY;
}

void SaverWindow::sizeLines(const TextLabels& sized)
{
    const RECT before = blockArea();
    const auto resize = [this](Line& shown, LabelSize size) {
        shown.box.right = shown.box.left + m_twips.toPixelsX(size.width);
        shown.box.bottom = shown.box.top + m_twips.toPixelsY(size.height);
    };
    resize(m_lines[0], sized.title);
    resize(m_lines[1], sized.timeLeft);
    redraw(unite(before, blockArea()), false);
}

void SaverWindow::showBackground(std::int32_t colour)
{
    m_background = colourOf(colour);
    dropRendered();
    InvalidateRect(m_window, nullptr, FALSE);
}

void SaverWindow::startFirstPath()
{
    m_engine.nextPath();
}

void SaverWindow::advance(std::int64_t ticks)
{
    LabelPlaces places;
    for (std::int64_t tick = 0; tick < ticks && m_run.running(); ++tick)
        places = m_engine.step();
    const RECT before = blockArea();
    const auto move = [](RECT& box, int left, int top) { OffsetRect(&box, left - box.left, top - box.top); };
    move(m_lines[0].box, m_twips.toPixelsX(places.textLeft), m_twips.toPixelsY(places.textTop));
    move(m_lines[1].box, m_twips.toPixelsX(places.timeLeft), m_twips.toPixelsY(places.timeTop));
    const RECT after = blockArea();
    // Painted now, the block's old and new places as one area, so that the frame goes out as one image.
    if (!EqualRect(&before, &after))
        redraw(unite(before, after), true);
}

void SaverWindow::setLabelsCentred(bool centred)
{
    if (m_centred == centred)
        return;
    m_centred = centred;
    redraw(blockArea(), false);
}

void SaverWindow::rerunSetup()
{
    m_run.controller().load();
}

std::pair<std::int32_t, std::int32_t> SaverWindow::pictureSize() const
{
    return {m_twips.toTwipsX(m_pictureBox.right - m_pictureBox.left),
            m_twips.toTwipsY(m_pictureBox.bottom - m_pictureBox.top)};
}

void SaverWindow::movePicture(std::int32_t left, std::int32_t top)
{
    const RECT before = m_pictureBox;
    OffsetRect(&m_pictureBox, m_twips.toPixelsX(left) - m_pictureBox.left, m_twips.toPixelsY(top) - m_pictureBox.top);
    if (m_shown)
        redraw(unite(before, m_pictureBox), false);
}

} // namespace varnholt
