#include "gui/setup/settings_dialog.h"

#include "gui/about/about_box.h"
#include "gui/setup/settings_dialog_layout.h"
#include "core/common/errors.h"
#include "gui/widgets/text_style.h"
#include "core/settings/conversions.h"
#include "core/settings/settings_io.h"
#include "gui/widgets/font_chooser.h"
#include "platform/x11_windows.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
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

// Qt's own connection, so that the request reaches the server after the window's creation.
void keepOutOfTaskBar(QWidget* window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection() && QGuiApplication::platformName() == QLatin1String("xcb"))
        varnholt::keepOutOfTaskBar(x11->connection(), std::uint32_t(window->winId()));
}

} // namespace

SettingsDialog::SettingsDialog(ProgramState& state, QWidget* parent) : SettingsDialog(state, nullptr, parent) {}

SettingsDialog::SettingsDialog(ProgramState& state, Choosers& choosers, QWidget* parent) : SettingsDialog(state, &choosers, parent) {}

SettingsDialog::SettingsDialog(ProgramState& state, Choosers* choosers, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      settings(state.settings),
      m_ownChoosers(choosers ? nullptr : std::make_unique<DialogChoosers>(this)),
      m_choosers(choosers ? *choosers : *m_ownChoosers),
      m_geometry(state.services.platform.screen())
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
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
    return QDialog::eventFilter(watched, event);
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
    repairImageSelection(m_state.imageSelection);

    Loading = true;
    loadControls();
    Loading = false;
}

void SettingsDialog::loadControls()
{
    const DateForms& dates = m_state.services.dates;
    DialogSettings = dialogValuesFrom(settings, dates, m_state.today);
    paintSwatch(picBackColour, DialogSettings.Background);
    for (std::size_t i = 0; i < picFontColour.size(); ++i)
        paintSwatch(picFontColour[i], DialogSettings.TextFontColor[i]);

    MonthView->hide();
    HScrollSpeed->setValue(DialogSettings.Speed);
    lblSpeed->setText(QString::number(DialogSettings.Speed));

    txtTitle->setText(text(DialogSettings.Title));
    txtTarget->setText(text(DialogSettings.Target));
    txtTargetPassed->setText(text(DialogSettings.TargetPassed));
    txtDate->setText(text(dates.shortText(DialogSettings.Date)));
    txtDateLong->setText(text(dates.longText(dates.parse(txtDate->text().toStdString()).value_or(DialogSettings.Date))));

    select(optImageStyle, m_state.imageSelection.ImageStyle);
    select(optStyle, DialogSettings.Style);
    select(optPosition, DialogSettings.Position);
    select(optHoriz, DialogSettings.Horizontal);
    select(optVert, DialogSettings.Vertical);
    select(optDirection, DialogSettings.Direction);

    chkSynchronize->setChecked(synchronizeNumber(DialogSettings.Synchronize) == 1);
    chkDays->setChecked(DialogSettings.IncludeDays == 1);
    chkImage->setChecked(DialogSettings.ImageUsed == 1);

    refreshImagePane();
    showDateError(false);
    updateSample();
    updatePlacement();
    checkChanges();
}

void SettingsDialog::checkChanges()
{
    Changed = settingsChanged(DialogSettings, settings, m_state.imageSelection, m_state.services.dates);
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
    m_written = true;
    writeSettings(m_state.services.store, DialogSettings, m_state.imageSelection, m_state.services.dates);
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

// ---- Text and date pane

void SettingsDialog::onTitleEdited()
{
    if (Loading)
        return;
    DialogSettings.Title = txtTitle->text().toStdString();
    updateSample();
    checkChanges();
}

void SettingsDialog::onTargetEdited()
{
    if (Loading)
        return;
    DialogSettings.Target = txtTarget->text().toStdString();
    updateSample();
    checkChanges();
}

void SettingsDialog::onTargetPassedEdited()
{
    if (Loading)
        return;
    DialogSettings.TargetPassed = txtTargetPassed->text().toStdString();
    updateSample();
    checkChanges();
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
    DialogSettings.Date = *date;
    showDateError(false);
    recalculateTimeLeft();
    updateSample();
    checkChanges();
}

void SettingsDialog::showDateError(bool show)
{
    txtDateLong->setText(show ? QString() : text(m_state.services.dates.longText(DialogSettings.Date)));
    fraDateRangeMsg->setVisible(show);
    cmdCalendar->setEnabled(!show);
}

void SettingsDialog::onFixDateClicked()
{
    const DateForms& dates = m_state.services.dates;
    txtDate->setText(text(dates.shortText(dialogValuesFrom(settings, dates, m_state.today).Date)));
}

void SettingsDialog::onCalendarClicked()
{
    const std::optional<Date> date = m_state.services.dates.parse(txtDate->text().toStdString());
    if (!date)
        return;
    MonthView->setSelectedDate(toQDate(*date));
    MonthView->show();
    MonthView->raise();
}

void SettingsDialog::onCalendarDateClicked(const QDate& date)
{
    txtDate->setText(text(m_state.services.dates.shortText(fromQDate(date))));
    MonthView->hide();
}

void SettingsDialog::onTextDatePaneMouseMoved(int x)
{
    if (m_geometry.toTwipsX(MonthView->x()) > x)
        MonthView->hide();
}

void SettingsDialog::onSynchronizeClicked()
{
    if (Loading)
        return;
    DialogSettings.Synchronize = textFromNumber(chkSynchronize->isChecked() ? 1 : 0);
    const DateForms& dates = m_state.services.dates;
    const SharedTexts shared = loadSharedTexts(m_state.services.store, synchronizeNumber(DialogSettings.Synchronize),
                                               m_state.today, dates);
    DialogSettings.Title = shared.Title;
    DialogSettings.Target = shared.Target;
    DialogSettings.TargetPassed = shared.TargetPassed;
    DialogSettings.Date = shared.Date.value_or(m_state.today);
    txtTitle->setText(text(DialogSettings.Title));
    txtTarget->setText(text(DialogSettings.Target));
    txtTargetPassed->setText(text(DialogSettings.TargetPassed));
    txtDate->setText(text(dates.shortText(DialogSettings.Date)));
    checkChanges();
}

void SettingsDialog::recalculateTimeLeft()
{
    const std::int16_t kept = settings.IncludeDays;
    settings.IncludeDays = DialogSettings.IncludeDays;
    m_state.calculateTimeLeft(DialogSettings.Date);
    settings.IncludeDays = kept;
}

} // namespace varnholt
