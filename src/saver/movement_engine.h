#pragma once

#include "startup/general.h"

#include <cstdint>
#include <utility>

namespace varnholt {

// What the movement needs from the saver window.
class SaverView {
public:
    virtual ~SaverView() = default;
    // Both lines left-justified (false) or centred within the block (true).
    virtual void setLabelsCentred(bool centred) = 0;
    // The window's whole set-up again (Form_Load); in saver mode it calls NextPath.
    virtual void rerunSetup() = 0;
    // The current width and height of imgPhoto, in twips.
    virtual std::pair<std::int32_t, std::int32_t> pictureSize() const = 0;
    virtual void movePicture(std::int32_t left, std::int32_t top) = 0;
};

enum TravelDirection : std::int16_t { DirForward = 0, DirBackward = 1, DirDownward = 2, DirUpward = 3 };
enum PathKind : std::int16_t { PathHorizontal = 0, PathVertical = 1 };
enum PathPosition : std::int16_t { PositionHorizontal = 0, PositionVertical = 1, PositionRandom = 2 };

struct PathState {
    std::int16_t CurrentDirection = 0;
    std::int16_t CurrentPath = 0;
    std::int16_t CurrentLane = 0;
    std::int16_t PictureToggle = 0;
};

// Where a tick draws the two labels, in twips.
struct LabelPlaces {
    std::int32_t textLeft = 0;
    std::int32_t textTop = 0;
    std::int32_t timeLeft = 0;
    std::int32_t timeTop = 0;
};

// The text block's travel: paths and picture places in the full-screen saver,
// wrapping around the preview otherwise. Reads and moves general.block.
class MovementEngine final {
public:
    MovementEngine(General& general, SaverView& view) : m_general(general), m_view(view) {}

    // One step; returns where the labels are to be drawn: the position before
    // this step moved the block.
    LabelPlaces tmrScroll_Timer();

    void NextPath();
    void StartPath();
    void StartHorizontalPath(std::int16_t row, std::int16_t direction);
    void StartVerticalPath(std::int16_t column, std::int16_t direction);
    void StartRandomPath();

    const PathState& path() const { return m_path; }

private:
    void moveFullScreen();
    void moveInPreview();
    void placePicture();

    General& m_general;
    SaverView& m_view;
    PathState m_path;
    // Set while the set-up runs again from NextPath: its own NextPath must not re-check the date.
    bool m_settingUpAgain = false;
};

} // namespace varnholt
