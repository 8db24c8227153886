#pragma once

#include "core/program/dialog_state.h"
#include "core/program/program_state.h"
#include "gui/widgets/twips_geometry.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QCalendarWidget;
class QCheckBox;
class QDate;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace varnholt {

class Choosers;

// The settings dialog: edits a working copy of the loaded settings and writes
// it on OK.
class SettingsDialog final : public QDialog {
    Q_OBJECT

public:
    explicit SettingsDialog(ProgramState& state, QWidget* parent = nullptr);
    // With choosers of the caller's, for tests.
    SettingsDialog(ProgramState& state, Choosers& choosers, QWidget* parent = nullptr);
    ~SettingsDialog() override;

    // Refreshes the picture pane; the image browser calls it before it closes.
    void refreshImagePane();

    QGroupBox* fraTextDate;
    QLabel* lblText;
    QLineEdit* txtTitle;
    QLabel* lblComplete;
    QLineEdit* txtTarget;
    QLabel* lblTargetPassed;
    QLineEdit* txtTargetPassed;
    QLabel* lblDate;
    QLineEdit* txtDate;
    QLineEdit* txtDateLong;
    QPushButton* cmdCalendar;
    QLabel* lblTargetMsg;
    QLabel* lblTargetPastMsg;
    QCheckBox* chkSynchronize;
    QGroupBox* fraDateRangeMsg;
    QLabel* lblDateRangeMsg;
    QPushButton* cmdFixDate;
    QCalendarWidget* MonthView;

    QGroupBox* fraStyle;
    std::array<QPushButton*, FontEntries> cmdFormat;
    std::array<QFrame*, FontEntries> picFontColour;
    QPushButton* cmdBackground;
    QFrame* picBackColour;
    QCheckBox* chkDays;
    std::array<QRadioButton*, 2> optStyle;

    QGroupBox* fraImage;
    QCheckBox* chkImage;
    QPushButton* cmdImage;
    std::array<QRadioButton*, 2> optImageStyle;
    QLabel* lblBaseImage;
    QLabel* lblFileImage;

    QGroupBox* fraMovement;
    QLabel* lblSpeedMsg;
    QLabel* lblSlow;
    QScrollBar* HScrollSpeed;
    QLabel* lblFast;
    QLabel* lblSpeed;
    QGroupBox* fraPath;
    std::array<QRadioButton*, 3> optPosition;
    QGroupBox* fraPlacement;
    QFrame* fraHoriz;
    std::array<QRadioButton*, 3> optHoriz;
    QFrame* fraVert;
    std::array<QRadioButton*, 3> optVert;
    QFrame* fraDirection;
    std::array<QRadioButton*, 4> optDirection;

    QGroupBox* fraSample;
    QLabel* lblSampleText;
    QLabel* lblSampleDate;

    QPushButton* cmdAbout;
    QPushButton* cmdHelp;
    QPushButton* cmdRestoreSettings;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // Form-level state.
    bool Loading = false;
    bool Changed = false;
    EditedSettings DialogSettings;
    std::int16_t SampleLineHeight = 0;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    SettingsDialog(ProgramState& state, Choosers* choosers, QWidget* parent);

    // From the layout table, in settings_dialog_layout.cpp.
    void buildControls();
    void connectHandlers();
    template <std::size_t N>
    void groupOptions(const std::array<QRadioButton*, N>& options, void (SettingsDialog::*handler)(int));
    void chainTabOrder();

    // What an edit of the working copy refreshes besides the change state.
    enum class Refresh { Nothing, Sample, TimeLeft, Placement, SharedTexts };
    // The one way a handler edits the working copy: not while the controls are being loaded.
    void edit(const std::function<void(EditedSettings&)>& change, Refresh refresh);

    void load();
    void loadControls();
    void showSharedTexts();
    void checkChanges();
    void onOkClicked();
    void onCancelClicked();
    void onRestoreClicked();
    void onAboutClicked();
    void onHelpClicked();

    void onTitleEdited();
    void onTargetEdited();
    void onTargetPassedEdited();
    void onDateEdited();
    void showDateError(bool show);
    void onFixDateClicked();
    void onCalendarClicked();
    void onCalendarDateClicked(const QDate& date);
    void onTextDatePaneMouseMoved(int x);
    // Where the focus goes if the calendar has it.
    void hideCalendar(QWidget* focusTo);
    void onSynchronizeClicked();

    void onFormatClicked(int index);
    void onBackgroundClicked();
    void onIncludeDaysClicked();
    void onStyleClicked(int index);
    void updateSample();

    void onPositionClicked(int index);
    void onRowClicked(int index);
    void onColumnClicked(int index);
    void onDirectionClicked(int index);
    void onSpeedChanged();
    void updatePlacement();
    void onImageStyleClicked(int index);
    void onSelectImageClicked();

    // The sample's time left for the dialog's date and its "Include Number of Days".
    void recalculateTimeLeft();
    void showPlacementLook(bool vertical);
    void showImageEmphasis(std::int16_t style);
    void paintSwatch(QFrame* swatch, std::int32_t colour);
    void paintSampleLabel(QLabel* label, const std::string& caption, int fontEntry);

    ProgramState& m_state;
    const SettingsRecord& settings;
    std::unique_ptr<Choosers> m_ownChoosers;
    Choosers& m_choosers; // the font and colour choosers
    TwipsGeometry m_geometry;
    TimeLeftOutputs m_timeLeft;
    bool m_written = false;
};

} // namespace varnholt
