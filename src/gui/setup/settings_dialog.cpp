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

SettingsDialog::SettingsDialog(ProgramState& state, QWidget* parent) : SettingsDialog(state, nullptr, parent) {}

SettingsDialog::SettingsDialog(ProgramState& state, Choosers& choosers, QWidget* parent)
    : SettingsDialog(state, &choosers, parent)
{
}

SettingsDialog::SettingsDialog(ProgramState& state, Choosers* choosers, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      settings(state.settings),
      m_ownChoosers(choosers ? nullptr : std::make_unique<DialogChoosers>(this)),
      m_choosers(choosers ? *choosers : *m_ownChoosers),
      m_geometry(state.services.platform.screen())
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    buildControls();
    connectHandlers();
    chainTabOrder();
    load();
    txtTitle->setFocus();
}

SettingsDialog::~SettingsDialog() = default;

// The ids are the stored numbers; selecting a button, by the user or by the
// program, runs the handler with its number.
template <std::size_t N>
void SettingsDialog::groupOptions(const std::array<QRadioButton*, N>& options, void (SettingsDialog::*handler)(int))
{
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < N; ++i)
        group->addButton(options[i], int(i));
    connect(group, &QButtonGroup::idToggled, this, [this, handler](int id, bool checked) {
        if (checked)
            (this->*handler)(id);
    });
}

void SettingsDialog::connectHandlers()
{
    connect(txtTitle, &QLineEdit::textChanged, this, &SettingsDialog::onTitleEdited);
    connect(txtTarget, &QLineEdit::textChanged, this, &SettingsDialog::onTargetEdited);
    connect(txtTargetPassed, &QLineEdit::textChanged, this, &SettingsDialog::onTargetPassedEdited);
    connect(txtDate, &QLineEdit::textChanged, this, &SettingsDialog::onDateEdited);
    connect(cmdFixDate, &QPushButton::clicked, this, &SettingsDialog::onFixDateClicked);
    connect(cmdCalendar, &QPushButton::clicked, this, &SettingsDialog::onCalendarClicked);
    connect(MonthView, &QCalendarWidget::clicked, this, &SettingsDialog::onCalendarDateClicked);
    connect(MonthView, &QCalendarWidget::activated, this, &SettingsDialog::onCalendarDateClicked); // Enter
    connect(chkSynchronize, &QCheckBox::toggled, this, &SettingsDialog::onSynchronizeClicked);

    for (std::size_t i = 0; i < cmdFormat.size(); ++i)
        connect(cmdFormat[i], &QPushButton::clicked, this, [this, i] { onFormatClicked(int(i)); });
    connect(cmdBackground, &QPushButton::clicked, this, &SettingsDialog::onBackgroundClicked);
    connect(chkDays, &QCheckBox::toggled, this, &SettingsDialog::onIncludeDaysClicked);

    groupOptions(optStyle, &SettingsDialog::onStyleClicked);
    groupOptions(optPosition, &SettingsDialog::onPositionClicked);
    groupOptions(optHoriz, &SettingsDialog::onRowClicked);
    groupOptions(optVert, &SettingsDialog::onColumnClicked);
    groupOptions(optDirection, &SettingsDialog::onDirectionClicked);
    groupOptions(optImageStyle, &SettingsDialog::onImageStyleClicked);

    // Not continuously while the thumb is dragged: once when it is released.
    connect(HScrollSpeed, &QScrollBar::valueChanged, this, [this] {
        if (!HScrollSpeed->isSliderDown())
            onSpeedChanged();
    });
    connect(HScrollSpeed, &QScrollBar::sliderReleased, this, &SettingsDialog::onSpeedChanged);
    connect(chkImage, &QCheckBox::toggled, this, &SettingsDialog::refreshImagePane);
    connect(cmdImage, &QPushButton::clicked, this, &SettingsDialog::onSelectImageClicked);

    connect(cmdAbout, &QPushButton::clicked, this, &SettingsDialog::onAboutClicked);
    connect(cmdHelp, &QPushButton::clicked, this, &SettingsDialog::onHelpClicked);
    connect(cmdRestoreSettings, &QPushButton::clicked, this, &SettingsDialog::onRestoreClicked);
    connect(cmdOK, &QPushButton::clicked, this, &SettingsDialog::onOkClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &SettingsDialog::onCancelClicked);
}

void SettingsDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        keepOutOfTaskBar(this);
    QDialog::showEvent(event);
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == fraTextDate && event->type() == QEvent::MouseMove) {
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        // Moves over the frame's controls reach it too; only its own surface counts.
        if (!fraTextDate->childAt(position))
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
    // Esc leaves the calendar, not the dialog, while the calendar has the focus.
    if (event->matches(QKeySequence::Cancel) && MonthView->isAncestorOf(QApplication::focusWidget())) {
        hideCalendar(cmdCalendar);
        return;
    }
    QDialog::keyPressEvent(event);
}

