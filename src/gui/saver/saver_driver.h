#pragma once

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
// otherwise. It loads the settings and the time left once for all of them, moves them all
// from one tick timer and ends the run on input to any of them.
class SaverDriver final : public QObject {
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
    void stop();
    bool running() const;
    // Ends the run: the timer stops and the windows go away.
    void unload();

    const std::vector<SaverWindow*>& windows() const { return m_windows; }
    std::int32_t mouseMoveCount = 0;
    // Ticks run and frames moved since the run started (for the benchmark).
    std::int64_t ticksRun() const { return m_ticksRun; }
    std::int64_t framesMoved() const { return m_framesMoved; }

    // From the windows.
    void onClick();
    void onMouseMoved();
    void rerunSetup();

signals:
    // The run is over: the process is to end at once.
    void endProcess();
    void windowAdded(SaverWindow* window);

private:
    bool coversScreens() const;
    SaverWindow& addWindow(const ScreenMetrics& layout, QScreen* covered);
    void onScreenAdded(QScreen* screen);
    void onScreenRemoved(QScreen* screen);
    void grabInput();
    bool setUpWindows(const std::vector<SaverWindow*>& windows);
    void onTick();
    void armForNextTick();
    std::chrono::nanoseconds monotonicNow() const;
    void endSaver();

    ProgramState& m_state;
    QTimer* m_timer;
    TickPacer m_pacer;
    QElapsedTimer m_monotonic;
    std::vector<SaverWindow*> m_windows;
    bool m_shown = false;
    bool m_unloaded = false;
    std::int64_t m_ticksRun = 0;
    std::int64_t m_framesMoved = 0;
};

} // namespace varnholt
