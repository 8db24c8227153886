// SPDX-License-Identifier: MIT
#pragma once

#include "core/forms/control_row.h"
#include "core/forms/twips.h"

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <windows.h>

namespace varnholt {

// The window class of frames, boxes and panels: it holds controls and hands their notifications
// and colour requests to the window it lies in, so that the form's window procedure sees them all.
inline constexpr wchar_t FrameClass[] = L"VarnholtFrame";

// The system class a row of this kind is made of; Custom rows are the window's own.
const wchar_t* windowClassOf(ControlKind kind);

// A form's controls, made from its layout table: one child window per row, each in the frame its
// row names, at its box converted to pixels. Tabs become items of their strip. Controls are numbered
// from FirstControlId in the table's order.
class FormWindow final {
public:
    static constexpr int FirstControlId = 1000;
    // Makes a Custom row's window, as a child of parent with this id, at this box.
    using MakeCustom = std::function<HWND(const ControlRow& row, HWND parent, int id, const PixelRect& box)>;

    FormWindow(HWND window, const TwipsGeometry& twips);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Sizes the window's client area to the table's first row and makes the others.
    void build(std::span<const ControlRow> rows, const MakeCustom& makeCustom);

    // The control of a row; nullptr for a tab or a name the table does not hold.
    HWND control(std::string_view name) const;
    const ControlRow* row(std::string_view name) const;
    const ControlRow* rowOf(HWND control) const;
    // The row of a tab strip's tab by its index.
    const ControlRow* tab(std::string_view strip, int index) const;

    // Sets a control's colours of its look on the device context and gives its background brush;
    // nullptr when the system draws it as usual.
    HBRUSH colours(HWND control, HDC dc) const;
    // Bold or plain, keeping the rest of the control's look.
    void setBold(HWND control, bool bold);
    HFONT font(bool bold) const { return bold ? m_boldFont : m_font; }

private:
    HWND make(const ControlRow& row, int id, const MakeCustom& makeCustom);
    void addToolTip(HWND control, std::string_view text);

    HWND m_window;
    TwipsGeometry m_twips;
    HFONT m_font = nullptr;
    HFONT m_boldFont = nullptr;
    HWND m_toolTips = nullptr;
    std::span<const ControlRow> m_rows;
    std::map<std::string, HWND, std::less<>> m_controls;
    std::map<HWND, const ControlRow*> m_rowOf;
};

} // namespace varnholt
