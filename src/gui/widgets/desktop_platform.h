// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"
#include "platform/data_folder.h"
#include "platform/instance_lock.h"

#include <QLoggingCategory>

#include <memory>
#include <string>
#include <vector>

namespace varnholt {

// The windows' own fallbacks, as "varnholt.gui" warnings (see platform/qt_log.h).
Q_DECLARE_LOGGING_CATEGORY(lcGui)

// What Qt's image readers here read, and the metafiles drawn apart: "bmp", "jpg", "png", "wmf", ...
std::vector<std::string> loadablePictureTypes();

class DesktopPlatform final : public Platform {
public:
    bool findWindow(const std::string& title) const override;
    void activateWindow(const std::string& title) override;
    bool anotherInstanceRunning() override;
    bool claimSettingsDialog() override;
    ScreenMetrics screen() const override;
    std::optional<std::pair<std::int32_t, std::int32_t>> windowClientSize(std::uint32_t window) const override;

    int showCursor(bool show) override;
    // Linux has no system-wide flag to set.
    void setScreenSaverRunning(bool) override {}

    void messageBox(const std::string& text, MessageIcon icon) override;
    void beep() override;

    void shellOpen(const std::string& target) override;
    std::vector<std::string> pictureFileTypes() const override { return loadablePictureTypes(); }
    PathStyle pathStyle() const override { return nativePathStyle(); }

    // Whether our windows live on an X server, where the X11 window list and grabs apply.
    static bool onX11();

private:
    InstanceLock m_instanceLock;
    std::unique_ptr<SoleLock> m_settingsLock;
    int m_cursorCount = 0;
};

} // namespace varnholt
