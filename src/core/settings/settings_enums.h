// SPDX-License-Identifier: MIT
#pragma once

// The stored numbers of the settings that choose among options. Fields keep
// std::int16_t, so a number outside these still loads and can be repaired.

#include <cstdint>

namespace varnholt {

// Synchronize, IncludeDays and ImageUsed.
enum StoredFlag : std::int16_t { FlagOff = 0, FlagOn = 1 };

// Position: the kind of path the block travels.
enum PathPosition : std::int16_t { PositionHorizontal = 0, PositionVertical = 1, PositionRandom = 2 };

// Direction, HorizDirection (the first two) and VertDirection (the last two).
enum TravelDirection : std::int16_t { DirForward = 0, DirBackward = 1, DirDownward = 2, DirUpward = 3 };

// Horizontal: the row of a horizontal path.
enum Row : std::int16_t { RowTop = 0, RowCentre = 1, RowBottom = 2 };

// Vertical: the column of a vertical path.
enum Column : std::int16_t { ColumnLeft = 0, ColumnCentre = 1, ColumnRight = 2 };

// Style: the two display lines side by side or one above the other.
enum TextStyle : std::int16_t { StyleOneLine = 0, StyleTwoLines = 1 };

// ImageStyle: one of the built-in pictures or a picture file.
enum PictureStyle : std::int16_t { BaseImage = 0, FileImage = 1 };

// What the dialog's slider, font chooser and colour swatches can show.
inline constexpr std::int16_t SpeedMinimum = 0;
inline constexpr std::int16_t SpeedMaximum = 100;
inline constexpr std::int16_t FontSizeMinimum = 1;
inline constexpr std::int16_t FontSizeMaximum = 999;
inline constexpr std::int32_t LargestColour = 0xFFFFFF;

constexpr bool isHorizontalDirection(std::int16_t direction)
{
    return direction == DirForward || direction == DirBackward;
}

constexpr bool isVerticalDirection(std::int16_t direction)
{
    return direction == DirDownward || direction == DirUpward;
}

} // namespace varnholt
