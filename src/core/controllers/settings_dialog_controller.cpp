#include "core/controllers/settings_dialog_controller.h"

#include "core/common/errors.h"
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

constexpr int DirectionCount = 4;
constexpr int ImageStyleCount = 2;
constexpr int HelpTopic = 110;

std::string indexed(std::string_view group, int index)
{
    return std::string(group) + std::to_string(index);
}

std::int16_t flag(bool on)
{
    return on ? FlagOn : FlagOff;
}

} // namespace

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

template <typename Change>
void SettingsDialogController::edit(Change change, Refresh refresh)
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

// ---- Text and date pane

void SettingsDialogController::dateEdited(const std::string& text)
{
    m_dateText = text;
    if (m_loading)
        return;
    const std::optional<Date> date = acceptedDate(m_services.dates, text);
    if (!date)
        return showDateError(true);
    edit(
        [&](EditedSettings& edited) {
            edited.date = *date;
            showDateError(false);
        },
        Refresh::TimeLeft);
}

void SettingsDialogController::showDateError(bool show)
{
    m_view.showText("txtDateLong", show ? std::string() : m_services.dates.longText(m_edited.date));
    m_view.showVisible("fraDateRangeMsg", show);
    m_view.showEnabled("cmdCalendar", !show);
}

void SettingsDialogController::fixDateClicked()
{
    const DateForms& dates = m_services.dates;
    showTextAndEdit("txtDate", dates.shortText(editedSettingsFrom(m_loaded, dates, m_today).date));
}

void SettingsDialogController::calendarClicked()
{
    if (const std::optional<Date> date = m_services.dates.parse(m_dateText))
        m_view.openCalendar(*date);
}

void SettingsDialogController::calendarDatePicked(Date date)
{
    showTextAndEdit("txtDate", m_services.dates.shortText(date));
    // After a click too: the next key goes to the date just picked.
    m_view.focus("txtDate");
    m_view.showVisible("MonthView", false);
}

void SettingsDialogController::synchronizeClicked(bool checked)
{
    edit(
        [&](EditedSettings& edited) {
            SettingsRecord& record = edited.record;
            record.Synchronize = flag(checked);
            const SharedTexts shared = loadSharedTexts(m_services.store, record.Synchronize, m_today, m_services.dates);
            record.Title = shared.Title;
            record.Target = shared.Target;
            record.TargetPassed = shared.TargetPassed;
            edited.date = shared.Date.value_or(m_today);
        },
        Refresh::SharedTexts);
}

void SettingsDialogController::recalculateTimeLeft()
{
    const SettingsRecord& record = m_edited.record;
    const EventTexts texts{record.Title, record.Target, record.TargetPassed, record.IncludeDays};
    m_timeLeft = calculateTimeLeft(m_services.clock.today(), m_edited.date, texts);
}

// ---- Style pane and sample

void SettingsDialogController::formatClicked(int entry)
{
    const std::optional<FontChoice> choice = m_view.chooseFont(fontChoiceOf(m_edited.record, entry));
    if (!choice)
        return;
    try {
        edit(
            [&](EditedSettings& edited) {
                applyFontChoice(edited.record, entry, *choice);
                m_view.showSwatch(indexed("picFontColour", entry), edited.record.TextFontColor[std::size_t(entry)]);
            },
            Refresh::Sample);
    } catch (const RuntimeError& error) {
        // The face is taken, the rest of the choice is not.
        m_view.logWarning("font size " + std::to_string(choice->size) + " of entry " + std::to_string(entry)
                          + " not taken: " + error.what());
    }
}

void SettingsDialogController::backgroundClicked()
{
    const std::optional<std::int32_t> colour = m_view.chooseColour(m_edited.record.Background);
    if (!colour)
        return;
    edit(
        [&](EditedSettings& edited) {
            edited.record.Background = *colour;
            m_view.showSwatch("picBackColour", *colour);
        },
        Refresh::Sample);
}

void SettingsDialogController::updateSample()
{
    if (const std::optional<SampleLook> look = sampleLook(m_edited.record, m_timeLeft, m_sampleLineHeight))
        m_view.showSample(*look, m_edited.record);
}

// ---- Movement and image panes

void SettingsDialogController::updatePlacement()
{
    const SettingsRecord& record = m_edited.record;
    const bool random = record.Position == PositionRandom;
    for (int i = 0; i < DirectionCount; ++i)
        m_view.showEnabled(indexed("optDirection", i), !random);
    for (int i = 0; i < 3; ++i) {
        m_view.showEnabled(indexed("optHoriz", i), !random);
        m_view.showEnabled(indexed("optVert", i), !random);
    }
    m_view.showEnabled("fraPlacement", !random);
    m_view.showEnabled("fraDirection", !random);
    if (random)
        return;
    const bool vertical = record.Position == PositionVertical;
    showPlacementLook(vertical);
    showOption("optDirection", DirectionCount, vertical ? record.VertDirection : record.HorizDirection);
}

void SettingsDialogController::showPlacementLook(bool vertical)
{
    m_view.showVisible("fraHoriz", !vertical);
    m_view.showVisible("fraVert", vertical);
    for (int i = 0; i < DirectionCount; ++i)
        m_view.showVisible(indexed("optDirection", i), isVerticalDirection(std::int16_t(i)) == vertical);
}

void SettingsDialogController::refreshImagePane()
{
    const PictureChoice& image = m_edited.record.picture;
    const bool used = m_edited.record.ImageUsed == FlagOn;
    m_view.showEnabled("cmdImage", used);
    m_view.showEnabled("optImageStyle0", used);
    m_view.showEnabled("optImageStyle1", used && !image.ImageName.empty());
    m_view.showText("lblFileImage", image.ImageName.empty() ? std::string("No Image") : image.ImageName);
    m_view.showText("lblBaseImage", image.ImageTag);
    showOption("optImageStyle", ImageStyleCount, image.ImageStyle);
    showImageEmphasis(image.ImageStyle);
    checkChanges();
}

void SettingsDialogController::showImageEmphasis(std::int16_t style)
{
    if (style != BaseImage && style != FileImage)
        return;
    m_view.showEmphasis("lblBaseImage", style == BaseImage);
    m_view.showEmphasis("lblFileImage", style == FileImage);
}

void SettingsDialogController::imageClicked()
{
    const std::optional<BrowsedPicture> browsed = m_view.openImageBrowser(m_edited.record.picture);
    // Cancel leaves the stored picture, as the browser has always done.
    m_edited.record.picture = browsed ? browsed->choice : m_loaded.picture;
    refreshImagePane();
}

} // namespace varnholt
