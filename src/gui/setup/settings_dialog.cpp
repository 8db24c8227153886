#include "gui/setup/settings_dialog.h"

#include "gui/about/about_box.h"
#include "gui/browse/image_browser.h"
#include "core/common/errors.h"
#include "gui/widgets/text_style.h"
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
#include <QToolTip>


namespace varnholt {

namespace {

const QColor DarkBlue(0, 0, 192);
const QColor DarkRed(192, 0, 0);
// The design height of lblSampleText, in twips.
constexpr int SampleTextHeight = 396;

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

std::string indexed(const char* name, std::size_t index)
{
    return name + std::to_string(index);
}

QDate toQDate(Date date)
{
    return QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
}

Date fromQDate(const QDate& date)
{
    return Date{std::chrono::year{date.year()}, std::chrono::month{unsigned(date.month())},
                std::chrono::day{unsigned(date.day())}};
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setBackColour(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

void setBold(QWidget* widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

// Qt's own connection, so that the request reaches the server after the window's creation.
void keepOutOfTaskBar(QWidget* window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection() && QGuiApplication::platformName() == QLatin1String("xcb"))
        varnholt::keepOutOfTaskBar(x11->connection(), std::uint32_t(window->winId()));
}

template <typename Widget, std::size_t N>
void select(const std::array<Widget*, N>& options, std::int16_t index)
{
    if (index >= 0 && std::size_t(index) < N)
        options[std::size_t(index)]->setChecked(true);
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
    setObjectName(QStringLiteral("frmSetup"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(m_geometry.toPixelsX(7836), m_geometry.toPixelsY(8220));
    // The twips boxes were measured for 8-point captions of Arial's widths; where
    // Arial is missing, fontconfig picks a face with its metrics if one is installed.
    m_controlFont = QFont(QStringLiteral("Arial"), 8);
    // Explicit, so that the controls do not inherit their frame's bold caption.
    m_controlFont.setBold(false);
    setFont(m_controlFont);

    createTextDatePane();
    createStylePane();
    createImagePane();
    createMovementPane();
    createSampleAndButtons();
    connectHandlers();
    chainTabOrder();
    load();
    txtTitle->setFocus();
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::createTextDatePane()
{
    fraTextDate = makeFrame("fraTextDate", "Text and Date Settings", this, 120, 108, 7572, 2580);
    fraTextDate->setMouseTracking(true);
    fraTextDate->installEventFilter(this);
    lblText = makeCaptioned<QLabel>("lblText", "Event Text:", fraTextDate, 180, 324, 1164, 252);
    txtTitle = make<QLineEdit>("txtTitle", fraTextDate, 1368, 288, 5964, 288);
    lblComplete = makeCaptioned<QLabel>("lblComplete", "Target Text:", fraTextDate, 180, 672, 1164, 252);
    txtTarget = make<QLineEdit>("txtTarget", fraTextDate, 1368, 636, 5964, 288);
    lblTargetPassed = makeCaptioned<QLabel>("lblTargetPassed", "Target Passed:", fraTextDate, 180, 1008, 1164, 216);
    txtTargetPassed = make<QLineEdit>("txtTargetPassed", fraTextDate, 1368, 972, 5964, 288);
    lblDate = makeCaptioned<QLabel>("lblDate", "Target Date:", fraTextDate, 180, 1344, 1164, 252);
    txtDate = make<QLineEdit>("txtDate", fraTextDate, 1368, 1308, 1608, 288);
    txtDateLong = make<QLineEdit>("txtDateLong", fraTextDate, 3120, 1308, 2484, 288);
    txtDateLong->setReadOnly(true);
    cmdCalendar = makeButton("cmdCalendar", "Show Calendar", " Use Calendar to set Target Date ", fraTextDate, 5772,
                             1308, 1572, 300);
    lblTargetMsg = makeCaptioned<QLabel>("lblTargetMsg",
                                         "Target Text will replace Event Text when the Target Date is reached.",
                                         fraTextDate, 1368, 1692, 5232, 252);
    lblTargetPastMsg = makeCaptioned<QLabel>("lblTargetPastMsg",
                                             "Target Passed will replace Target Text when the Target Date has passed.",
                                             fraTextDate, 1368, 1920, 5448, 252);
    chkSynchronize = makeCaptioned<QCheckBox>("chkSynchronize", "Synchronize Above Settings with Desktop Varnholt",
                                              fraTextDate, 180, 2196, 6456, 228);
    setBold(chkSynchronize, true);
    setTextColour(chkSynchronize, DarkBlue);

    fraDateRangeMsg = makeFrame("fraDateRangeMsg", "Date Format Error", fraTextDate, 0, 0, 3648, 876);
    setTextColour(fraDateRangeMsg, DarkRed);
    setBackColour(fraDateRangeMsg, QToolTip::palette().color(QPalette::ToolTipBase));
    fraDateRangeMsg->hide();
    lblDateRangeMsg = make<QLabel>("lblDateRangeMsg", fraDateRangeMsg, 36, 216, 3528, 588);
    lblDateRangeMsg->setTextFormat(Qt::PlainText);
    lblDateRangeMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBold(lblDateRangeMsg, true);
    setTextColour(lblDateRangeMsg, DarkBlue);
    cmdFixDate = makeButton("cmdFixDate", "Restore", nullptr, fraDateRangeMsg, 2700, 540, 876, 264);
    setBold(cmdFixDate, true);

    MonthView = make<QCalendarWidget>("MonthView", fraTextDate, 4788, 252, 2640, 2208);
    MonthView->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    // The design's calendar is small: one letter per day keeps the header readable.
    MonthView->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    MonthView->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthView->hide();
}

void SettingsDialog::createStylePane()
{
    fraStyle = makeFrame("fraStyle", "Style Settings", this, 108, 2736, 4440, 1596);
    const char* captions[] = {"Format Event Text...", "Format Target Text...", "Format Target Passed..."};
    const char* toolTips[] = {" Change Font Settings for Event Text ", " Change Font Settings for Target Text ",
                              " Change Font Settings for Target Passed Text "};
    for (std::size_t i = 0; i < cmdFormat.size(); ++i)
        cmdFormat[i] = makeButton(indexed("cmdFormat", i), captions[i], toolTips[i], fraStyle, 180,
                                  288 + 396 * int(i), 1944, 300);
    // The swatches lie on the buttons' right ends.
    for (std::size_t i = 0; i < picFontColour.size(); ++i)
        picFontColour[i] = make<QFrame>(indexed("picFontColour", i), fraStyle, 2016, 324 + 396 * int(i), 72, 72);
    cmdBackground = makeButton("cmdBackground", "Background Colour...", " Change Background Colour ", fraStyle, 2304,
                               288, 1944, 300);
    picBackColour = make<QFrame>("picBackColour", fraStyle, 4140, 324, 72, 72);
    chkDays = makeCaptioned<QCheckBox>("chkDays", "Include Number of Days", fraStyle, 2304, 612, 2052, 492);
    optStyle[0] = makeCaptioned<QRadioButton>("optStyle0", "One Line", fraStyle, 2304, 1116, 972, 228);
    optStyle[1] = makeCaptioned<QRadioButton>("optStyle1", "Two Lines", fraStyle, 3276, 1116, 1080, 228);
}

void SettingsDialog::createImagePane()
{
    fraImage = makeFrame("fraImage", "Image Settings", this, 4680, 2736, 3024, 1596);
    chkImage = makeCaptioned<QCheckBox>("chkImage", "Use Image", fraImage, 180, 288, 1152, 312);
    cmdImage = makeButton("cmdImage", "Select Image...", " Select an Image to use ", fraImage, 1368, 288, 1464, 300);
    optImageStyle[0] = makeCaptioned<QRadioButton>("optImageStyle0", "Base Image", fraImage, 180, 792, 1200, 192);
    lblBaseImage = make<QLabel>("lblBaseImage", fraImage, 1380, 768, 1428, 264);
    optImageStyle[1] = makeCaptioned<QRadioButton>("optImageStyle1", "File Image", fraImage, 180, 1188, 1200, 192);
    lblFileImage = make<QLabel>("lblFileImage", fraImage, 1380, 1160, 1428, 264);
    for (QLabel* label : {lblBaseImage, lblFileImage}) {
        label->setTextFormat(Qt::PlainText);
        label->setFrameShape(QFrame::Box);
        setBackColour(label, Qt::white);
    }
}

void SettingsDialog::createMovementPane()
{
    fraMovement = makeFrame("fraMovement", "Movement Settings", this, 108, 4392, 7608, 1992);
    lblSpeedMsg = makeCaptioned<QLabel>("lblSpeedMsg", "Speed of Movement:", fraMovement, 180, 324, 1560, 192);
    lblSlow = makeCaptioned<QLabel>("lblSlow", "Slow", fraMovement, 2196, 324, 372, 228);
    lblSlow->setAlignment(Qt::AlignRight | Qt::AlignTop);
    HScrollSpeed = make<QScrollBar>("HScrollSpeed", fraMovement, 2664, 324, 4296, 192);
    HScrollSpeed->setOrientation(Qt::Horizontal);
    HScrollSpeed->setRange(SpeedMinimum, SpeedMaximum);
    HScrollSpeed->setSingleStep(SpeedStep);
    HScrollSpeed->setPageStep(SpeedStep);
    lblFast = makeCaptioned<QLabel>("lblFast", "Fast", fraMovement, 7044, 324, 372, 228);
    lblSpeed = make<QLabel>("lblSpeed", fraMovement, 2736, 492, 3792, 192);
    lblSpeed->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    fraPath = makeFrame("fraPath", "Path", fraMovement, 180, 720, 2568, 1092);
    setBold(fraPath, false);
    const char* paths[] = {"Horizontal Path", "Vertical Path", "Random Paths"};
    for (std::size_t i = 0; i < optPosition.size(); ++i)
        optPosition[i] =
            makeCaptioned<QRadioButton>(indexed("optPosition", i), paths[i], fraPath, 240, 252 + 270 * int(i), 1740, 228);

    fraPlacement = makeFrame("fraPlacement", "Placement and Direction", fraMovement, 2916, 720, 4500, 1092);
    setBold(fraPlacement, false);
    fraHoriz = make<QFrame>("fraHoriz", fraPlacement, 36, 180, 4404, 372);
    fraVert = make<QFrame>("fraVert", fraPlacement, 36, 180, 4404, 372);
    fraDirection = make<QFrame>("fraDirection", fraPlacement, 36, 576, 4404, 372);
    for (QFrame* frame : {fraHoriz, fraVert, fraDirection})
        frame->setFrameShape(QFrame::Box);
    const int columns[] = {240, 1704, 3372};
    const char* rows[] = {"Top", "Centre", "Bottom"};
    const char* verticals[] = {"Left", "Centre", "Right"};
    for (std::size_t i = 0; i < optHoriz.size(); ++i) {
        optHoriz[i] = makeCaptioned<QRadioButton>(indexed("optHoriz", i), rows[i], fraHoriz, columns[i], 120, 816, 192);
        optVert[i] = makeCaptioned<QRadioButton>(indexed("optVert", i), verticals[i], fraVert, columns[i], 120, 816, 192);
    }
    const char* directions[] = {"Forward", "Backward", "Downward", "Upward"};
    const int widths[] = {960, 1068, 1068, 924};
    for (std::size_t i = 0; i < optDirection.size(); ++i)
        optDirection[i] = makeCaptioned<QRadioButton>(indexed("optDirection", i), directions[i], fraDirection,
                                                      columns[i % 2], 120, widths[i], 192);
}

void SettingsDialog::createSampleAndButtons()
{
    fraSample = makeFrame("fraSample", "Sample   (Number of Lines Not Updated in Sample)", this, 108, 6444, 7608, 1164);
    lblSampleText = make<QLabel>("lblSampleText", fraSample, 144, 252, 7344, SampleTextHeight);
    lblSampleDate = make<QLabel>("lblSampleDate", fraSample, 144, 636, 7344, 396);
    for (QLabel* label : {lblSampleText, lblSampleDate}) {
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    cmdAbout = makeButton("cmdAbout", "About...", " View About this ScreenSaver ", this, 108, 7716, 1080, 360);
    cmdHelp = makeButton("cmdHelp", "Help...", " View the Help screen ", this, 1322, 7716, 1080, 360);
    cmdRestoreSettings = makeButton("cmdRestoreSettings", "Restore Settings", " Restore Settings to last used values ",
                                    this, 2536, 7716, 1500, 360);
    cmdOK = makeButton("cmdOK", "OK", " Save any changes and Exit ", this, 5348, 7716, 1116, 360);
    cmdCancel = makeButton("cmdCancel", "Cancel", " Cancel any changes and Exit Settings Dialog ", this, 6600, 7716,
                           1116, 360);
}

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

void SettingsDialog::chainTabOrder()
{
    std::vector<QWidget*> order{txtTitle, txtTarget, txtTargetPassed, txtDate};
    order.insert(order.end(), optStyle.begin(), optStyle.end());
    order.insert(order.end(), optPosition.begin(), optPosition.end());
    order.insert(order.end(), optHoriz.begin(), optHoriz.end());
    order.insert(order.end(), optVert.begin(), optVert.end());
    order.insert(order.end(), optDirection.begin(), optDirection.end());
    order.insert(order.end(), {cmdCancel, cmdOK, cmdAbout, cmdHelp, cmdRestoreSettings, cmdCalendar, cmdFixDate});
    order.insert(order.end(), cmdFormat.begin(), cmdFormat.end());
    order.insert(order.end(), {cmdBackground, cmdImage, chkSynchronize, chkDays, chkImage});
    order.insert(order.end(), optImageStyle.begin(), optImageStyle.end());
    order.insert(order.end(), {HScrollSpeed, txtDateLong});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
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
    txtDateLong->setText(text(dates.longText(dates.parse(txtDate->text().toStdString()).value_or(DialogSettings.date))));

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

template <typename Change>
void SettingsDialog::edit(Change change, Refresh refresh)
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
    const CommitResult written = writeSettings(store, DialogSettings, m_state.services.dates);
    if (!written) {
        // The dialog stays open with every edit, so that OK can be tried again.
        m_state.services.platform.messageBox(
            "The settings could not be saved to " + store.location() + ":\r\n" + *written.failure,
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
    edit(
        [this](EditedSettings& edited) {
            SettingsRecord& record = edited.record;
            record.Synchronize = chkSynchronize->isChecked() ? FlagOn : FlagOff;
            const SharedTexts shared =
                loadSharedTexts(m_state.services.store, record.Synchronize, m_state.today, m_state.services.dates);
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
    setBold(emphasised, true);
    setTextColour(emphasised, DarkBlue);
    setBold(plain, false);
    setTextColour(plain, Qt::black);
}

void SettingsDialog::onSelectImageClicked()
{
    ImageBrowser browser(m_state, [this] { refreshImagePane(); }, this);
    browser.exec();
}

// ---- Controls from the twips tables

template <typename Widget>
Widget* SettingsDialog::make(const std::string& name, QWidget* parent, int left, int top, int width, int height)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(text(name));
    widget->setFont(m_controlFont);
    m_geometry.place(widget, left, top, width, height);
    return widget;
}

template <typename Widget>
Widget* SettingsDialog::makeCaptioned(const std::string& name, const char* caption, QWidget* parent, int left, int top,
                                int width, int height)
{
    Widget* widget = make<Widget>(name, parent, left, top, width, height);
    widget->setText(QString::fromLatin1(caption));
    return widget;
}

QPushButton* SettingsDialog::makeButton(const std::string& name, const char* caption, const char* toolTip, QWidget* parent,
                                  int left, int top, int width, int height)
{
    auto* button = makeCaptioned<QPushButton>(name, caption, parent, left, top, width, height);
    if (toolTip)
        button->setToolTip(QString::fromLatin1(toolTip));
    // No default button: Enter must not press OK.
    button->setAutoDefault(false);
    return button;
}

QGroupBox* SettingsDialog::makeFrame(const char* name, const char* caption, QWidget* parent, int left, int top, int width,
                               int height)
{
    auto* frame = make<QGroupBox>(name, parent, left, top, width, height);
    frame->setTitle(QString::fromLatin1(caption));
    setBold(frame, true);
    return frame;
}

} // namespace varnholt
