// SPDX-License-Identifier: MIT
#include "core/motion/movement_engine.h"

#include "core/common/numbers.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <optional>
#include <random>

namespace varnholt {

namespace {

std::int32_t roundTwips(double value)
{
    return static_cast<std::int32_t>(roundHalfEven(value));
}

// floor(count * r) with r uniform in [0, 1), r built from the generator's top 53 bits.
std::int16_t drawBelow(std::mt19937_64& generator, int count)
{
    const double r = static_cast<double>(generator() >> 11) * 0x1p-53;
    return static_cast<std::int16_t>(std::floor(count * r));
}

struct Place {
    double left;
    double top;
};

// Screen W x H, picture w x h, block height b.
struct Extents {
    double W, H, w, h, b;
};

// The two places of the picture for each path, chosen to keep it clear of the block.
std::optional<Place> picturePlace(std::int16_t path, std::int16_t lane, bool first, const Extents& e)
{
    const double centred = e.W / 2 - e.w / 2;
    if (path == PathHorizontal) {
        switch (lane) {
        case RowTop:
            return first ? Place{centred, e.b} : Place{centred, e.H - e.h};
        case RowCentre:
            return first ? Place{centred, e.H / 2 + e.b / 2} : Place{centred, e.H / 2 - e.h - e.b / 2};
        case RowBottom:
            return first ? Place{centred, 0} : Place{centred, e.H - e.h - e.b};
        }
    } else if (path == PathVertical) {
        switch (lane) {
        case ColumnLeft:
            return first ? Place{e.W - e.w, 0} : Place{e.W - e.w, e.H - e.h};
        case ColumnCentre:
            return first ? Place{0, e.H / 2 - e.h / 2} : Place{e.W - e.w, e.H / 2 - e.h / 2};
        case ColumnRight:
            return first ? Place{0, 0} : Place{0, e.H - e.h};
        }
    }
    return std::nullopt;
}

class ScopedFlag final {
public:
    explicit ScopedFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~ScopedFlag() { m_flag = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& m_flag;
};

} // namespace

LabelPlaces Glide::placesAt(std::int64_t taken) const
{
    const auto x = static_cast<std::int32_t>((taken - 1) * stepX);
    const auto y = static_cast<std::int32_t>((taken - 1) * stepY);
    return {start.textLeft + x, start.textTop + y, start.timeLeft + x, start.timeTop + y};
}

LabelPlaces MovementEngine::placesNow() const
{
    const TextBlockState& block = m_in.block;
    return {block.TextLeft, block.TextTop, block.TextLeft + block.TimeOffsetX, block.TextTop + block.TimeOffsetY};
}

Glide MovementEngine::glide() const
{
    Glide glide{placesNow()};
    const std::int32_t speed = m_in.settings.Speed;
    if (m_in.runMode != ModeSaver || speed < 0)
        return glide;
    if (speed == 0) {
        glide.steps = std::numeric_limits<std::int64_t>::max();
        return glide;
    }
    // The room the block has before a step takes it off the screen (see moveFullScreen).
    const TextBlockState& block = m_in.block;
    std::int64_t room = -1;
    switch (m_path.currentDirection) {
    case DirForward:
        glide.stepX = -speed;
        room = std::int64_t{block.TextLeft} + block.BlockWidth;
        break;
    case DirBackward:
        glide.stepX = speed;
        room = std::int64_t{m_in.screenWidth} - block.TextLeft;
        break;
    case DirDownward:
        glide.stepY = speed;
        room = std::int64_t{m_in.screenHeight} + block.BlockHeight - block.TextTop;
        break;
    case DirUpward:
        glide.stepY = -speed;
        room = std::int64_t{block.TextTop} + block.BlockHeight;
        break;
    }
    glide.steps = room < 0 ? 0 : room / speed;
    return glide;
}

LabelPlaces MovementEngine::step()
{
    const LabelPlaces places = placesNow();
    if (m_in.runMode == ModeSaver)
        moveFullScreen();
    else
        moveInPreview();
    return places;
}

void MovementEngine::moveFullScreen()
{
    TextBlockState& block = m_in.block;
    const std::int32_t speed = m_in.settings.Speed;
    bool leftScreen = false;
    switch (m_path.currentDirection) {
    case DirForward:
        block.TextLeft -= speed;
        leftScreen = block.TextLeft < -block.BlockWidth;
        break;
    case DirBackward:
        block.TextLeft += speed;
        leftScreen = block.TextLeft > m_in.screenWidth;
        break;
    case DirDownward:
        block.TextTop += speed;
        leftScreen = block.TextTop > m_in.screenHeight + block.BlockHeight;
        break;
    case DirUpward:
        block.TextTop -= speed;
        leftScreen = block.TextTop < -block.BlockHeight;
        break;
    }
    if (leftScreen)
        nextPath();
}

void MovementEngine::moveInPreview()
{
    TextBlockState& block = m_in.block;
    // The whole new position is rounded, not the half step: an odd Speed then
    // alternates its steps until the position is even.
    const double halfStep = m_in.settings.Speed / 2.0;
    switch (m_in.settings.Direction) {
    case DirForward:
        block.TextLeft = roundTwips(block.TextLeft - halfStep);
        if (block.TextLeft < -block.BlockWidth)
            block.TextLeft = block.PreviewSpan;
        break;
    case DirBackward:
        block.TextLeft = roundTwips(block.TextLeft + halfStep);
        if (block.TextLeft > block.PreviewSpan)
            block.TextLeft = -block.BlockWidth;
        break;
    case DirDownward:
        block.TextLeft = 0;
        block.TimeOffsetX = 0;
        block.TextTop = roundTwips(block.TextTop + halfStep);
        if (block.TextTop > block.PreviewSpan - block.BlockHeight)
            block.TextTop = -block.BlockHeight;
        break;
    case DirUpward:
        block.TextLeft = 0;
        block.TimeOffsetX = 0;
        block.TextTop = roundTwips(block.TextTop - halfStep);
        if (block.TextTop < -block.BlockHeight)
            block.TextTop = block.PreviewSpan - block.BlockHeight;
        break;
    }
}

void MovementEngine::nextPath()
{
    if (!m_settingUpAgain && m_in.clock.today() != m_in.today) {
        // The set-up reloads today and calls nextPath, which must then go straight on.
        const ScopedFlag settingUp(m_settingUpAgain);
        m_view.rerunSetup();
    }
    startPath();
    if (m_in.settings.ImageUsed == FlagOff)
        return;
    placePicture();
}

void MovementEngine::placePicture()
{
    ++m_path.pictureToggle;
    const bool first = m_path.pictureToggle == 1;
    if (first)
        m_path.pictureToggle = -1;

    TextBlockState& block = m_in.block;
    const auto [width, height] = m_view.pictureSize();
    const Extents extents{static_cast<double>(m_in.screenWidth), static_cast<double>(m_in.screenHeight),
                          static_cast<double>(width), static_cast<double>(height),
                          static_cast<double>(block.BlockHeight)};
    if (const std::optional<Place> place = picturePlace(m_path.currentPath, m_path.currentLane, first, extents)) {
        block.PictureLeft = roundTwips(place->left);
        block.PictureTop = roundTwips(place->top);
    }
    m_view.movePicture(block.PictureLeft, block.PictureTop);
}

void MovementEngine::startPath()
{
    m_view.setLabelsCentred(false);
    const SettingsRecord& settings = m_in.settings;
    switch (settings.Position) {
    case PositionHorizontal:
        startHorizontalPath(settings.Horizontal, settings.Direction);
        break;
    case PositionVertical:
        startVerticalPath(settings.Vertical, settings.Direction);
        break;
    case PositionRandom:
        startRandomPath();
        break;
    }
}

void MovementEngine::startHorizontalPath(std::int16_t row, std::int16_t direction)
{
    TextBlockState& block = m_in.block;
    switch (row) {
    case RowTop:
        block.TextTop = 0;
        break;
    case RowCentre:
        block.TextTop = roundTwips(m_in.screenHeight / 2.0 - block.BlockHeight / 2.0);
        break;
    case RowBottom:
        block.TextTop = m_in.screenHeight - block.BlockHeight;
        break;
    }
    switch (direction) {
    case DirForward:
        block.TextLeft = m_in.screenWidth;
        break;
    case DirBackward:
        block.TextLeft = -block.BlockWidth;
        break;
    }
    m_path.currentPath = PathHorizontal;
    m_path.currentLane = row;
    m_path.currentDirection = direction;
}

void MovementEngine::startVerticalPath(std::int16_t column, std::int16_t direction)
{
    TextBlockState& block = m_in.block;
    switch (column) {
    case ColumnLeft:
        block.TextLeft = 0;
        break;
    case ColumnCentre:
        m_view.setLabelsCentred(true);
        block.TextLeft = roundTwips((m_in.screenWidth - block.BlockWidth) / 2.0);
        break;
    case ColumnRight:
        block.TextLeft = m_in.screenWidth - block.BlockWidth;
        break;
    }
    switch (direction) {
    case DirDownward:
        block.TextTop = -block.BlockHeight;
        break;
    case DirUpward:
        block.TextTop = m_in.screenHeight;
        break;
    }
    m_path.currentPath = PathVertical;
    m_path.currentLane = column;
    m_path.currentDirection = direction;
}

void MovementEngine::startRandomPath()
{
    const Instant now = m_in.clock.now();
    std::seed_seq seed{std::uint64_t(now.seconds), std::uint64_t(now.nanoseconds)};
    std::mt19937_64 generator(seed);
    const std::int16_t kind = drawBelow(generator, 2);
    const std::int16_t lane = drawBelow(generator, 3);
    const std::int16_t turn = drawBelow(generator, 2);
    if (kind == PathHorizontal)
        startHorizontalPath(lane, turn);
    else
        startVerticalPath(lane, static_cast<std::int16_t>(turn + DirDownward));
}

} // namespace varnholt
