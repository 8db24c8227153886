#pragma once

#include "core/motion/movement_engine.h"
#include "core/program/program_state.h"
#include "gui/widgets/twips_geometry.h"

#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QWidget>

class QLabel;

namespace varnholt {

class SaverDriver;

// One saver window: over one screen, inside a preview host, or hidden behind the settings
// dialog. Its SaverDriver loads the settings, runs the tick timer and counts the input.
class SaverWindow final : public QWidget, private SaverView {
    Q_OBJECT

public:
    // Laid out on layout (its size and twips per pixel); covered is the screen the window
    // is to cover when shown full screen, none for a window inside another.
    SaverWindow(ProgramState& state, SaverDriver& driver, const ScreenMetrics& layout, QScreen* covered = nullptr,
                QWidget* parent = nullptr);
    ~SaverWindow() override;

    // This window's part of the set-up, over the settings and time left the driver loaded:
    // picture, labels, colours and the first path. Throws RuntimeError.
    void setUp();
    // Runs that many ticks of the movement and draws the block where it ends up.
    void advance(std::int64_t ticks);
    // Full screen over its screen, on top.
    void showCovering();
    QScreen* coveredScreen() const { return m_covered; }

    QLabel* lblText;
    QLabel* lblTime;
    QLabel* imgPhoto;
    QPixmap imgDefault;

    const MovementEngine& engine() const { return m_engine; }
    const TextBlockState& block() const { return m_block; }
    const ScreenTwips& screenTwips() const { return m_screenTwips; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setUpPicture();
    QPixmap pictureForSaver();
    QPixmap builtinPicture(int index);
    void dressLabel(QLabel* label, const std::string& caption, int fontEntry);
    void layOutBlock();
    void showPicture(const QPixmap& picture, QSize shownPixels);
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
    SaverDriver& m_driver;
    QPointer<QScreen> m_covered;
    TwipsGeometry m_twips;
    ScreenTwips m_screenTwips;
    TextBlockState m_block;
    MovementEngine m_engine;
    // The labels as drawn, made at the first paint after they change (ratio 0) or the pixel density does.
    QPixmap m_textSnapshot;
    QPixmap m_timeSnapshot;
    qreal m_snapshotRatio = 0;
};

} // namespace varnholt
