// SPDX-License-Identifier: MIT
#include "win32/window_launcher.h"

#include "platform/win32/win32_platform.h"
#include "win32/setup/settings_dialog.h"

namespace varnholt {

namespace {

// The window that the saver's one window is a child of, when it is one.
HWND hostOf(const ProgramState& state)
{
    if (state.runMode() == ModePreview)
        return windowFromId(state.previewWindow());
    if (state.runMode() == ModeSaver && state.hostWindow() != 0)
        return windowFromId(state.hostWindow());
    return nullptr;
}

} // namespace

void WindowLauncher::loadMain()
{
    m_saver = std::make_unique<SaverRun>(m_state);
    m_saver->openWindows(hostOf(m_state));
    m_saver->load();
}

void WindowLauncher::showMainFullScreen()
{
    m_saver->showFullScreen();
}

void WindowLauncher::embedMainInPreview()
{
    for (const auto& window : m_saver->windows())
        ShowWindow(window->handle(), SW_SHOWNOACTIVATE);
}

void WindowLauncher::embedMainInHost()
{
    embedMainInPreview();
}

void WindowLauncher::stopMainTimer()
{
    m_saver->stop();
}

void WindowLauncher::showSettingsModal()
{
    SettingsDialog dialog(m_state);
    dialog.runModal();
}

void WindowLauncher::unloadMain()
{
    if (m_saver)
        m_saver->unload();
}

int runMessages()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}

} // namespace varnholt
