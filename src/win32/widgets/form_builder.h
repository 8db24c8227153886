// SPDX-License-Identifier: MIT
#pragma once

#include "core/forms/control_row.h"
#include "core/forms/twips.h"

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace varnholt {

// Stored colours and COLORREF both keep red in the low byte.
inline COLORREF colourOf(std::int32_t stored)
{
    return COLORREF(std::uint32_t(stored) & 0xFFFFFFu);
}

// One control made from a row: every control is a child of the form itself, so that its messages reach the
// form; the frames it lies in are kept by name for what they pass on (hiding, disabling).
struct FormControl {
    const ControlRow* row = nullptr;
    HWND window = nullptr;
    PixelRect box;          // in the form's client area
    bool ownVisible = true; // as the control itself was told, whatever its frames are
    bool ownEnabled = true;
};

// Makes a window's controls from its layout table, one CreateWindowExW a row, and finds them by name.
class FormBuilder final {
public:
    using CustomMaker = std::function<HWND(const ControlRow& row, HWND form, const PixelRect& box)>;

    // labelsTop: labels align their text to the top, else to the middle, unless their row says.
    FormBuilder(HWND form, const TwipsGeometry& twips, bool labelsTop = false);
    ~FormBuilder();
    FormBuilder(const FormBuilder&) = delete;
    FormBuilder& operator=(const FormBuilder&) = delete;

    // In table order; a later row lies above an earlier one, as a frame's controls lie above it.
    void build(std::span<const ControlRow> rows, const CustomMaker& makeCustom = {});

    HWND window(std::string_view name) const;
    const FormControl& control(std::string_view name) const;
    FormControl& control(std::string_view name);
    // The row's name of a control window; empty for a window of no row.
    std::string_view nameOf(HWND window) const;
    // The controls in table order.
    const std::vector<std::string>& names() const { return m_order; }
    bool inside(std::string_view name, std::string_view frame) const;

    // Shows, hides, enables and disables the control and whatever lies in it, as a frame does its controls.
    void setVisible(std::string_view name, bool visible);
    void setEnabled(std::string_view name, bool enabled);

    // The colours a control's look asks for; false when it has none of its own.
    bool colours(HWND window, COLORREF& text, HBRUSH& back) const;
    void setBackColour(std::string_view name, COLORREF colour);
    void setBold(std::string_view name, bool bold);
    void setTextColour(std::string_view name, std::optional<COLORREF> colour);
    HFONT font(bool bold) const { return bold ? m_bold : m_plain; }

private:
    struct Paint {
        std::optional<COLORREF> text;
        std::optional<COLORREF> back;
        HBRUSH brush = nullptr;
    };
    HWND make(const ControlRow& row, const PixelRect& box, const CustomMaker& makeCustom) const;
    void applyLook(const ControlRow& row);
    void refresh(std::string_view name);

    HWND m_form;
    TwipsGeometry m_twips;
    bool m_labelsTop;
    HFONT m_plain = nullptr;
    HFONT m_bold = nullptr;
    std::map<std::string, FormControl, std::less<>> m_controls;
    std::map<HWND, std::string> m_names;
    std::map<HWND, Paint> m_paint;
    std::vector<std::string> m_order;
};

} // namespace varnholt
