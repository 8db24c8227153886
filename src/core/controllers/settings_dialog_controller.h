// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/settings_dialog_view.h"
#include "core/program/program_state.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace varnholt {

// The settings dialog's rules: a working copy of the loaded settings, what changed, what each control
// shows and when OK writes. Events come in by the control's name in the dialog's table.
class SettingsDialogController final {
public:
    SettingsDialogController(SettingsDialogView& view, Services services, const SettingsRecord& loaded, Date today,
                             const TimeLeftOutputs& timeLeft, std::int16_t sampleLineHeight);

    // Shows the loaded settings; events that showing them causes change nothing.
    void load();

    void textEdited(std::string_view control, const std::string& text);
    // An option of a group ("optStyle") became the chosen one.
    void optionChosen(std::string_view group, int index);
    void checkClicked(std::string_view control, bool checked);
    void clicked(std::string_view button);
    void speedChanged(int speed);
    void calendarDatePicked(Date date);
    // Where the pointer went when it left the calendar.
    enum class Side { Left, Right, Above, Below };
    // calendarFocused: the calendar holds the focus, which then goes back to its button.
    void calendarMouseLeft(Side side, bool calendarFocused);
    // Esc closes the calendar before the dialog.
    void escapePressed(bool calendarFocused);

    const EditedSettings& workingCopy() const { return m_edited; }
    bool changed() const { return m_changed; }

private:
    // What an edit of the working copy refreshes besides the change state.
    enum class Refresh { Nothing, Sample, TimeLeft, Placement, SharedTexts };
    void edit(const std::function<void(EditedSettings&)>& change, Refresh refresh);
    static std::string indexed(std::string_view group, int index);
    static std::int16_t flag(bool on);
    static constexpr int DirectionCount = 4;
    static constexpr int ImageStyleCount = 2;

    void loadControls();
    void showSharedTexts();
    void showTextAndEdit(std::string_view control, const std::string& text);
    void showOption(std::string_view group, int count, std::int16_t index);
    void checkChanges();
    void dateEdited(const std::string& text);
    void showDateError(bool show);
    void synchronizeClicked(bool checked);
    void formatClicked(int entry);
    void backgroundClicked();
    void imageClicked();
    void calendarClicked();
    void fixDateClicked();
    void hideCalendar(bool calendarFocused);
    void okClicked();
    void recalculateTimeLeft();
    void updateSample();
    void updatePlacement();
    void showPlacementLook(bool vertical);
    void refreshImagePane();
    void showImageEmphasis(std::int16_t style);

    SettingsDialogView& m_view;
    Services m_services;
    const SettingsRecord& m_loaded;
    Date m_today;
    TimeLeftOutputs m_timeLeft;
    std::int16_t m_sampleLineHeight;
    EditedSettings m_edited;
    std::string m_dateText; // what the date box holds, which may be no date
    bool m_loading = false;
    bool m_changed = false;
    bool m_written = false;
};

} // namespace varnholt
