#include "core/common/errors.h"
#include "core/settings/conversions.h"
#include "gui/browse/image_browser.h"
#include "gui/setup/settings_dialog.h"
#include "gui/widgets/font_chooser.h"
#include "gui/widgets/form_builder.h"
#include "gui/widgets/palette.h"
#include "gui/widgets/text_style.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace varnholt {

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
    ImageBrowser browser(
        m_state, [this] { refreshImagePane(); }, this);
    browser.exec();
}

} // namespace varnholt
