// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/form_view.h"
#include "core/program/dialog_state.h"
#include "core/settings/settings_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnholt {

// The settings dialog as its controller sees it: the form's controls, its choosers and the sample.
class SettingsDialogView : public FormView {
public:
    virtual std::optional<FontChoice> chooseFont(const FontChoice& preset) = 0;
    virtual std::optional<std::int32_t> chooseColour(std::int32_t preset) = 0;
    // Modal; the picture chosen with OK, nothing when the browser is cancelled.
    virtual std::optional<PictureChoice> openImageBrowser(const PictureChoice& start) = 0;
    virtual void openAbout() = 0;
    virtual void openHelp(int topic) = 0;
    // Shows the calendar on that day and gives it the focus.
    virtual void openCalendar(Date selected) = 0;

    virtual void showSliderValue(std::string_view control, int value) = 0;
    virtual void showSwatch(std::string_view control, std::int32_t colour) = 0;
    virtual void showEmphasis(std::string_view control, bool emphasised) = 0;
    virtual void showToolTip(std::string_view control, const std::string& text) = 0;
    // The two sample labels in the working copy's fonts and colours.
    virtual void showSample(const SampleLook& look, const SettingsRecord& record) = 0;
    virtual void focus(std::string_view control) = 0;
    virtual void closeDialog(bool accepted) = 0;
};

} // namespace varnholt
