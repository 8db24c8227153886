// SPDX-License-Identifier: MIT
#include "gui/saver/saver_driver.h"

#include "gui/saver/saver_window.h"
#include "gui/widgets/desktop_platform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace varnholt {

SaverDriver::SaverDriver(ProgramState& state) : m_state(state), m_controller(state, *this), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("tmrScroll"));
    m_timer->setTimerType(Qt::PreciseTimer);
    // Armed for each tick's due time: a short repeating interval would wake the process hundreds of times a second.
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SaverDriver::onTick);
    m_monotonic.start();
}

SaverDriver::~SaverDriver()
{
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
    if (noneSeen()) {
        m_waitingToBeSeen = true;
        return;
    }
    if (!m_timer->isActive())
        m_pacer.start(monotonicNow());
    armForNextTick();
}

void SaverDriver::hideWindows()
{
    for (SaverWindow* window : m_windows)
        window->hide();
}

void SaverDriver::dropTopMost()
{
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
    SaverWindow& window = addWindow(screenMetrics(*screen), screen);
    if (!m_controller.setUpWindows({&window.view()}) || !m_shown)
        return;
    window.showCovering();
    if (m_windows.size() == 1)
        grabInput();
}

void SaverDriver::onScreenRemoved(QScreen* screen)
{
    const auto found = std::find_if(m_windows.begin(), m_windows.end(),
                                    [screen](SaverWindow* window) { return window->coveredScreen() == screen; });
    if (found == m_windows.end())
        return;
    SaverWindow* window = *found;
    m_windows.erase(found);
    std::erase(m_unseen, window);
    window->hide();
    // Later: the screen may go away in the middle of a tick that moves this window.
    window->deleteLater();
    grabInput();
}

std::chrono::nanoseconds SaverDriver::monotonicNow() const
{
    return std::chrono::nanoseconds(m_monotonic.nsecsElapsed());
}

void SaverDriver::armForNextTick()
{
    // Rounded up: a wake-up before the due time would find no tick to run.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(m_pacer.untilNextTick(monotonicNow()));
    m_timer->start(int(wait.count()));
}

void SaverDriver::onTick()
{
    const std::int64_t due = m_pacer.ticksDue(monotonicNow());
    armForNextTick();
    if (due == 0)
        return;
    m_ticksRun += due;
    ++m_framesMoved;
    // By index: a window's path change may set up all windows again, and a screen may come or go meanwhile.
    for (std::size_t i = 0; i < m_windows.size(); ++i)
        m_windows[i]->advance(due);
}

void SaverDriver::stopTimer()
{
    m_waitingToBeSeen = false;
    m_timer->stop();
}

bool SaverDriver::running() const
{
    return m_timer->isActive() || m_waitingToBeSeen;
}

bool SaverDriver::noneSeen() const
{
    return !m_windows.empty() && m_unseen.size() == m_windows.size();
}

void SaverDriver::windowSeen(SaverWindow& window, bool seen)
{
    std::erase(m_unseen, &window);
    if (!seen)
        m_unseen.push_back(&window);
    if (noneSeen() && m_timer->isActive()) {
        m_timer->stop();
        m_waitingToBeSeen = true;
    } else if (!noneSeen() && m_waitingToBeSeen) {
        m_waitingToBeSeen = false;
        // From now: the time unseen is not caught up.
        m_pacer.start(monotonicNow());
        armForNextTick();
    }
}

void SaverDriver::unload()
{
    m_controller.unload();
}

} // namespace varnholt
