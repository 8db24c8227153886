#include "core/common/errors.h"
#include "core/settings/conversions.h"
#include "core/settings/settings_io.h"
#include "gui/browse/image_browser.h"
#include "gui/setup/settings_dialog.h"
#include "gui/widgets/font_chooser.h"
#include "gui/widgets/form_builder.h"
#include "gui/widgets/palette.h"
#include "gui/widgets/text_style.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace varnholt {

namespace {

QDate toQDate(Date date)
{
    return QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
}

Date fromQDate(const QDate& date)
{
    return Date{std::chrono::year{date.year()}, std::chrono::month{unsigned(date.month())},
                std::chrono::day{unsigned(date.day())}};
}

} // namespace

// ---- Text and date pane

void SettingsDialog::onTitleEdited()
{
    edit([this](EditedSettings& edited) { edited.record.Title = txtTitle->text().toStdString(); }, Refresh::Sample);
}

void SettingsDialog::onTargetEdited()
{
    edit([this](EditedSettings& edited) { edited.record.Target = txtTarget->text().toStdString(); }, Refresh::Sample);
}

void SettingsDialog::onTargetPassedEdited()
{
    edit([this](EditedSettings& edited) { edited.record.TargetPassed = txtTargetPassed->text().toStdString(); },
         Refresh::Sample);
}

void SettingsDialog::onDateEdited()
{
    if (Loading)
        return;
    const std::optional<Date> date = acceptedDate(m_state.services.dates, txtDate->text().toStdString());
    if (!date) {
        showDateError(true);
        return;
    }
    edit(
        [&](EditedSettings& edited) {
            edited.date = *date;
            showDateError(false);
        },
        Refresh::TimeLeft);
}

void SettingsDialog::showDateError(bool show)
{
    txtDateLong->setText(show ? QString() : text(m_state.services.dates.longText(DialogSettings.date)));
    fraDateRangeMsg->setVisible(show);
    cmdCalendar->setEnabled(!show);
}

void SettingsDialog::onFixDateClicked()
{
    const DateForms& dates = m_state.services.dates;
    txtDate->setText(text(dates.shortText(editedSettingsFrom(settings, dates, m_state.today).date)));
}

void SettingsDialog::onCalendarClicked()
{
    const std::optional<Date> date = m_state.services.dates.parse(txtDate->text().toStdString());
    if (!date)
        return;
    MonthView->setSelectedDate(toQDate(*date));
    MonthView->show();
    MonthView->raise();
    MonthView->setFocus();
}

void SettingsDialog::onCalendarDateClicked(const QDate& date)
{
    txtDate->setText(text(m_state.services.dates.shortText(fromQDate(date))));
    // After a click too: the next key goes to the date just picked, not to whichever control follows the calendar.
    txtDate->setFocus();
    MonthView->hide();
}

void SettingsDialog::onTextDatePaneMouseMoved(int x)
{
    if (m_geometry.toTwipsX(MonthView->x()) > x)
        hideCalendar(cmdCalendar);
}

void SettingsDialog::hideCalendar(QWidget* focusTo)
{
    // Else Qt hands the calendar's focus to whichever control follows it in the chain.
    if (MonthView->isAncestorOf(QApplication::focusWidget()))
        focusTo->setFocus();
    MonthView->hide();
}

void SettingsDialog::onSynchronizeClicked()
{
    edit(
        [this](EditedSettings& edited) {
            SettingsRecord& record = edited.record;
            record.Synchronize = chkSynchronize->isChecked() ? FlagOn : FlagOff;
            const SharedTexts shared = loadSharedTexts(m_state.services.store, record.Synchronize, m_state.today,
                                                       m_state.services.dates);
            record.Title = shared.Title;
            record.Target = shared.Target;
            record.TargetPassed = shared.TargetPassed;
            edited.date = shared.Date.value_or(m_state.today);
        },
        Refresh::SharedTexts);
}

void SettingsDialog::recalculateTimeLeft()
{
    const SettingsRecord& record = DialogSettings.record;
    const EventTexts texts{record.Title, record.Target, record.TargetPassed, record.IncludeDays};
    m_timeLeft = calculateTimeLeft(m_state.services.clock.today(), DialogSettings.date, texts);
}

// ---- Style pane and sample

void SettingsDialog::onFormatClicked(int index)
{
    const std::optional<FontChoice> choice = m_choosers.chooseFont(fontChoiceOf(DialogSettings.record, index));
    if (!choice)
        return;
    try {
        edit(
            [&](EditedSettings& edited) {
                applyFontChoice(edited.record, index, *choice);
                paintSwatch(picFontColour[std::size_t(index)], edited.record.TextFontColor[std::size_t(index)]);
            },
            Refresh::Sample);
    } catch (const RuntimeError&) {
        // A failing chooser ends the handler silently.
    }
}

void SettingsDialog::onBackgroundClicked()
{
    const std::optional<std::int32_t> colour = m_choosers.chooseColour(DialogSettings.record.Background);
    if (!colour)
        return;
    edit(
        [&](EditedSettings& edited) {
            edited.record.Background = *colour;
            paintSwatch(picBackColour, *colour);
        },
        Refresh::Sample);
}

void SettingsDialog::onIncludeDaysClicked()
{
    edit([this](EditedSettings& edited) { edited.record.IncludeDays = chkDays->isChecked() ? FlagOn : FlagOff; },
         Refresh::TimeLeft);
}

void SettingsDialog::onStyleClicked(int index)
{
    edit([index](EditedSettings& edited) { edited.record.Style = std::int16_t(index); }, Refresh::Nothing);
}

