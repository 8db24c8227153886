// SPDX-License-Identifier: MIT
#pragma once

#include "core/forms/twips.h"

#include <span>
#include <string>
#include <string_view>

namespace varnholt {

enum class ControlKind {
    Form, // the window itself: its box is the client area
    Label,
    Picture, // a label that stretches its picture over its box
    TextBox,
    Button,
    CheckBox,
    Option,
    Frame, // a group box, captioned
    Box,   // a frame drawn as a box
    Panel, // a frame with nothing drawn
    Line,  // horizontal, one pixel high
    ScrollBar,
    Calendar,
    TabStrip, // tabs as wide as their captions
    Tab,      // a tab of the strip it lies in: its caption and tool tip, no box
    Custom,   // a class of the window's own, made by the window
};

// How a control differs from its kind's plain look and state; the alignments are those of labels.
enum class Look : unsigned {
    Plain = 0,
    Bold = 1,
    Emphasis = 2, // bold and dark blue
    Top = 4,
    Right = 8,
    Centre = 16,
    Blue = 32,         // dark-blue text
    Note = 64,         // dark-red caption on the tool tips' colour
    Boxed = 128,       // a box line on white
    ReadOnly = 256,    // shows text that cannot be typed over
    Hidden = 512,      // until the window shows it
    ClickFocus = 1024, // no Tab stop; a click still focuses it
    Link = 2048,       // the pointing hand over it
};

constexpr Look operator|(Look a, Look b)
{
    return Look(unsigned(a) | unsigned(b));
}

constexpr bool has(Look look, Look flag)
{
    return (unsigned(look) & unsigned(flag)) != 0;
}

// One row of a window's layout table. The texts are UTF-8 and used exactly, blanks and all.
struct ControlRow {
    constexpr ControlRow(std::string_view name, ControlKind kind, std::string_view caption, std::string_view toolTip,
                         TwipsRect rect, std::string_view parent = {}, Look look = Look::Plain)
        : name(name), kind(kind), caption(caption), toolTip(toolTip), rect(rect), parent(parent), look(look)
    {
    }

    std::string_view name; // the object name, and the window's member
    ControlKind kind;
    std::string_view caption;
    std::string_view toolTip;
    TwipsRect rect;
    std::string_view parent; // the frame it lies in; none for the window
    Look look;
};

// What is wrong with a table, one mistake a line; empty when nothing is. A table begins with its
// window's row, names each control once, and places a control only in a frame, box or panel made
// before it, and a tab in a tab strip made before it. A tab order names controls of the table.
std::string tableMistakes(std::span<const ControlRow> rows, std::span<const std::string_view> tabOrder = {});

} // namespace varnholt
