// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"
#include "win32/widgets/form_builder.h"

#include <string>
#include <string_view>

namespace varnholt {

// The option group of a control name, and the option's index in it: "optStyle1" is option 1 of "optStyle".
std::string_view optionGroup(std::string_view name);
int optionIndex(std::string_view name);

// The FormView calls on a form's controls, found by their rows' names. Checking an option clears the other
// options of its group, as the user's click does.
void showControlText(FormBuilder& form, std::string_view control, const std::string& text);
void showControlChecked(FormBuilder& form, std::string_view control, bool checked);

// A window's view interface `View` (a FormView) over the window's own controls, message boxes and beep.
// What it shows raises no event of the user's.
template <typename View>
class Win32FormView : public View {
public:
    explicit Win32FormView(Platform& platform) : m_platform(platform) {}

    void showText(std::string_view control, const std::string& text) override
    {
        shown([&] { showControlText(controls(), control, text); });
    }
    void showChecked(std::string_view control, bool checked) override
    {
        shown([&] { showControlChecked(controls(), control, checked); });
    }
    void showEnabled(std::string_view control, bool enabled) override { controls().setEnabled(control, enabled); }
    void showVisible(std::string_view control, bool visible) override { controls().setVisible(control, visible); }
    void showMessage(const std::string& text, MessageIcon icon) override { m_platform.messageBox(text, icon); }
    void beep() override { m_platform.beep(); }

protected:
    virtual FormBuilder& controls() = 0;
    // While the view shows what its controller says: the notifications this raises are not the user's.
    bool showing() const { return m_showing; }
    template <typename Change>
    void shown(Change change)
    {
        const bool was = m_showing;
        m_showing = true;
        change();
        m_showing = was;
    }

private:
    Platform& m_platform;
    bool m_showing = false;
};

} // namespace varnholt
