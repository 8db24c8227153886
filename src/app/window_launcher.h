// SPDX-License-Identifier: MIT
#pragma once

#include "core/program/start_up.h"

#include <QObject>

#include <memory>

namespace varnholt {

class FrameStats;
class HostWindowWatcher;
class SaverDriver;

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

signals:
    void endProcess();

private:
    void embedMain(std::uint32_t host);

    ProgramState& m_state;
    std::unique_ptr<SaverDriver> m_saver;
    // Declared after the driver it reads, so that it goes first.
    std::unique_ptr<FrameStats> m_frameStats;
    std::unique_ptr<HostWindowWatcher> m_hostWatcher;
};

} // namespace varnholt