void SettingsDialog::updateSample()
{
    const std::optional<SampleLook> look = sampleLook(DialogSettings.record, m_timeLeft, SampleLineHeight);
    if (!look)
        return;
    paintSampleLabel(lblSampleText, look->textCaption, look->textFontEntry);
    lblSampleText->resize(lblSampleText->width(), m_geometry.toPixelsY(look->textHeight));
    if (look->dateVisible)
        paintSampleLabel(lblSampleDate, look->dateCaption, 1);
    lblSampleDate->setVisible(look->dateVisible);
}

void SettingsDialog::paintSampleLabel(QLabel* label, const std::string& caption, int fontEntry)
{
    label->setText(text(caption));
    const SettingsRecord& record = DialogSettings.record;
    label->setFont(fontOfEntry(record, fontEntry));
    setTextColour(label, colourFromStored(record.TextFontColor[std::size_t(fontEntry)]));
    setBackColour(label, colourFromStored(record.Background));
}

void SettingsDialog::paintSwatch(QFrame* swatch, std::int32_t colour)
{
    setBackColour(swatch, colourFromStored(colour));
}

// ---- Movement and image panes

void SettingsDialog::onPositionClicked(int index)
{
    edit([index](EditedSettings& edited) { edited.record.Position = std::int16_t(index); }, Refresh::Placement);
}

void SettingsDialog::onRowClicked(int index)
{
    edit([index](EditedSettings& edited) { edited.record.Horizontal = std::int16_t(index); }, Refresh::Placement);
}

void SettingsDialog::onColumnClicked(int index)
{
    edit([index](EditedSettings& edited) { edited.record.Vertical = std::int16_t(index); }, Refresh::Placement);
}

void SettingsDialog::onDirectionClicked(int index)
{
    edit([index](EditedSettings& edited) { chooseDirection(edited.record, std::int16_t(index)); }, Refresh::Nothing);
}

void SettingsDialog::onSpeedChanged()
{
    edit(
        [this](EditedSettings& edited) {
            edited.record.Speed = std::int16_t(HScrollSpeed->value());
            lblSpeed->setText(QString::number(edited.record.Speed));
        },
        Refresh::Nothing);
}

void SettingsDialog::updatePlacement()
{
    for (auto* option : optDirection)
        option->setEnabled(true);
    for (std::size_t i = 0; i < optHoriz.size(); ++i) {
        optHoriz[i]->setEnabled(true);
        optVert[i]->setEnabled(true);
    }
    const SettingsRecord& record = DialogSettings.record;
    const bool random = record.Position == PositionRandom;
    fraPlacement->setEnabled(!random);
    fraDirection->setEnabled(!random);
    if (random) {
        for (auto* option : optDirection)
            option->setEnabled(false);
        for (std::size_t i = 0; i < optHoriz.size(); ++i) {
            optHoriz[i]->setEnabled(false);
            optVert[i]->setEnabled(false);
        }
        return;
    }
    const bool vertical = record.Position == PositionVertical;
    showPlacementLook(vertical);
    select(optDirection, vertical ? record.VertDirection : record.HorizDirection);
    // Qt keeps the Tab stop of an option group on the option that last had the focus, which may now be hidden.
    for (QRadioButton* option : optDirection) {
        const Qt::FocusPolicy policy = option->focusPolicy();
        option->setFocusPolicy(option->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

void SettingsDialog::showPlacementLook(bool vertical)
{
    fraHoriz->setVisible(!vertical);
    fraVert->setVisible(vertical);
    for (std::size_t i = 0; i < optDirection.size(); ++i)
        optDirection[i]->setVisible(isVerticalDirection(std::int16_t(i)) == vertical);
}

void SettingsDialog::refreshImagePane()
{
    // The image browser's choice comes back here.
    SettingsRecord& record = DialogSettings.record;
    record.picture = m_state.imageSelection;
    const PictureChoice& image = record.picture;
    record.ImageUsed = chkImage->isChecked() ? FlagOn : FlagOff;
    const bool used = record.ImageUsed == FlagOn;
    cmdImage->setEnabled(used);
    optImageStyle[BaseImage]->setEnabled(used);
    optImageStyle[FileImage]->setEnabled(used && !image.ImageName.empty());
    lblFileImage->setText(image.ImageName.empty() ? QStringLiteral("No Image") : text(image.ImageName));
    lblBaseImage->setText(text(image.ImageTag));
    select(optImageStyle, image.ImageStyle);
    showImageEmphasis(image.ImageStyle);
    checkChanges();
}

void SettingsDialog::onImageStyleClicked(int index)
{
    edit(
        [&](EditedSettings& edited) {
            edited.record.picture.ImageStyle = std::int16_t(index);
            m_state.imageSelection.ImageStyle = edited.record.picture.ImageStyle; // the image browser opens on it
            showImageEmphasis(edited.record.picture.ImageStyle);
        },
        Refresh::Nothing);
}

void SettingsDialog::showImageEmphasis(std::int16_t style)
{
    if (style != BaseImage && style != FileImage)
        return;
    QLabel* emphasised = style == BaseImage ? lblBaseImage : lblFileImage;
    QLabel* plain = style == BaseImage ? lblFileImage : lblBaseImage;
    emphasise(emphasised, true);
    emphasise(plain, false);
}

void SettingsDialog::onSelectImageClicked()
{
    BrowseMemory& size = m_state.browse;
    ImageBrowser browser(m_state.imageSelection, {size.ActualWidth, size.ActualHeight}, m_state.services.platform,
                         this);
    const bool chosen = browser.exec() == QDialog::Accepted;
    size = {browser.previewSize().width, browser.previewSize().height};
    m_state.imageSelection = chosen ? browser.choice() : m_state.settings.picture;
    refreshImagePane();
}

} // namespace varnholt
