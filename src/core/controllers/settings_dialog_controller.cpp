// SPDX-License-Identifier: MIT
#include "core/controllers/settings_dialog_controller.h"

#include "core/settings/settings_io.h"

#include <array>

namespace varnholt {

namespace {

// The controls that copy one value to one field; the others have a handler of their own.
struct TextBinding {
    std::string_view control;
    std::string SettingsRecord::*field;
};
constexpr std::array<TextBinding, 3> textBindings{{{"txtTitle", &SettingsRecord::Title},
                                                   {"txtTarget", &SettingsRecord::Target},
                                                   {"txtTargetPassed", &SettingsRecord::TargetPassed}}};

struct OptionBinding {
    std::string_view group;
    int count;
    std::int16_t SettingsRecord::*field;
    bool placement; // whether the movement pane follows it
};
constexpr std::array<OptionBinding, 4> optionBindings{{{"optStyle", 2, &SettingsRecord::Style, false},
                                                       {"optPosition", 3, &SettingsRecord::Position, true},
                                                       {"optHoriz", 3, &SettingsRecord::Horizontal, true},
                                                       {"optVert", 3, &SettingsRecord::Vertical, true}}};

constexpr int HelpTopic = 110;

} // namespace

std::string SettingsDialogController::indexed(std::string_view group, int index)
{
    return std::string(group) + std::to_string(index);
}

std::int16_t SettingsDialogController::flag(bool on)
{
    return on ? FlagOn : FlagOff;
}

SettingsDialogController::SettingsDialogController(SettingsDialogView& view, Services services,
                                                   const SettingsRecord& loaded, Date today,
                                                   const TimeLeftOutputs& timeLeft, std::int16_t sampleLineHeight)
    : m_view(view),
      m_services(services),
      m_loaded(loaded),
      m_today(today),
      m_timeLeft(timeLeft), // what start-up computed, until an edit asks for more
      m_sampleLineHeight(sampleLineHeight)
{
    m_edited.record.picture = loaded.picture;
}

void SettingsDialogController::load()
{
    // With "Random Paths" the pane keeps this look: the kind of the stored direction.
    showPlacementLook(isVerticalDirection(m_loaded.Direction));
    if (!m_services.dates.parse(m_loaded.Date))
        m_services.log.warning("settings: the Target Date \"" + m_loaded.Date + "\" is no date; today is shown");
    m_loading = true;
    loadControls();
    m_loading = false;
}

// Restore Settings runs this too, while not loading: each control's edit then follows, as the user's would.
void SettingsDialogController::loadControls()
{
    const bool wasSynchronized = m_edited.record.Synchronize == FlagOn;
    SettingsRecord shown = m_loaded;
    // The picture being chosen outlives Restore Settings.
    shown.picture = m_edited.record.picture;
    m_edited = editedSettingsFrom(std::move(shown), m_services.dates, m_today);
    const SettingsRecord& record = m_edited.record;
    m_view.showSwatch("picBackColour", record.Background);
    for (int i = 0; i < FontEntries; ++i)
        m_view.showSwatch(indexed("picFontColour", i), record.TextFontColor[std::size_t(i)]);

    m_view.showVisible("MonthView", false);
    m_view.showSliderValue("HScrollSpeed", record.Speed);
    speedChanged(record.Speed);
    m_view.showText("lblSpeed", std::to_string(record.Speed));

    showSharedTexts();

    showOption("optImageStyle", ImageStyleCount, record.picture.ImageStyle);
    for (const OptionBinding& binding : optionBindings)
        showOption(binding.group, binding.count, record.*binding.field);
    showOption("optDirection", DirectionCount, record.Direction);

    const bool synchronized = record.Synchronize == FlagOn;
    m_view.showChecked("chkSynchronize", synchronized);
    if (synchronized != wasSynchronized)
        synchronizeClicked(synchronized);
    for (const auto& [box, on] :
         {std::pair{"chkDays", record.IncludeDays == FlagOn}, std::pair{"chkImage", record.ImageUsed == FlagOn}}) {
        m_view.showChecked(box, on);
        checkClicked(box, on);
    }

    refreshImagePane();
    showDateError(false);
    updateSample();
    updatePlacement();
    checkChanges();
}

void SettingsDialogController::edit(const std::function<void(EditedSettings&)>& change, Refresh refresh)
{
    if (m_loading)
        return;
    change(m_edited);
    switch (refresh) {
    case Refresh::Nothing:
        break;
    case Refresh::TimeLeft:
        recalculateTimeLeft();
        updateSample();
        break;
    case Refresh::Sample:
        updateSample();
        break;
    case Refresh::Placement:
        updatePlacement();
        break;
    case Refresh::SharedTexts:
        showSharedTexts();
        break;
    }
    checkChanges();
}

void SettingsDialogController::showSharedTexts()
{
    for (const TextBinding& binding : textBindings)
        showTextAndEdit(binding.control, m_edited.record.*binding.field);
    showTextAndEdit("txtDate", m_services.dates.shortText(m_edited.date));
}

void SettingsDialogController::showTextAndEdit(std::string_view control, const std::string& text)
{
    m_view.showText(control, text);
    textEdited(control, text);
}

void SettingsDialogController::showOption(std::string_view group, int count, std::int16_t index)
{
    if (index < 0 || index >= count)
        return;
    m_view.showChecked(indexed(group, index), true);
    optionChosen(group, index);
}

void SettingsDialogController::checkChanges()
{
    m_changed = settingsChanged(m_edited, m_loaded, m_services.dates);
    m_view.showEnabled("cmdOK", m_changed);
    m_view.showEnabled("cmdRestoreSettings", m_changed);
    const CloseButtonLook look = closeButtonLook(m_changed);
    m_view.showText("cmdCancel", look.caption);
    m_view.showToolTip("cmdCancel", look.toolTip);
}

// ---- Events

void SettingsDialogController::textEdited(std::string_view control, const std::string& text)
{
    if (control == "txtDate")
        return dateEdited(text);
    for (const TextBinding& binding : textBindings)
        if (binding.control == control)
            edit([&](EditedSettings& edited) { edited.record.*binding.field = text; }, Refresh::Sample);
}

void SettingsDialogController::optionChosen(std::string_view group, int index)
{
    const auto value = std::int16_t(index);
    if (group == "optDirection")
        return edit([value](EditedSettings& edited) { chooseDirection(edited.record, value); }, Refresh::Nothing);
    if (group == "optImageStyle") {
        return edit(
            [&](EditedSettings& edited) {
                edited.record.picture.ImageStyle = value;
                showImageEmphasis(value);
            },
            Refresh::Nothing);
    }
    for (const OptionBinding& binding : optionBindings)
        if (binding.group == group)
            edit([&](EditedSettings& edited) { edited.record.*binding.field = value; },
                 binding.placement ? Refresh::Placement : Refresh::Nothing);
}

void SettingsDialogController::checkClicked(std::string_view control, bool checked)
{
    if (control == "chkSynchronize") {
        synchronizeClicked(checked);
    } else if (control == "chkDays") {
        edit([checked](EditedSettings& edited) { edited.record.IncludeDays = flag(checked); }, Refresh::TimeLeft);
    } else if (control == "chkImage") {
        // Not an edit: the image pane follows its box while loading too.
        m_edited.record.ImageUsed = flag(checked);
        refreshImagePane();
    }
}

void SettingsDialogController::clicked(std::string_view button)
{
    for (int i = 0; i < FontEntries; ++i)
        if (button == indexed("cmdFormat", i))
            return formatClicked(i);
    if (button == "cmdBackground")
        backgroundClicked();
    else if (button == "cmdImage")
        imageClicked();
    else if (button == "cmdCalendar")
        calendarClicked();
    else if (button == "cmdFixDate")
        fixDateClicked();
    else if (button == "cmdOK")
        okClicked();
    else if (button == "cmdCancel")
        m_view.closeDialog(false);
    else if (button == "cmdRestoreSettings")
        loadControls();
    else if (button == "cmdAbout")
        m_view.openAbout();
    else if (button == "cmdHelp")
        m_view.openHelp(HelpTopic);
}

void SettingsDialogController::speedChanged(int speed)
{
    edit(
        [&](EditedSettings& edited) {
            edited.record.Speed = std::int16_t(speed);
            m_view.showText("lblSpeed", std::to_string(speed));
        },
        Refresh::Nothing);
}

void SettingsDialogController::okClicked()
{
    if (m_written)
        return;
    if (!m_services.dates.parse(m_dateText)) {
        showDateError(true);
        m_view.beep();
        m_view.focus("txtDate");
        return;
    }
    SettingsStore& store = m_services.store;
    const CommitResult written = writeSettings(store, m_edited);
    if (!written) {
        // The dialog stays open with every edit, so that OK can be tried again.
        m_view.showMessage("The settings could not be saved to " + store.location() + ":\r\n" + *written.failure,
                           MessageIcon::Critical);
        return;
    }
    m_written = true;
    m_view.closeDialog(true);
}

} // namespace varnholt
