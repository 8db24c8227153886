// SPDX-License-Identifier: MIT
#include "gui/widgets/desktop_platform.h"

#include "core/common/program_info.h"
#include "gui/widgets/twips_geometry.h"
#include "platform/x11_windows.h"

#include <QApplication>
#include <QDesktopServices>
#include <QImageReader>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace varnholt {

Q_LOGGING_CATEGORY(lcGui, "varnholt.gui")

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

bool DesktopPlatform::findWindow(const std::string& title) const
{
    return onX11() && findTopLevelWindow(title);
}

void DesktopPlatform::activateWindow(const std::string& title)
{
    if (onX11())
        activateWindowByTitle(title);
}

bool DesktopPlatform::anotherInstanceRunning()
{
    return m_instanceLock.anotherInstanceRunning();
}

bool DesktopPlatform::claimSettingsDialog()
{
    if (!m_settingsLock)
        m_settingsLock = std::make_unique<SoleLock>("varnholt-settings.lock");
    return m_settingsLock->taken();
}

bool DesktopPlatform::onX11()
{
    // Elsewhere (Wayland) our windows are not on an X server, even when one runs beside.
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

ScreenMetrics DesktopPlatform::screen() const
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? screenMetrics(*primary) : ScreenMetrics{};
}

std::optional<std::pair<std::int32_t, std::int32_t>> DesktopPlatform::windowClientSize(std::uint32_t window) const
{
    return varnholt::windowClientSize(window);
}

int DesktopPlatform::showCursor(bool show)
{
    const int before = m_cursorCount;
    m_cursorCount += show ? 1 : -1;
    if (before == 0 && m_cursorCount < 0)
        QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    else if (before < 0 && m_cursorCount == 0)
        QGuiApplication::restoreOverrideCursor();
    return m_cursorCount;
}

void DesktopPlatform::messageBox(const std::string& text, MessageIcon icon)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(boxIcon(icon), QString::fromUtf8(ProgramTitle), shown, QMessageBox::Ok);
    box.exec();
}

void DesktopPlatform::beep()
{
    QApplication::beep();
}

void DesktopPlatform::shellOpen(const std::string& target)
{
    const QString text = QString::fromStdString(target);
    const bool isAddress = text.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
    if (!QDesktopServices::openUrl(isAddress ? QUrl(text) : QUrl::fromLocalFile(text)))
        qCWarning(lcGui).noquote() << "no application opened" << text;
}

std::vector<std::string> loadablePictureTypes()
{
    std::vector<std::string> types{"wmf"};
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        types.push_back(format.toLower().toStdString());
    std::sort(types.begin(), types.end());
    types.erase(std::unique(types.begin(), types.end()), types.end());
    return types;
}

} // namespace varnholt
