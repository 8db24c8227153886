// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/saver_controller.h"
#include "core/motion/tick_pacer.h"
#include "core/program/program_state.h"
#include "win32/saver_window.h"

#include <chrono>
#include <memory>
#include <vector>
#include <windows.h>

namespace varnholt {

// The saver windows of one run: one per monitor in the full-screen saver, one otherwise, all moved
// from one tick timer; its SaverController loads them and ends the run on input to any of them.
class SaverRun final : private SaverRunView {
public:
    explicit SaverRun(ProgramState& state);
    ~SaverRun() override;
    SaverRun(const SaverRun&) = delete;
    SaverRun& operator=(const SaverRun&) = delete;

    // The full-screen saver of our own covers every monitor; the preview and the window behind
    // the settings dialog are one window laid out on the state's layout screen, inside parent.
    void openWindows(HWND parent);
    void load();
    void showFullScreen();
    void stop();
    bool running() const { return m_timerRunning; }
    void unload();
    // The window a preview draws into went away.
    void hostClosed();
    // A monitor came, went or changed its size: the full-screen saver covers them as they are now.
    void monitorsChanged();

    SaverController& controller() { return m_controller; }
    const std::vector<std::unique_ptr<SaverWindow>>& windows() const { return m_windows; }

private:
    static LRESULT CALLBACK timerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onTick();
    void armForNextTick();
    void reopenWindows();
    std::chrono::nanoseconds monotonicNow() const;

    // SaverRunView
    std::vector<SaverWindowView*> windowViews() override;
    void startTimer() override;
    void stopTimer() override;
    void hideWindows() override;
    void dropTopMost() override;
    void endRun() override;

    ProgramState& m_state;
    SaverController m_controller;
    TickPacer m_pacer;
    std::chrono::steady_clock::time_point m_started = std::chrono::steady_clock::now();
    // A message-only window that receives the timer.
    HWND m_timerWindow = nullptr;
    bool m_timerRunning = false;
    bool m_reopenPosted = false;
    std::vector<std::unique_ptr<SaverWindow>> m_windows;
};

} // namespace varnholt
