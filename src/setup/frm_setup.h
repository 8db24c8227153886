#pragma once

#include "setup/dialog_state.h"
#include "setup/twips_geometry.h"
#include "startup/general.h"

#include <QDialog>
#include <QFont>

#include <array>
#include <cstdint>
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
class frmSetup final : public QDialog {
    Q_OBJECT

public:
    explicit frmSetup(General& general, QWidget* parent = nullptr);
    // With choosers of the caller's, for tests.
    frmSetup(General& general, Choosers& choosers, QWidget* parent = nullptr);
    ~frmSetup() override;

    // Refreshes the picture pane; the image browser calls it before it closes.
    void chkImage_Click();

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
    DialogValues DialogSettings;
    std::int16_t SampleLineHeight = 0;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmSetup(General& general, Choosers* choosers, QWidget* parent);

    void createTextDatePane();
    void createStylePane();
    void createImagePane();
    void createMovementPane();
    void createSampleAndButtons();
    void connectHandlers();
    template <std::size_t N>
    void groupOptions(const std::array<QRadioButton*, N>& options, void (frmSetup::*handler)(int));
    void chainTabOrder();

    void Form_Load();
    void LoadControls();
    void CheckChanges();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdRestoreSettings_Click();
    void cmdAbout_Click();
    void cmdHelp_Click();

    void txtTitle_Change();
    void txtTarget_Change();
    void txtTargetPassed_Change();
    void txtDate_Change();
    void ShowDateError(bool show);
    void cmdFixDate_Click();
    void cmdCalendar_Click();
    void MonthView_DateClick(const QDate& date);
    void fraTextDate_MouseMove(int x);
    void chkSynchronize_Click();

    void cmdFormat_Click(int index);
    void cmdBackground_Click();
    void chkDays_Click();
    void optStyle_Click(int index);
    void UpdateSample();

    void optPosition_Click(int index);
    void optHoriz_Click(int index);
    void optVert_Click(int index);
    void optDirection_Click(int index);
    void HScrollSpeed_Change();
    void UpdatePlacement();
    void optImageStyle_Click(int index);
    void cmdImage_Click();

    // The time-left outputs for the dialog's date and its "Include Number of Days".
    void recalculateTimeLeft();
    void showPlacementLook(bool vertical);
    void showImageEmphasis(std::int16_t style);
    void paintSwatch(QFrame* swatch, std::int32_t colour);
    void paintSampleLabel(QLabel* label, const std::string& caption, int fontEntry);

    template <typename Widget>
    Widget* make(const std::string& name, QWidget* parent, int left, int top, int width, int height);
    template <typename Widget>
    Widget* makeCaptioned(const std::string& name, const char* caption, QWidget* parent, int left, int top, int width,
                          int height);
    QPushButton* makeButton(const std::string& name, const char* caption, const char* toolTip, QWidget* parent,
                            int left, int top, int width, int height);
    QGroupBox* makeFrame(const char* name, const char* caption, QWidget* parent, int left, int top, int width,
                         int height);

    General& m_general;
    SettingsRecord& SaverSettings;
    std::unique_ptr<Choosers> m_ownChoosers;
    Choosers& CommonDialog1; // the font and colour choosers
    TwipsGeometry m_geometry;
    QFont m_controlFont;
    bool m_written = false;
};

} // namespace varnholt
