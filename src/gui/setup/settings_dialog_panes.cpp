#include "gui/setup/settings_dialog.h"

#include "gui/browse/image_browser.h"
#include "core/common/errors.h"
#include "gui/widgets/font_chooser.h"
#include "gui/widgets/form_builder.h"
#include "gui/widgets/palette.h"
#include "gui/widgets/text_style.h"
#include "core/settings/conversions.h"

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
    const std::optional<FontChoice> choice = m_choosers.chooseFont(fontChoiceOf(DialogSettings, index));
    if (!choice)
        return;
    try {
        applyFontChoice(DialogSettings, index, *choice);
    } catch (const RuntimeError&) {
        return; // a failing chooser ends the handler silently
    }
    paintSwatch(picFontColour[std::size_t(index)], DialogSettings.TextFontColor[std::size_t(index)]);
    updateSample();
    checkChanges();
}

void SettingsDialog::onBackgroundClicked()
{
    const std::optional<std::int32_t> colour = m_choosers.chooseColour(DialogSettings.Background);
    if (!colour)
        return;
    DialogSettings.Background = *colour;
    paintSwatch(picBackColour, DialogSettings.Background);
    updateSample();
    checkChanges();
}

void SettingsDialog::onIncludeDaysClicked()
{
    if (Loading)
        return;
    DialogSettings.IncludeDays = chkDays->isChecked() ? 1 : 0;
    recalculateTimeLeft();
    updateSample();
    checkChanges();
}

void SettingsDialog::onStyleClicked(int index)
{
    if (Loading)
        return;
    DialogSettings.Style = std::int16_t(index);
    checkChanges();
}

void SettingsDialog::updateSample()
{
    const std::optional<SampleLook> look = sampleLook(DialogSettings, m_state.timeLeft, SampleLineHeight);
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
    label->setFont(fontOfEntry(DialogSettings, fontEntry));
    setTextColour(label, colourFromStored(DialogSettings.TextFontColor[std::size_t(fontEntry)]));
    setBackColour(label, colourFromStored(DialogSettings.Background));
}

void SettingsDialog::paintSwatch(QFrame* swatch, std::int32_t colour)
{
    setBackColour(swatch, colourFromStored(colour));
}

// ---- Movement and image panes

void SettingsDialog::onPositionClicked(int index)
{
    if (Loading)
        return;
    DialogSettings.Position = std::int16_t(index);
    updatePlacement();
    checkChanges();
}

void SettingsDialog::onRowClicked(int index)
{
    if (Loading)
        return;
    DialogSettings.Horizontal = std::int16_t(index);
    updatePlacement();
    checkChanges();
}

void SettingsDialog::onColumnClicked(int index)
{
    if (Loading)
        return;
    DialogSettings.Vertical = std::int16_t(index);
    updatePlacement();
    checkChanges();
}

void SettingsDialog::onDirectionClicked(int index)
{
    if (Loading)
        return;
    chooseDirection(DialogSettings, std::int16_t(index));
    checkChanges();
}

void SettingsDialog::onSpeedChanged()
{
    if (Loading)
        return;
    DialogSettings.Speed = std::int16_t(HScrollSpeed->value());
    lblSpeed->setText(QString::number(DialogSettings.Speed));
    checkChanges();
}

void SettingsDialog::updatePlacement()
{
    for (auto* option : optDirection)
        option->setEnabled(true);
    for (std::size_t i = 0; i < optHoriz.size(); ++i) {
        optHoriz[i]->setEnabled(true);
        optVert[i]->setEnabled(true);
    }
    const bool random = DialogSettings.Position == 2;
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
    const bool vertical = DialogSettings.Position == 1;
    showPlacementLook(vertical);
    select(optDirection, vertical ? DialogSettings.VertDirection : DialogSettings.HorizDirection);
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
    const ImageValues& image = m_state.imageSelection;
    DialogSettings.ImageUsed = chkImage->isChecked() ? 1 : 0;
    const bool used = DialogSettings.ImageUsed == 1;
    cmdImage->setEnabled(used);
    optImageStyle[0]->setEnabled(used);
    optImageStyle[1]->setEnabled(used && !image.ImageName.empty());
    lblFileImage->setText(image.ImageName.empty() ? QStringLiteral("No Image") : text(image.ImageName));
    lblBaseImage->setText(text(image.ImageTag));
    select(optImageStyle, image.ImageStyle);
    showImageEmphasis(image.ImageStyle);
    checkChanges();
}

void SettingsDialog::onImageStyleClicked(int index)
{
    if (Loading)
        return;
    m_state.imageSelection.ImageStyle = std::int16_t(index);
    showImageEmphasis(m_state.imageSelection.ImageStyle);
    checkChanges();
}

void SettingsDialog::showImageEmphasis(std::int16_t style)
{
    if (style != 0 && style != 1)
        return;
    QLabel* emphasised = style == 0 ? lblBaseImage : lblFileImage;
    QLabel* plain = style == 0 ? lblFileImage : lblBaseImage;
    emphasise(emphasised, true);
    emphasise(plain, false);
}

void SettingsDialog::onSelectImageClicked()
{
    ImageBrowser browser(m_state, [this] { refreshImagePane(); }, this);
    browser.exec();
}

} // namespace varnholt
