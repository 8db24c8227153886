// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/saver_controller.h"
#include "core/motion/movement_engine.h"
#include "core/program/program_state.h"
#include "gui/widgets/twips_geometry.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <memory>
#include <optional>

class QLabel;

namespace varnholt {

class SaverDriver;
class WindowLayers;

// A window's part of a glide: where the stretch's steps draw its lines, moved as its layers.
struct WindowGlide {
    Glide glide;
    TwipsGeometry twips;
    WindowLayers* layers;

    // The frames of steps first..last, the first due at firstDue and each next one a tick
    // later. Safe on any thread while the window is left alone.
    void moveTo(std::int64_t first, std::int64_t last, std::chrono::steady_clock::time_point firstDue) const;
};

// One saver window: over one screen, inside a preview host, or hidden behind the settings
// dialog. It draws what the SaverController decides and hands it the input; its SaverDriver
// runs the tick timer.
class SaverWindow final : public QWidget, private SaverWindowView {
    Q_OBJECT

public:
    // Laid out on layout (its size and twips per pixel); covered is the screen the window
    // is to cover when shown full screen, none for a window inside another.
    SaverWindow(const ProgramState& state, SaverDriver& driver, const ScreenMetrics& layout, QScreen* covered = nullptr,
                QWidget* parent = nullptr);
    ~SaverWindow() override;

    // Runs that many ticks of the movement and draws the block where it ends up.
    void advance(std::int64_t ticks);
    // The straight stretch ahead, none where the window has no layers to glide.
    Glide stretchAhead() const;
    // Readies the layers for a glide along that stretch, drawn off the GUI thread; none where
    // they cannot be moved from another thread.
    std::optional<WindowGlide> startGlide();
    // Takes the steps a glide drew: the movement and the lines are where it left them.
    void endGlide(std::int64_t steps);
    // Full screen over its screen, on top.
    void showCovering();
    QScreen* coveredScreen() const { return m_covered; }

    SaverWindowView& view() { return *this; }
    const MovementEngine& engine() const { return m_engine; }
    const TextBlockState& block() const { return m_block; }
    const ScreenTwips& screenTwips() const { return m_screenTwips; }

signals:
    // A frame went out without the window painting: the window system shows or moved its layers.
    void layersMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QPaintEngine* paintEngine() const override;

private:
    struct Controls {
        QLabel* lblText;
        QLabel* lblTime;
        QLabel* imgPhoto;
    };

    QLabel* label(SaverLine line) const;
    LabelPlaces runSteps(std::int64_t steps);
    void placeLines(const LabelPlaces& places);
    PixelSize takePicture(const QPixmap& picture);
    QRegion blockArea() const;
    void forgetSnapshots();
    // Repaints an area of the picture or the background, unless the layers draw them.
    void updateBackdrop(const QRegion& area);
    // Repaints an area of the lines, unless they are layers.
    void updateLines(const QRegion& area);
    void makeSnapshots();
    // Brings the layers up to date with the labels, the picture and the background.
    void updateLayers();

    // SaverView
    void setLabelsCentred(bool centred) override;
    void rerunSetup() override;
    std::pair<std::int32_t, std::int32_t> pictureSize() const override;
    void movePicture(std::int32_t left, std::int32_t top) override;

    // SaverWindowView
    void showNoPicture() override;
    PixelSize loadDefaultPicture() override;
    PixelSize loadBuiltinPicture(int index) override;
    std::variant<PixelSize, PictureFault> loadPictureFile(const std::string& path) override;
    void showPicture(PixelSize shown) override;
    void showLine(SaverLine line, const std::string& caption, int fontEntry, std::optional<int> pointSize) override;
    LabelSize lineExtent(SaverLine line) const override;
    double lineHeight(SaverLine line) const override;
    void sizeLines(const TextLabels& sized) override;
    void showBackground(std::int32_t colour) override;
    TextBlockState& textBlock() override { return m_block; }
    void startFirstPath() override;

    Controls m_ui;
    const ProgramState& m_state;
    SaverDriver& m_driver;
    QPointer<QScreen> m_covered;
    TwipsGeometry m_twips;
    ScreenTwips m_screenTwips;
    TextBlockState m_block;
    MovementEngine m_engine;
    // The picture taken in last, shown by showPicture.
    QPixmap m_takenPicture;
    // The labels as drawn, made at the first paint after they change (ratio 0) or the pixel density does.
    QPixmap m_textSnapshot;
    QPixmap m_timeSnapshot;
    qreal m_snapshotRatio = 0;
    // Null where the window paints everything itself.
    std::unique_ptr<WindowLayers> m_layers;
    // The picture as drawn, for layers that draw the backdrop; made again when null.
    QImage m_pictureImage;
    bool m_backdropChanged = true;
};

} // namespace varnholt
