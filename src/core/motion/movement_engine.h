// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/run_mode.h"
#include "core/common/services.h"
#include "core/motion/text_block.h"
#include "core/settings/settings_record.h"

#include <cstdint>
#include <utility>

namespace varnholt {

// What the movement needs from the saver window.
class SaverView {
public:
    virtual ~SaverView() = default;
    // Both lines left-justified (false) or centred within the block (true).
    virtual void setLabelsCentred(bool centred) = 0;
    // The window's whole set-up again (load); in saver mode it calls nextPath.
    virtual void rerunSetup() = 0;
    // The current width and height of the picture, in twips.
    virtual std::pair<std::int32_t, std::int32_t> pictureSize() const = 0;
    virtual void movePicture(std::int32_t left, std::int32_t top) = 0;
};

// The path being travelled; random paths draw one of these.
enum PathKind : std::int16_t { PathHorizontal = 0, PathVertical = 1 };

struct PathState {
    std::int16_t currentDirection = DirForward;
    std::int16_t currentPath = PathHorizontal;
    std::int16_t currentLane = RowTop; // or the column of a vertical path
    std::int16_t pictureToggle = 0;
};

// Where a tick draws the two labels, in twips.
struct LabelPlaces {
    std::int32_t textLeft = 0;
    std::int32_t textTop = 0;
    std::int32_t timeLeft = 0;
    std::int32_t timeTop = 0;
};

// A straight stretch of a full-screen path: the steps the engine can take from where the block
// is that only move it, with no path change and so nothing asked of the view. Another thread
// may draw them while the engine is left alone, and the engine take them afterwards.
struct Glide {
    LabelPlaces start;      // what the next step returns
    std::int32_t stepX = 0; // twips per step
    std::int32_t stepY = 0;
    std::int64_t steps = 0;

    // What the engine's step number `taken` of the stretch (from 1) returns.
    LabelPlaces placesAt(std::int64_t taken) const;
};

// What the movement reads: the settings, the screen size in twips, the date of
// the last set-up and the run mode; and what it moves: the text block.
struct MotionInputs {
    const SettingsRecord& settings;
    TextBlockState& block;
    const std::int32_t& screenWidth;
    const std::int32_t& screenHeight;
    const Date& today;
    const Clock& clock;
    const std::int32_t& runMode;
};

// The text block's travel: paths and picture places in the full-screen saver,
// wrapping around the preview otherwise. Reads and moves the inputs' block.
class MovementEngine final {
public:
    MovementEngine(MotionInputs inputs, SaverView& view) : m_in(inputs), m_view(view) {}

    // One step; returns where the labels are to be drawn: the position before
    // this step moved the block.
    LabelPlaces step();

    // The stretch ahead; none outside the full-screen saver.
    Glide glide() const;

    void nextPath();
    void startPath();
    void startHorizontalPath(std::int16_t row, std::int16_t direction);
    void startVerticalPath(std::int16_t column, std::int16_t direction);
    void startRandomPath();

    const PathState& path() const { return m_path; }

private:
    LabelPlaces placesNow() const;
    void moveFullScreen();
    void moveInPreview();
    void placePicture();

    MotionInputs m_in;
    SaverView& m_view;
    PathState m_path;
    // Set while the set-up runs again from nextPath: its own nextPath must not re-check the date.
    bool m_settingUpAgain = false;
};

} // namespace varnholt
