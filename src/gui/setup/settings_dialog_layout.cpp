// SPDX-License-Identifier: MIT
#include "core/forms/settings_dialog_layout.h"

#include "gui/setup/settings_dialog.h"
#include "gui/widgets/form_builder.h"
#include "gui/widgets/text_style.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOption>

namespace varnholt {

namespace {

// The style draws no focus on a scroll bar, so a keyboard user could not tell that the arrows move the speed:
// a frame in the colour that outlines the focused text box and button.
class FocusFrameStyle final : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control != CC_ScrollBar || !option->state.testFlag(State_HasFocus))
            return;
        painter->save();
        painter->setPen(option->palette.color(QPalette::Highlight).darker(125));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

} // namespace

void SettingsDialog::Controls::bind(const FormBuilder& form)
{
    BIND_CONTROLS(form, fraTextDate, lblText, txtTitle, lblComplete, txtTarget, lblTargetPassed, txtTargetPassed,
                  lblDate, txtDate, txtDateLong, cmdCalendar, lblTargetMsg, lblTargetPastMsg, chkSynchronize,
                  fraDateRangeMsg, lblDateRangeMsg, cmdFixDate, MonthView, fraStyle, cmdFormat, picFontColour,
                  cmdBackground, picBackColour, chkDays, optStyle, fraImage, chkImage, cmdImage, optImageStyle,
                  lblBaseImage, lblFileImage, fraMovement, lblSpeedMsg, lblSlow, HScrollSpeed, lblFast, lblSpeed,
                  fraPath, optPosition, fraPlacement, fraHoriz, optHoriz, fraVert, optVert, fraDirection, optDirection,
                  fraSample, lblSampleText, lblSampleDate, cmdAbout, cmdHelp, cmdRestoreSettings, cmdOK, cmdCancel);
}

void SettingsDialog::buildControls()
{
    FormBuilder form(*this, m_geometry, {.autoDefaultButtons = false});
    form.build(settingsDialogLayout());

    m_ui.bind(form);

    m_ui.fraTextDate->setMouseTracking(true);
    m_ui.fraTextDate->installEventFilter(this);
    m_ui.MonthView->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    // The design's calendar is small: one letter per day keeps the header readable.
    m_ui.MonthView->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    m_ui.MonthView->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_ui.HScrollSpeed->setRange(SpeedMinimum, SpeedMaximum);
    m_ui.HScrollSpeed->setSingleStep(SpeedStep);
    m_ui.HScrollSpeed->setPageStep(SpeedStep);
    // A scroll bar takes no focus by default: keyboard users could neither reach nor move it.
    m_ui.HScrollSpeed->setFocusPolicy(Qt::StrongFocus);
    static FocusFrameStyle* const focusFrame = new FocusFrameStyle;
    m_ui.HScrollSpeed->setStyle(focusFrame);
    // Scroll bars invert their keys by default; here Right means faster, as the right arrow button does.
    m_ui.HScrollSpeed->setInvertedControls(false);
    // Enter on a focused button presses it, as Space does; Enter elsewhere presses nothing.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->installEventFilter(this);
    setWindowTitle(qString(settingsDialogTitle()));
    m_ui.lblDateRangeMsg->setText(qString(dateRangeMessage()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_ui.fraDateRangeMsg->move(m_ui.txtDate->x(), m_ui.txtDate->y() + m_ui.txtDate->height());
    m_ui.fraDateRangeMsg->raise();
}

void SettingsDialog::chainTabOrder()
{
    chainTabs(*this, settingsDialogTabOrder());
}

} // namespace varnholt
