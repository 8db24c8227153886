// SPDX-License-Identifier: MIT
#include "win32/saver_run.h"

#include "platform/win32/win32_platform.h"

namespace varnholt {

namespace {

constexpr UINT_PTR TickTimer = 1;
constexpr wchar_t TimerClass[] = L"VarnholtTimer";
// Posted to the timer window: the monitors changed.
constexpr UINT ReopenMessage = WM_APP + 1;

struct Monitor {
    RECT area;
    int dpi;
};

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<Monitor>*>(list)->push_back({info.rcMonitor, monitorDpi(monitor)});
    return TRUE;
}

} // namespace

SaverRun::SaverRun(ProgramState& state) : m_state(state), m_controller(state, *this)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = timerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = TimerClass;
    RegisterClassExW(&windowClass);
    m_timerWindow = CreateWindowExW(0, TimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                                    nullptr);
    SetWindowLongPtrW(m_timerWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

SaverRun::~SaverRun()
{
    stop();
    m_windows.clear();
    DestroyWindow(m_timerWindow);
}

void SaverRun::openWindows(HWND parent)
{
    ScreenMetrics layout = m_state.layoutScreen();
    if (m_state.runMode() != ModeSaver || parent) {
        if (parent) {
            const double twips = twipsPerPixel(monitorDpi(MonitorFromWindow(parent, MONITOR_DEFAULTTONEAREST)));
            layout.twipsPerPixelX = layout.twipsPerPixelY = twips;
        }
        RECT area{0, 0, m_state.screenRect().right, m_state.screenRect().bottom};
        m_windows.push_back(std::make_unique<SaverWindow>(m_state, *this, layout, area, parent));
        return;
    }
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
    for (const Monitor& monitor : monitors) {
        const ScreenMetrics covered{monitor.area.right - monitor.area.left, monitor.area.bottom - monitor.area.top,
                                    twipsPerPixel(monitor.dpi), twipsPerPixel(monitor.dpi)};
        m_windows.push_back(std::make_unique<SaverWindow>(m_state, *this, covered, monitor.area, nullptr));
    }
}

void SaverRun::load()
{
    m_controller.load();
}

void SaverRun::showFullScreen()
{
    for (const auto& window : m_windows)
        window->showCovering();
    if (!m_windows.empty()) {
        SetForegroundWindow(m_windows.front()->handle());
        SetFocus(m_windows.front()->handle());
    }
}

std::vector<SaverWindowView*> SaverRun::windowViews()
{
    std::vector<SaverWindowView*> views;
    for (const auto& window : m_windows)
        views.push_back(&window->view());
    return views;
}

std::chrono::nanoseconds SaverRun::monotonicNow() const
{
    return std::chrono::steady_clock::now() - m_started;
}

void SaverRun::startTimer()
{
    if (!m_timerRunning)
        m_pacer.start(monotonicNow());
    m_timerRunning = true;
    armForNextTick();
}

void SaverRun::armForNextTick()
{
    // Rounded up: a wake-up before the due time would find no tick to run.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(m_pacer.untilNextTick(monotonicNow()));
    SetTimer(m_timerWindow, TickTimer, UINT(std::max<std::int64_t>(wait.count(), USER_TIMER_MINIMUM)), nullptr);
}

void SaverRun::onTick()
{
    if (!m_timerRunning)
        return;
    const std::int64_t due = m_pacer.ticksDue(monotonicNow());
    armForNextTick();
    if (due == 0)
        return;
    // By index: a window's path change may set up all windows again.
    for (std::size_t i = 0; i < m_windows.size(); ++i)
        m_windows[i]->advance(due);
}

LRESULT CALLBACK SaverRun::timerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* run = reinterpret_cast<SaverRun*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_TIMER && wParam == TickTimer && run) {
        run->onTick();
        return 0;
    }
    if (message == ReopenMessage && run) {
        run->reopenWindows();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void SaverRun::monitorsChanged()
{
    // Every window is told; the windows are made again once, after the message.
    if (!m_controller.coversScreens() || m_reopenPosted)
        return;
    m_reopenPosted = PostMessageW(m_timerWindow, ReopenMessage, 0, 0) != FALSE;
}

void SaverRun::reopenWindows()
{
    m_reopenPosted = false;
    if (!m_timerRunning)
        return;
    m_windows.clear();
    openWindows(nullptr);
    if (m_controller.setUpWindows(windowViews()))
        showFullScreen();
}

void SaverRun::stopTimer()
{
    stop();
}

void SaverRun::stop()
{
    m_timerRunning = false;
    if (m_timerWindow)
        KillTimer(m_timerWindow, TickTimer);
}

void SaverRun::hideWindows()
{
    for (const auto& window : m_windows)
        window->hide();
}

void SaverRun::dropTopMost()
{
    for (const auto& window : m_windows)
        window->dropTopMost();
}

void SaverRun::endRun()
{
    PostQuitMessage(0);
}

void SaverRun::unload()
{
    m_controller.unload();
}

void SaverRun::hostClosed()
{
    m_controller.unload();
    PostQuitMessage(0);
}

} // namespace varnholt
