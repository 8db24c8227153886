// SPDX-License-Identifier: MIT
#pragma once

#include "win32/widgets/form_builder.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace varnholt {

// A modal top-level window whose client area and controls come from a layout table. It hands its controls'
// events to the window by the row's name; Tab follows the window's tab order.
class FormWindow {
public:
    virtual ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND handle() const { return m_window; }
    FormBuilder& form() { return *m_form; }
    const FormBuilder& form() const { return *m_form; }
    // Shows the window over its owner and runs its messages until it closes; true when it closed accepted.
    bool runModal();
    bool isOpen() const { return m_open; }
    // The tool tips of the table's rows.
    HWND toolTips() const { return m_toolTips; }

protected:
    // Creates the window and its controls; tabOrder empty: the table's order. makeCustom makes the
    // table's Custom rows.
    FormWindow(HWND owner, const TwipsGeometry& twips, std::span<const ControlRow> rows, bool labelsTop,
               std::span<const std::string_view> tabOrder = {}, const FormBuilder::CustomMaker& makeCustom = {});
    // The events reach the window from here on: call it once the window is whole.
    void listen() { m_listening = true; }
    void close(bool accepted);
    void setToolTip(std::string_view name, const std::string& text);

    // A button, check box, option, text box or label of a row: the notification code of WM_COMMAND.
    virtual void command(std::string_view name, int code) = 0;
    virtual void notified(std::string_view, const NMHDR&) {}
    virtual void scrolled(std::string_view, int) {}
    virtual void drawItem(std::string_view, const DRAWITEMSTRUCT&) {}
    // The close box, and Esc unless escapePressed is overridden.
    virtual void cancelled() { close(false); }
    virtual void escapePressed() { cancelled(); }
    // Over the window itself or a control that lets the pointer through; in client pixels.
    virtual void mouseMoved(POINT) {}

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Keys the window moves the focus with; true when it took the message.
    bool moveFocus(const MSG& message);
    bool canFocus(std::string_view name) const;

    HWND m_owner;
    HWND m_window = nullptr;
    HWND m_toolTips = nullptr;
    std::unique_ptr<FormBuilder> m_form;
    std::vector<std::string> m_tabOrder;
    bool m_listening = false;
    bool m_open = true;
    bool m_accepted = false;
};

} // namespace varnholt
