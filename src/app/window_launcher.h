#pragma once

#include "core/program/start_up.h"

#include <QObject>

#include <memory>

namespace varnholt {

class SaverWindow;
class HostWindowWatcher;

// The Qt windows behind start-up's steps.
class WindowLauncher final : public QObject, public StartupWindows {
    Q_OBJECT

public:
    explicit WindowLauncher(ProgramState& state);
    ~WindowLauncher() override;

    void loadMain() override;
    void showMainFullScreen() override;
    void embedMainInPreview() override;
    void embedMainInHost() override;
    void stopMainTimer() override;
    void showSettingsModal() override;
    void unloadMain() override;

    SaverWindow* main() const { return m_main.get(); }

signals:
    void endProcess();

private:
    void embedMain(std::uint32_t host);

    ProgramState& m_state;
    std::unique_ptr<SaverWindow> m_main;
    std::unique_ptr<HostWindowWatcher> m_hostWatcher;
};

} // namespace varnholt
