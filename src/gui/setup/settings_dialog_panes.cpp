// SPDX-License-Identifier: MIT
#include "gui/about/about_box.h"
#include "gui/browse/image_browser.h"
#include "gui/setup/settings_dialog.h"
#include "gui/widgets/control_states.h"
#include "gui/widgets/font_chooser.h"
#include "gui/widgets/palette.h"
#include "gui/widgets/text_style.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDate>
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

template <typename Change>
void SettingsDialog::shown(Change change)
{
    const bool wasShowing = m_showing;
    m_showing = true;
    change();
    m_showing = wasShowing;
}

void SettingsDialog::onCalendarDateClicked(const QDate& date)
{
    m_controller.calendarDatePicked(fromQDate(date));
}

void SettingsDialog::onTextDatePaneMouseMoved(int x)
{
    if (m_geometry.toTwipsX(m_ui.MonthView->x()) > x)
        m_controller.calendarMouseLeft(SettingsDialogController::Side::Left, calendarFocused());
}

bool SettingsDialog::calendarFocused() const
{
    return m_ui.MonthView->isAncestorOf(QApplication::focusWidget());
}

// ---- What the controller says

void SettingsDialog::showText(std::string_view control, const std::string& text)
{
    shown([&] { showControlText(*this, control, text); });
}

void SettingsDialog::showChecked(std::string_view control, bool checked)
{
    shown([&] { showControlChecked(*this, control, checked); });
    if (!control.starts_with("optDirection"))
        return;
    // Qt keeps the Tab stop of an option group on the option that last had the focus, which may now be hidden.
    for (QRadioButton* option : m_ui.optDirection) {
        const Qt::FocusPolicy policy = option->focusPolicy();
        option->setFocusPolicy(option->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

std::optional<FontChoice> SettingsDialog::chooseFont(const FontChoice& preset)
{
    return m_choosers.chooseFont(preset);
}

std::optional<std::int32_t> SettingsDialog::chooseColour(std::int32_t preset)
{
    return m_choosers.chooseColour(preset);
}

// The preview's natural size outlives the browser: it opens on the size it last showed.
std::optional<PictureChoice> SettingsDialog::openImageBrowser(const PictureChoice& start)
{
    const BrowseMemory& size = m_state.browseMemory();
    ImageBrowser browser(start, {size.width, size.height}, m_state.services().platform, m_state.services().log, this);
    const bool chosen = browser.exec() == QDialog::Accepted;
    const PreviewSize shown = browser.previewSize();
    m_state.rememberBrowse({shown.width, shown.height});
    if (!chosen)
        return std::nullopt;
    return browser.choice();
}

void SettingsDialog::openAbout()
{
    AboutBox about(m_state.services().platform, m_state.services().clock, m_state.readMe(), this);
    about.exec();
}

void SettingsDialog::openHelp(int topic)
{
    m_state.services().platform.shellOpen(m_state.helpPage(topic));
}

void SettingsDialog::openCalendar(Date selected)
{
    m_ui.MonthView->setSelectedDate(toQDate(selected));
    m_ui.MonthView->show();
    m_ui.MonthView->raise();
    m_ui.MonthView->setFocus();
}

void SettingsDialog::showSliderValue(std::string_view, int value)
{
    shown([&] { m_ui.HScrollSpeed->setValue(value); });
}

void SettingsDialog::showSwatch(std::string_view control, std::int32_t colour)
{
    setBackColour(controlNamed(*this, control), colourFromStored(colour));
}

void SettingsDialog::showEmphasis(std::string_view control, bool emphasised)
{
    emphasise(controlNamed(*this, control), emphasised);
}

void SettingsDialog::showToolTip(std::string_view control, const std::string& text)
{
    controlNamed(*this, control)->setToolTip(QString::fromStdString(text));
}

void SettingsDialog::showSample(const SampleLook& look, const SettingsRecord& record)
{
    const auto paint = [&record](QLabel* label, const std::string& caption, int fontEntry) {
        label->setText(qString(caption));
        label->setFont(fontOfEntry(record, fontEntry));
        setTextColour(label, colourFromStored(record.TextFontColor[std::size_t(fontEntry)]));
        setBackColour(label, colourFromStored(record.Background));
    };
    paint(m_ui.lblSampleText, look.textCaption, look.textFontEntry);
    m_ui.lblSampleText->resize(m_ui.lblSampleText->width(), m_geometry.toPixelsY(look.textHeight));
    if (look.dateVisible)
        paint(m_ui.lblSampleDate, look.dateCaption, 1);
    m_ui.lblSampleDate->setVisible(look.dateVisible);
}

void SettingsDialog::focus(std::string_view control)
{
    controlNamed(*this, control)->setFocus();
}

void SettingsDialog::closeDialog(bool accepted)
{
    accepted ? accept() : reject();
}

} // namespace varnholt
