// SPDX-License-Identifier: MIT
#pragma once

#include "core/program/start_up.h"
#include "win32/saver_run.h"

#include <memory>

namespace varnholt {

// The Win32 windows behind start-up's steps.
class WindowLauncher final : public StartupWindows {
public:
    explicit WindowLauncher(ProgramState& state) : m_state(state) {}

    void loadMain() override;
    void showMainFullScreen() override;
    void embedMainInPreview() override;
    void embedMainInHost() override;
    void stopMainTimer() override;
    void showSettingsModal() override;
    void unloadMain() override;

    SaverRun* saver() { return m_saver.get(); }

private:
    ProgramState& m_state;
    std::unique_ptr<SaverRun> m_saver;
};

// Runs the messages of the thread's windows until the run ends; the status the process ends with.
int runMessages();

} // namespace varnholt