// ---- Lifecycle

void SettingsDialog::load()
{
    setWindowTitle(text(settingsDialogTitle()));

    lblDateRangeMsg->setText(text(dateRangeMessage()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    fraDateRangeMsg->move(txtDate->x(), txtDate->y() + txtDate->height());
    fraDateRangeMsg->raise();

    fraVert->move(fraHoriz->pos());
    for (QRadioButton* option : optDirection)
        option->move(option->x(), optDirection[0]->y());
    optDirection[2]->move(optDirection[0]->x(), optDirection[2]->y());
    optDirection[3]->move(optDirection[1]->x(), optDirection[3]->y());
    for (QFrame* frame : {fraHoriz, fraVert, fraDirection})
        frame->setFrameShape(QFrame::NoFrame);
    // With "Random Paths" the pane keeps this look: the kind of the stored direction.
    showPlacementLook(isVerticalDirection(settings.Direction));

    SampleLineHeight = SampleTextHeight;
    // What start-up computed for the stored settings, until an edit asks for more.
    m_timeLeft = m_state.timeLeft;

    Loading = true;
    loadControls();
    Loading = false;
}

void SettingsDialog::loadControls()
{
    const DateForms& dates = m_state.services.dates;
    SettingsRecord shown = settings;
    // The picture being chosen outlives Restore Settings.
    shown.picture = m_state.imageSelection;
    DialogSettings = editedSettingsFrom(std::move(shown), dates, m_state.today);
    m_state.imageSelection = DialogSettings.record.picture;
    const SettingsRecord& record = DialogSettings.record;
    paintSwatch(picBackColour, record.Background);
    for (std::size_t i = 0; i < picFontColour.size(); ++i)
        paintSwatch(picFontColour[i], record.TextFontColor[i]);

    MonthView->hide();
    HScrollSpeed->setValue(record.Speed);
    lblSpeed->setText(QString::number(record.Speed));

    showSharedTexts();
    txtDateLong->setText(
        text(dates.longText(dates.parse(txtDate->text().toStdString()).value_or(DialogSettings.date))));

    select(optImageStyle, record.picture.ImageStyle);
    select(optStyle, record.Style);
    select(optPosition, record.Position);
    select(optHoriz, record.Horizontal);
    select(optVert, record.Vertical);
    select(optDirection, record.Direction);

    chkSynchronize->setChecked(record.Synchronize == FlagOn);
    chkDays->setChecked(record.IncludeDays == FlagOn);
    chkImage->setChecked(record.ImageUsed == FlagOn);

    refreshImagePane();
    showDateError(false);
    updateSample();
    updatePlacement();
    checkChanges();
}

void SettingsDialog::showSharedTexts()
{
    const SettingsRecord& record = DialogSettings.record;
    txtTitle->setText(text(record.Title));
    txtTarget->setText(text(record.Target));
    txtTargetPassed->setText(text(record.TargetPassed));
    txtDate->setText(text(m_state.services.dates.shortText(DialogSettings.date)));
}

void SettingsDialog::edit(const std::function<void(EditedSettings&)>& change, Refresh refresh)
{
    if (Loading)
        return;
    change(DialogSettings);
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

void SettingsDialog::checkChanges()
{
    Changed = settingsChanged(DialogSettings, settings, m_state.services.dates);
    cmdOK->setEnabled(Changed);
    cmdRestoreSettings->setEnabled(Changed);
    const CloseButtonLook look = closeButtonLook(Changed);
    cmdCancel->setText(QString::fromLatin1(look.caption));
    cmdCancel->setToolTip(QString::fromLatin1(look.toolTip));
}

void SettingsDialog::onOkClicked()
{
    if (m_written)
        return;
    if (!m_state.services.dates.parse(txtDate->text().toStdString())) {
        showDateError(true);
        m_state.services.platform.beep();
        txtDate->setFocus();
        return;
    }
    SettingsStore& store = m_state.services.store;
    const CommitResult written = writeSettings(store, DialogSettings);
    if (!written) {
        // The dialog stays open with every edit, so that OK can be tried again.
        m_state.services.platform.messageBox("The settings could not be saved to " + store.location() + ":\r\n"
                                                 + *written.failure,
                                             MessageIcon::Critical);
        return;
    }
    m_written = true;
    accept();
}

void SettingsDialog::onCancelClicked()
{
    reject();
}

void SettingsDialog::onRestoreClicked()
{
    loadControls();
}

void SettingsDialog::onAboutClicked()
{
    AboutBox about(m_state, this);
    about.exec();
}

void SettingsDialog::onHelpClicked()
{
    m_state.services.platform.shellOpen(m_state.helpPage(110));
}

} // namespace varnholt
