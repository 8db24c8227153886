#include "startup/qt_startup_windows.h"

#include "platform/x11_windows.h"
#include "saver/frame_stats.h"
#include "saver/frm_main.h"
#include "setup/frm_setup.h"

#include <QWindow>

namespace varnholt {

QtStartupWindows::QtStartupWindows(General& general) : m_general(general) {}

QtStartupWindows::~QtStartupWindows() = default;

void QtStartupWindows::loadMain()
{
    m_main = std::make_unique<frmMain>(m_general);
    connect(m_main.get(), &frmMain::endProcess, this, &QtStartupWindows::endProcess);
    FrameStats::installFromEnvironment(*m_main);
    m_main->Form_Load();
}

void QtStartupWindows::showMainFullScreen()
{
    const Rect& rect = m_general.ScreenRect;
    m_main->setWindowFlag(Qt::WindowStaysOnTopHint);
    // Without a window manager, full-screen state alone leaves the window at its old size.
    m_main->setGeometry(0, 0, rect.right, rect.bottom);
    m_main->showFullScreen();
    m_main->raise();
    m_main->activateWindow();
    m_main->grabKeyboard();
    m_main->grabMouse();
}

void QtStartupWindows::embedMainInPreview()
{
    m_main->setWindowTitle(QStringLiteral("Preview"));
    embedMain(m_general.PreviewWindow);
}

void QtStartupWindows::embedMainInHost()
{
    embedMain(m_general.HostWindow);
}

void QtStartupWindows::embedMain(std::uint32_t host)
{
    m_main->setAttribute(Qt::WA_ShowWithoutActivating);
    m_main->winId();
    m_main->windowHandle()->setParent(QWindow::fromWinId(host));
    m_main->setGeometry(0, 0, m_general.ScreenRect.right, m_general.ScreenRect.bottom);
    m_main->show();
    m_hostWatcher = std::make_unique<HostWindowWatcher>(host);
    // A preview's unload ends the process itself; a hosted saver's does not.
    connect(m_hostWatcher.get(), &HostWindowWatcher::hostDestroyed, this, [this] {
        unloadMain();
        emit endProcess();
    });
}

void QtStartupWindows::stopMainTimer()
{
    m_main->tmrScroll->stop();
}

void QtStartupWindows::showSettingsModal()
{
    frmSetup dialog(m_general);
    dialog.exec();
}

void QtStartupWindows::unloadMain()
{
    if (m_main)
        m_main->unload();
}

} // namespace varnholt
