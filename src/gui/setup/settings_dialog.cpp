// SPDX-License-Identifier: MIT
#include "gui/setup/settings_dialog.h"

#include "core/common/errors.h"
#include "core/forms/settings_dialog_layout.h"
#include "core/settings/settings_io.h"
#include "gui/about/about_box.h"
#include "gui/widgets/font_chooser.h"
#include "gui/widgets/text_style.h"
#include "platform/x11_windows.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace varnholt {

namespace {

// Qt's own connection, so that the request reaches the server after the window's creation.
void keepOutOfTaskBar(QWidget* window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection() && QGuiApplication::platformName() == QLatin1String("xcb"))
        varnholt::keepOutOfTaskBar(x11->connection(), std::uint32_t(window->winId()));
}

} // namespace

SettingsDialog::SettingsDialog(ProgramState& state, Choosers* choosers, QWidget* parent)
    : QDialog(parent),
      WidgetFormView(*this, state.services().platform),
      m_state(state),
      m_ownChoosers(choosers ? nullptr : std::make_unique<DialogChoosers>(this)),
      m_choosers(choosers ? *choosers : *m_ownChoosers),
      m_geometry(state.services().platform.screen()),
      m_controller(*this, state.services(), state.settings(), state.today(), state.timeLeft(), SampleTextHeight)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    buildControls();
    connectHandlers();
    chainTabOrder();
    m_controller.load();
    m_ui.txtTitle->setFocus();
}

SettingsDialog::~SettingsDialog() = default;

// Every event goes to the controller by the control's name, except those its own calls raise.
void SettingsDialog::connectHandlers()
{
    for (QLineEdit* box : {m_ui.txtTitle, m_ui.txtTarget, m_ui.txtTargetPassed, m_ui.txtDate}) {
        connect(box, &QLineEdit::textChanged, this, [this, box](const QString& typed) {
            if (!m_showing)
                m_controller.textEdited(box->objectName().toStdString(), typed.toStdString());
        });
    }
    for (QCheckBox* box : {m_ui.chkSynchronize, m_ui.chkDays, m_ui.chkImage}) {
        connect(box, &QCheckBox::toggled, this, [this, box](bool checked) {
            if (!m_showing)
                m_controller.checkClicked(box->objectName().toStdString(), checked);
        });
    }
    std::vector<QPushButton*> buttons{m_ui.cmdBackground,      m_ui.cmdImage, m_ui.cmdCalendar,
                                      m_ui.cmdFixDate,         m_ui.cmdAbout, m_ui.cmdHelp,
                                      m_ui.cmdRestoreSettings, m_ui.cmdOK,    m_ui.cmdCancel};
    buttons.insert(buttons.end(), m_ui.cmdFormat.begin(), m_ui.cmdFormat.end());
    for (QPushButton* button : buttons)
        connect(button, &QPushButton::clicked, this,
                [this, button] { m_controller.clicked(button->objectName().toStdString()); });

    // The ids are the stored numbers.
    const auto group = [this](const auto& options, const char* name) {
        auto* buttonGroup = new QButtonGroup(this);
        for (std::size_t i = 0; i < options.size(); ++i)
            buttonGroup->addButton(options[i], int(i));
        connect(buttonGroup, &QButtonGroup::idToggled, this, [this, name](int id, bool checked) {
            if (checked && !m_showing)
                m_controller.optionChosen(name, id);
        });
    };
    group(m_ui.optStyle, "optStyle");
    group(m_ui.optPosition, "optPosition");
    group(m_ui.optHoriz, "optHoriz");
    group(m_ui.optVert, "optVert");
    group(m_ui.optDirection, "optDirection");
    group(m_ui.optImageStyle, "optImageStyle");

    // Not continuously while the thumb is dragged: once when it is released.
    QScrollBar* speed = m_ui.HScrollSpeed;
    connect(speed, &QScrollBar::valueChanged, this, [this, speed](int value) {
        if (!speed->isSliderDown() && !m_showing)
            m_controller.speedChanged(value);
    });
    connect(speed, &QScrollBar::sliderReleased, this, [this, speed] { m_controller.speedChanged(speed->value()); });

    connect(m_ui.MonthView, &QCalendarWidget::clicked, this, &SettingsDialog::onCalendarDateClicked);
    connect(m_ui.MonthView, &QCalendarWidget::activated, this, &SettingsDialog::onCalendarDateClicked); // Enter
}

void SettingsDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        keepOutOfTaskBar(this);
    QDialog::showEvent(event);
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.fraTextDate && event->type() == QEvent::MouseMove) {
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        // Moves over the frame's controls reach it too; only its own surface counts.
        if (!m_ui.fraTextDate->childAt(position))
            onTextDatePaneMouseMoved(m_geometry.toTwipsX(position.x()));
    }
    if (auto* button = qobject_cast<QPushButton*>(watched); button && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            button->animateClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        m_controller.escapePressed(calendarFocused());
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace varnholt
