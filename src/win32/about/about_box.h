// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/about_controller.h"
#include "win32/widgets/control_states.h"
#include "win32/widgets/form_window.h"

#include <string>

namespace varnholt {

// The modal About window of the settings dialog: it shows what its AboutController says.
class AboutBox final : public FormWindow, private Win32FormView<AboutView> {
public:
    // Opens readMePath when the read-me is asked for.
    AboutBox(Platform& platform, const Clock& clock, std::string readMePath, HWND owner = nullptr);
    ~AboutBox() override;

private:
    FormBuilder& controls() override { return form(); }
    void command(std::string_view name, int code) override;
    void showCaption(const std::string& caption) override;
    void closeAccepted() override;

    HFONT m_titleFont = nullptr;
    HICON m_logo = nullptr;
    AboutController m_controller;
};

} // namespace varnholt
