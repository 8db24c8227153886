// SPDX-License-Identifier: MIT
#include "core/common/errors.h"
#include "core/controllers/settings_dialog_controller.h"
#include "core/settings/settings_io.h"

#include <sstream>

namespace varnholt {

// The panes of the settings dialog: text and date, style and sample, movement and image.

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

void SettingsDialogController::calendarMouseLeft(Side side, bool calendarFocused)
{
    if (side == Side::Left)
        hideCalendar(calendarFocused);
}

void SettingsDialogController::escapePressed(bool calendarFocused)
{
    if (calendarFocused)
        hideCalendar(true);
    else
        m_view.closeDialog(false);
}

void SettingsDialogController::hideCalendar(bool calendarFocused)
{
    // Before it hides: else the focus goes to whichever control follows the calendar.
    if (calendarFocused)
        m_view.focus("cmdCalendar");
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
        std::ostringstream text;
        text << "font size " << choice->size << " of entry " << entry << " not taken: " << error.what();
        m_services.log.warning(text.str());
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
    const std::optional<PictureChoice> browsed = m_view.openImageBrowser(m_edited.record.picture);
    // Cancel leaves the stored picture, as the browser has always done.
    m_edited.record.picture = browsed.value_or(m_loaded.picture);
    refreshImagePane();
}

} // namespace varnholt
