#include "app/window_launcher.h"

#include "gui/saver/frame_stats.h"
#include "gui/saver/saver_window.h"
#include "gui/setup/settings_dialog.h"
#include "gui/widgets/desktop_platform.h"
#include "platform/x11_windows.h"

#include <QWindow>

namespace varnholt {

WindowLauncher::WindowLauncher(ProgramState& state) : m_state(state) {}

WindowLauncher::~WindowLauncher() = default;

void WindowLauncher::loadMain()
{
    m_main = std::make_unique<SaverWindow>(m_state);
    connect(m_main.get(), &SaverWindow::endProcess, this, &WindowLauncher::endProcess);
    FrameStats::installFromEnvironment(*m_main);
    m_main->load();
}

void WindowLauncher::showMainFullScreen()
{
    const Rect& rect = m_state.screenRect;
    m_main->setWindowFlag(Qt::WindowStaysOnTopHint);
    // Without a window manager, full-screen state alone leaves the window at its old size.
    m_main->setGeometry(0, 0, rect.right, rect.bottom);
    m_main->showFullScreen();
    m_main->raise();
    m_main->activateWindow();
    // A Wayland compositor gives the full-screen window the input itself and refuses grabs.
    if (DesktopPlatform::onX11()) {
        m_main->grabKeyboard();
        m_main->grabMouse();
    }
}

void WindowLauncher::embedMainInPreview()
{
    m_main->setWindowTitle(QStringLiteral("Preview"));
    embedMain(m_state.previewWindow);
}

void WindowLauncher::embedMainInHost()
{
    embedMain(m_state.hostWindow);
}

void WindowLauncher::embedMain(std::uint32_t host)
{
    m_main->setAttribute(Qt::WA_ShowWithoutActivating);
    m_main->winId();
    m_main->windowHandle()->setParent(QWindow::fromWinId(host));
    m_main->setGeometry(0, 0, m_state.screenRect.right, m_state.screenRect.bottom);
    m_main->show();
    m_hostWatcher = std::make_unique<HostWindowWatcher>(host);
    // A preview's unload ends the process itself; a hosted saver's does not.
    connect(m_hostWatcher.get(), &HostWindowWatcher::hostDestroyed, this, [this] {
        unloadMain();
        emit endProcess();
    });
}

void WindowLauncher::stopMainTimer()
{
    m_main->tmrScroll->stop();
}

void WindowLauncher::showSettingsModal()
{
    SettingsDialog dialog(m_state);
    dialog.exec();
}

void WindowLauncher::unloadMain()
{
    if (m_main)
        m_main->unload();
}

} // namespace varnholt
