// SPDX-License-Identifier: MIT
#include "gui/saver/saver_driver.h"

#include "gui/saver/saver_window.h"
#include "gui/saver/window_layers.h"
#include "gui/widgets/desktop_platform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace varnholt {

SaverDriver::SaverDriver(ProgramState& state)
    : m_state(state),
      m_controller(state, *this),
      m_timer(new QTimer(this)),
      m_origin(GlideThread::Clock::now()),
      m_glide(m_ticks, m_origin,
              [this] { QMetaObject::invokeMethod(this, &SaverDriver::onGlideRanOut, Qt::QueuedConnection); })
{
    m_timer->setObjectName(QStringLiteral("tmrScroll"));
    m_timer->setTimerType(Qt::PreciseTimer);
    // Armed for each tick's due time: a short repeating interval would wake the process hundreds of times a second.
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SaverDriver::onTick);
}

SaverDriver::~SaverDriver()
{
    landGlide();
    for (SaverWindow* window : m_windows)
        delete window;
}

void SaverDriver::openWindows()
{
    if (!m_controller.coversScreens()) {
        addWindow(m_state.layoutScreen(), nullptr);
        return;
    }
    for (QScreen* screen : QGuiApplication::screens())
        addWindow(screenMetrics(*screen), screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &SaverDriver::onScreenAdded);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &SaverDriver::onScreenRemoved);
}

SaverWindow& SaverDriver::addWindow(const ScreenMetrics& layout, QScreen* covered)
{
    auto* window = new SaverWindow(m_state, *this, layout, covered);
    m_windows.push_back(window);
    m_ticks.addWindow(window, monotonicNow());
    emit windowAdded(window);
    return *window;
}

void SaverDriver::load()
{
    m_controller.load();
}

std::vector<SaverWindowView*> SaverDriver::windowViews()
{
    std::vector<SaverWindowView*> views;
    for (SaverWindow* window : m_windows)
        views.push_back(&window->view());
    return views;
}

void SaverDriver::startTimer()
{
    landGlide();
    m_ticks.start(monotonicNow());
    armForNextTick();
}

void SaverDriver::hideWindows()
{
    landGlide();
    for (SaverWindow* window : m_windows)
        window->hide();
}

void SaverDriver::dropTopMost()
{
    landGlide();
    for (SaverWindow* window : m_windows) {
        if (QWindow* handle = window->windowHandle())
            handle->setFlags(handle->flags() & ~Qt::WindowStaysOnTopHint);
    }
}

void SaverDriver::endRun()
{
    emit endProcess();
}

void SaverDriver::showFullScreen()
{
    m_shown = true;
    for (SaverWindow* window : m_windows)
        window->showCovering();
    grabInput();
}

void SaverDriver::grabInput()
{
    if (!m_shown || m_windows.empty())
        return;
    SaverWindow* first = m_windows.front();
    first->activateWindow();
    // One window takes the keyboard and the mouse: a key or a click anywhere ends the run. A
    // Wayland compositor gives the full-screen windows the input itself and refuses grabs.
    if (DesktopPlatform::onX11()) {
        first->grabKeyboard();
        first->grabMouse();
    }
}

void SaverDriver::onScreenAdded(QScreen* screen)
{
    landGlide();
    SaverWindow& window = addWindow(screenMetrics(*screen), screen);
    if (m_controller.setUpWindows({&window.view()}) && m_shown) {
        window.showCovering();
        if (m_windows.size() == 1)
            grabInput();
    }
    if (m_ticks.on())
        armForNextTick();
}

void SaverDriver::onScreenRemoved(QScreen* screen)
{
    const auto found = std::find_if(m_windows.begin(), m_windows.end(),
                                    [screen](SaverWindow* window) { return window->coveredScreen() == screen; });
    if (found == m_windows.end())
        return;
    landGlide();
    SaverWindow* window = *found;
    m_windows.erase(found);
    m_ticks.removeWindow(window, monotonicNow());
    if (m_ticks.on())
        armForNextTick();
    window->hide();
    // Later: the screen may go away in the middle of a tick that moves this window.
    window->deleteLater();
    grabInput();
}

std::chrono::nanoseconds SaverDriver::monotonicNow() const
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(GlideThread::Clock::now() - m_origin);
}

void SaverDriver::armForNextTick()
{
    if (!m_ticking && startGlide()) {
        m_timer->stop();
        return;
    }
    const std::optional<std::chrono::nanoseconds> wait = m_ticks.untilNextTick(monotonicNow());
    if (!wait) {
        m_timer->stop();
        return;
    }
    // Rounded up: a wake-up before the due time would find no tick to run.
    m_timer->start(int(std::chrono::ceil<std::chrono::milliseconds>(*wait).count()));
}

void SaverDriver::onTick()
{
    const std::int64_t due = m_ticks.ticksDue(monotonicNow());
    if (due > 0) {
        m_ticksRun += due;
        ++m_framesMoved;
        m_ticking = true;
        // By index: a window's path change may set up all windows again, and a screen may come or go meanwhile.
        for (std::size_t i = 0; i < m_windows.size(); ++i)
            m_windows[i]->advance(due);
        m_ticking = false;
    }
    armForNextTick();
}

GlideThread::Stretch SaverDriver::stretchAhead() const
{
    constexpr std::int64_t Unlimited = std::numeric_limits<std::int64_t>::max();
    GlideThread::Stretch stretch{Unlimited, m_framesHereFrom > 0 ? m_framesHereFrom - 1 - framesMoved() : Unlimited,
                                 Unlimited};
    for (const SaverWindow* window : m_windows)
        stretch.steps = std::min(stretch.steps, window->stretchAhead().steps);
    return stretch;
}

bool SaverDriver::startGlide()
{
    if (m_windows.empty() || !m_ticks.untilNextTick(monotonicNow()))
        return false;
    GlideThread::Stretch stretch = stretchAhead();
    if (stretch.steps <= 0 || stretch.frames <= 0)
        return false;
    std::vector<WindowGlide> glides;
    for (SaverWindow* window : m_windows) {
        const std::optional<WindowGlide> glide = window->startGlide();
        if (!glide) {
            for (std::size_t i = 0; i < glides.size(); ++i)
                m_windows[i]->endGlide(0);
            return false;
        }
        stretch.framesAhead = std::min<std::int64_t>(stretch.framesAhead, glide->layers->framesAhead());
        glides.push_back(*glide);
    }
    m_glide.start(
        stretch,
        [glides = std::move(glides)](std::int64_t first, std::int64_t last, GlideThread::Clock::time_point firstDue) {
            for (const WindowGlide& glide : glides)
                glide.moveTo(first, last, firstDue);
        });
    return true;
}

void SaverDriver::landGlide()
{
    if (!m_glide.gliding())
        return;
    const std::int64_t taken = m_glide.stop();
    for (SaverWindow* window : m_windows)
        window->endGlide(taken);
}

void SaverDriver::onGlideRanOut()
{
    // A glide stopped meanwhile has been landed already.
    if (!m_glide.ranOut())
        return;
    landGlide();
    onTick();
}

void SaverDriver::stopTimer()
{
    landGlide();
    m_ticks.stop();
    m_timer->stop();
}

bool SaverDriver::running() const
{
    return m_ticks.on();
}

void SaverDriver::windowSeen(SaverWindow& window, bool seen)
{
    landGlide();
    m_ticks.windowSeen(&window, seen, monotonicNow());
    if (m_ticks.on())
        armForNextTick();
}

void SaverDriver::unload()
{
    m_controller.unload();
}

} // namespace varnholt
