// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/settings_dialog_controller.h"
#include "core/program/program_state.h"
#include "gui/widgets/control_states.h"
#include "gui/widgets/twips_geometry.h"

#include <QDialog>

#include <array>
#include <memory>

class QCalendarWidget;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace varnholt {

class Choosers;
class FormBuilder;

// The settings dialog: shows what its controller says and hands it the user's events.
class SettingsDialog final : public QDialog, private WidgetFormView<SettingsDialogView> {
    Q_OBJECT

public:
    // Choosers of the caller's are for tests; by default the dialog opens Qt's.
    explicit SettingsDialog(ProgramState& state, Choosers* choosers = nullptr, QWidget* parent = nullptr);
    ~SettingsDialog() override;

    const SettingsDialogController& controller() const { return m_controller; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The controls, made from the layout table and named as its rows.
    struct Controls {
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

        void bind(const FormBuilder& form);
    };

    // From the layout table, in settings_dialog_layout.cpp.
    void buildControls();
    void connectHandlers();
    void chainTabOrder();

    void onCalendarDateClicked(const QDate& date);
    void onTextDatePaneMouseMoved(int x);
    bool calendarFocused() const;

    // What the controller says, in settings_dialog_panes.cpp.
    void showText(std::string_view control, const std::string& text) override;
    void showChecked(std::string_view control, bool checked) override;
    std::optional<FontChoice> chooseFont(const FontChoice& preset) override;
    std::optional<std::int32_t> chooseColour(std::int32_t preset) override;
    std::optional<PictureChoice> openImageBrowser(const PictureChoice& start) override;
    void openAbout() override;
    void openHelp(int topic) override;
    void openCalendar(Date selected) override;
    void showSliderValue(std::string_view control, int value) override;
    void showSwatch(std::string_view control, std::int32_t colour) override;
    void showEmphasis(std::string_view control, bool emphasised) override;
    void showToolTip(std::string_view control, const std::string& text) override;
    void showSample(const SampleLook& look, const SettingsRecord& record) override;
    void focus(std::string_view control) override;
    void closeDialog(bool accepted) override;

    // Runs a change the controller asks for; the signals it raises are not the user's.
    template <typename Change>
    void shown(Change change);

    ProgramState& m_state;
    std::unique_ptr<Choosers> m_ownChoosers;
    Choosers& m_choosers; // the font and colour choosers
    TwipsGeometry m_geometry;
    Controls m_ui{};
    bool m_showing = false;
    SettingsDialogController m_controller;
};

} // namespace varnholt
