// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/settings_dialog_controller.h"
#include "core/program/program_state.h"
#include "win32/widgets/control_states.h"
#include "win32/widgets/form_window.h"

#include <optional>

namespace varnholt {

// The settings dialog: shows what its controller says and hands it the user's events.
class SettingsDialog final : public FormWindow, private Win32FormView<SettingsDialogView> {
public:
    explicit SettingsDialog(ProgramState& state, HWND owner = nullptr);
    ~SettingsDialog() override;

    const SettingsDialogController& controller() const { return m_controller; }

private:
    FormBuilder& controls() override { return form(); }

    // FormWindow
    void command(std::string_view name, int code) override;
    void notified(std::string_view name, const NMHDR& header) override;
    void scrolled(std::string_view name, int code) override;
    void drawItem(std::string_view name, const DRAWITEMSTRUCT& item) override;
    void escapePressed() override;
    void mouseMoved(POINT at) override;
    bool calendarFocused() const;

    // SettingsDialogView
    std::optional<FontChoice> chooseFont(const FontChoice& preset) override;
    std::optional<std::int32_t> chooseColour(std::int32_t preset) override;
    std::optional<PictureChoice> openImageBrowser(const PictureChoice& start) override;
    void openAbout() override;
    void openHelp(int topic) override;
    void openCalendar(Date selected) override;
    void showSliderValue(std::string_view control, int value) override;
    void showSwatch(std::string_view control, std::int32_t colour) override;
    void showEmphasis(std::string_view control, bool emphasised) override;
    void showToolTip(std::string_view control, const std::string& text) override;
    void showSample(const SampleLook& look, const SettingsRecord& record) override;
    void focus(std::string_view control) override;
    void closeDialog(bool accepted) override;

    void placeControls();

    ProgramState& m_state;
    TwipsGeometry m_geometry;
    // What the sample labels draw.
    struct Sample {
        SampleLook look;
        SettingsRecord record;
    };
    std::optional<Sample> m_sample;
    SettingsDialogController m_controller;
};

} // namespace varnholt
