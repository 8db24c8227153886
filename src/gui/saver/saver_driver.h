// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/saver_controller.h"
#include "core/motion/visible_ticks.h"
#include "core/program/program_state.h"
#include "gui/saver/glide_thread.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <vector>

class QScreen;
class QTimer;

namespace varnholt {

class SaverWindow;

// Drives the saver windows of one run: one window per screen in the full-screen saver, one
// otherwise. It keeps them as screens come and go and moves them all from one tick timer, or,
// along a straight stretch of the path where every window's layers allow it, from a glide
// thread while the GUI thread sleeps; its SaverController loads them and ends the run on input
// to any of them.
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
    std::int64_t ticksRun() const { return m_ticksRun + m_glide.ticksRun(); }
    std::int64_t framesMoved() const { return m_framesMoved + m_glide.framesMoved(); }
    // From that frame on the GUI thread moves every frame itself, so that a watcher of the
    // windows sees it (for the benchmark); 0 for never.
    void moveFramesHereFrom(std::int64_t frame) { m_framesHereFrom = frame; }

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
    // The stretch every window can glide along from here.
    GlideThread::Stretch stretchAhead() const;
    // Hands the ticks to the glide thread while every window has a stretch ahead.
    bool startGlide();
    // Takes the ticks back: the windows take the steps the glide drew.
    void landGlide();
    void onGlideRanOut();
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
    VisibleTicks m_ticks;
    const GlideThread::Clock::time_point m_origin;
    std::vector<SaverWindow*> m_windows;
    bool m_shown = false;
    // Set while a tick runs the movement, which may set up the windows again.
    bool m_ticking = false;
    std::int64_t m_ticksRun = 0;
    std::int64_t m_framesMoved = 0;
    std::int64_t m_framesHereFrom = 0;
    // Last: it goes first, before anything it moves.
    GlideThread m_glide;
};

} // namespace varnholt
