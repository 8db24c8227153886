#pragma once

#include "core/motion/movement_engine.h"
#include "core/motion/tick_pacer.h"
#include "core/program/program_state.h"
#include "gui/widgets/twips_geometry.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <chrono>

class QLabel;

namespace varnholt {

// The saver window: full screen, inside a preview host, or hidden behind the settings dialog.
class SaverWindow final : public QWidget, private SaverView {
    Q_OBJECT

public:
    explicit SaverWindow(ProgramState& state, QWidget* parent = nullptr);
    ~SaverWindow() override;

    void load();
    // Unloads the window: onUnload, then the window goes away.
    void unload();

    QLabel* lblText;
    QLabel* lblTime;
    QLabel* imgPhoto;
    QPixmap imgDefault;
    QTimer* tmrScroll;
    std::int32_t mouseMoveCount = 0;

    const MovementEngine& engine() const { return m_engine; }
    // Movement ticks run and repaints asked for since the window was loaded (for the benchmark).
    std::int64_t ticksRun() const { return m_ticksRun; }
    std::int64_t framesMoved() const { return m_framesMoved; }

signals:
    // The run is over: the process is to end at once.
    void endProcess();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void onTick();
    void armForNextTick();
    std::chrono::nanoseconds monotonicNow() const;
    // Only the full-screen saver of our own ends on input; a host ends its saver itself.
    bool inputEndsRun() const;
    void onClick();
    void onMouseMoved();
    void endSaver();
    void endPreview();
    void onUnload();

    void setUpPicture();
    QPixmap pictureForSaver();
    QPixmap builtinPicture(int index);
    void dressLabel(QLabel* label, const std::string& caption, int fontEntry);
    void layOutBlock();
    void showPicture(const QPixmap& picture, QSize shownPixels);
    void reportLoadError(int number, const std::string& description);
    QRegion blockArea() const;
    // The block and the picture, where the window differs from its background.
    QRegion drawnArea() const;
    void forgetSnapshots();

    // SaverView
    void setLabelsCentred(bool centred) override;
    void rerunSetup() override;
    std::pair<std::int32_t, std::int32_t> pictureSize() const override;
    void movePicture(std::int32_t left, std::int32_t top) override;

    ProgramState& m_state;
    MovementEngine m_engine;
    TickPacer m_pacer;
    QElapsedTimer m_monotonic;
    TwipsGeometry m_twips;
    // The labels as drawn, made at the first paint after they change (ratio 0) or the pixel density does.
    QPixmap m_textSnapshot;
    QPixmap m_timeSnapshot;
    qreal m_snapshotRatio = 0;
    std::int64_t m_ticksRun = 0;
    std::int64_t m_framesMoved = 0;
    bool m_unloaded = false;
};

} // namespace varnholt
