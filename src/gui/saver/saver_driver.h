// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/saver_controller.h"
#include "core/motion/tick_pacer.h"
#include "core/program/program_state.h"

#include <QElapsedTimer>
#include <QObject>

#include <chrono>
#include <memory>
#include <vector>

class QScreen;
class QTimer;

namespace varnholt {

class SaverWindow;

// Drives the saver windows of one run: one window per screen in the full-screen saver, one
// otherwise. It keeps them as screens come and go and moves them all from one tick timer;
// its SaverController loads them and ends the run on input to any of them.
class SaverDriver final : public QObject, private SaverRunView {
    Q_OBJECT

public:
    explicit SaverDriver(ProgramState& state);
    ~SaverDriver() override;

    // The full-screen saver of our own covers every screen and follows screens plugged in and
    // removed; the preview, a host's saver and the window behind the settings dialog are one
    // window laid out on the state's layout screen.
    void openWindows();
    // The settings and the time left, then every window's set-up, then the tick timer.
    void load();
    // Shows every window over its own screen, on top, taking the keyboard and the mouse.
    void showFullScreen();
    void stopTimer() override;
    bool running() const;
    // Whether the window system shows any of the window: while none of the windows is seen
    // the ticks stop, and they go on from where they stopped when one is seen again.
    void windowSeen(SaverWindow& window, bool seen);
    // Ends the run: the timer stops and the windows go away.
    void unload();

    const std::vector<SaverWindow*>& windows() const { return m_windows; }
    SaverController& controller() { return m_controller; }
    // Ticks run and frames moved since the run started (for the benchmark).
    std::int64_t ticksRun() const { return m_ticksRun; }
    std::int64_t framesMoved() const { return m_framesMoved; }

signals:
    // The run is over: the process is to end at once.
    void endProcess();
    void windowAdded(SaverWindow* window);

private:
    SaverWindow& addWindow(const ScreenMetrics& layout, QScreen* covered);
    void onScreenAdded(QScreen* screen);
    void onScreenRemoved(QScreen* screen);
    void grabInput();
    void onTick();
    void armForNextTick();
    bool noneSeen() const;
    std::chrono::nanoseconds monotonicNow() const;

    // SaverRunView
    std::vector<SaverWindowView*> windowViews() override;
    void startTimer() override;
    void hideWindows() override;
    void dropTopMost() override;
    void endRun() override;

    ProgramState& m_state;
    SaverController m_controller;
    QTimer* m_timer;
    TickPacer m_pacer;
    QElapsedTimer m_monotonic;
    std::vector<SaverWindow*> m_windows;
    std::vector<SaverWindow*> m_unseen;
    // The ticks wait for a window to be seen.
    bool m_waitingToBeSeen = false;
    bool m_shown = false;
    std::int64_t m_ticksRun = 0;
    std::int64_t m_framesMoved = 0;
};

} // namespace varnholt
