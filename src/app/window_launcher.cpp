// SPDX-License-Identifier: MIT
#include "app/window_launcher.h"

#include "app/frame_stats.h"
#include "gui/saver/saver_driver.h"
#include "gui/saver/saver_window.h"
#include "gui/setup/settings_dialog.h"
#include "platform/x11_windows.h"

#include <QWindow>

namespace varnholt {

WindowLauncher::WindowLauncher(ProgramState& state) : m_state(state) {}

WindowLauncher::~WindowLauncher() = default;

void WindowLauncher::loadMain()
{
    m_frameStats.reset();
    m_saver = std::make_unique<SaverDriver>(m_state);
    connect(m_saver.get(), &SaverDriver::endProcess, this, &WindowLauncher::endProcess);
    m_frameStats = FrameStats::fromEnvironment(*m_saver);
    m_saver->openWindows();
    m_saver->load();
}

void WindowLauncher::showMainFullScreen()
{
    m_saver->showFullScreen();
}

void WindowLauncher::embedMainInPreview()
{
    m_saver->windows().front()->setWindowTitle(QStringLiteral("Preview"));
    embedMain(m_state.previewWindow());
}

void WindowLauncher::embedMainInHost()
{
    embedMain(m_state.hostWindow());
}

void WindowLauncher::embedMain(std::uint32_t host)
{
    SaverWindow* window = m_saver->windows().front();
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->winId();
    window->windowHandle()->setParent(QWindow::fromWinId(host));
    window->setGeometry(0, 0, m_state.screenRect().right, m_state.screenRect().bottom);
    window->show();
    m_hostWatcher = std::make_unique<HostWindowWatcher>(host);
    // A preview's unload ends the process itself; a hosted saver's does not.
    connect(m_hostWatcher.get(), &HostWindowWatcher::hostDestroyed, this, [this] {
        unloadMain();
        emit endProcess();
    });
}

void WindowLauncher::stopMainTimer()
{
    m_saver->stopTimer();
}

void WindowLauncher::showSettingsModal()
{
    SettingsDialog dialog(m_state);
    dialog.exec();
}

void WindowLauncher::unloadMain()
{
    if (m_saver)
        m_saver->unload();
}

} // namespace varnholt
