#pragma once

#include "startup/start_up.h"

#include <QObject>

#include <memory>

namespace varnholt {

class frmMain;
class HostWindowWatcher;

// The Qt windows behind start-up's steps.
class QtStartupWindows final : public QObject, public StartupWindows {
    Q_OBJECT

public:
    explicit QtStartupWindows(General& general);
    ~QtStartupWindows() override;

    void loadMain() override;
    void showMainFullScreen() override;
    void embedMainInPreview() override;
    void embedMainInHost() override;
    void stopMainTimer() override;
    void showSettingsModal() override;
    void unloadMain() override;

    frmMain* main() const { return m_main.get(); }

signals:
    void endProcess();

private:
    void embedMain(std::uint32_t host);

    General& m_general;
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<HostWindowWatcher> m_hostWatcher;
};

} // namespace varnholt
