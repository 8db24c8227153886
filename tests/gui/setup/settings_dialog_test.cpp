#include "gui/setup/settings_dialog.h"

#include "gui/setup/settings_dialog_layout.h"
#include "platform/ini_store.h"
#include "gui/widgets/text_style.h"
#include "core/settings/settings_io.h"
#include "gui/widgets/font_chooser.h"
#include "support/widget_harness.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class FakeChoosers final : public Choosers {
public:
    std::optional<FontChoice> fontAnswer; // nothing: the user cancels
    std::optional<std::int32_t> colourAnswer;
    std::optional<FontChoice> chooseFont(const FontChoice& preset) override { return fontAnswer.value_or(preset); }
    std::optional<std::int32_t> chooseColour(std::int32_t preset) override { return colourAnswer.value_or(preset); }
};

// Start-up's part: load the store, compute the time left, then open the dialog.
struct Harness : WindowHarness {
    explicit Harness(bool iniStore = false) : WindowHarness(iniStore) { set("Common", "Date", "01/06/2012"); }

    SettingsDialog& open()
    {
        state.loadSettings();
        state.calculateTimeLeft(state.settings.Date);
        return WindowHarness::open<SettingsDialog>(choosers);
    }

    FakeChoosers choosers;
};

// Labels and frames sit in the focus chain too; Tab passes over them.
QWidget* nextTabStop(QWidget* widget)
{
    do
        widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus));
    return widget;
}

} // namespace

class FrmSetupTest : public QObject {
    Q_OBJECT

private slots:
    void layoutTable()
    {
        Harness h;
        SettingsDialog& dialog = h.open();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings - Varnholt ScreenSaver - v 3.0"));
        QCOMPARE(dialog.size(), QSize(522, 548));
        QCOMPARE(layoutMistakes(dialog, settingsDialogLayout()), QString());
    }

    void focusTabOrderAndNoDefaultButton()
    {
        Harness h;
        SettingsDialog& dialog = h.open();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.focusWidget(), h.find<QWidget>("txtTitle"));
        const char* chain[] = {"txtTitle",     "txtTarget",    "txtTargetPassed", "txtDate",      "optStyle0",
                               "optStyle1",    "optPosition0", "optPosition1",    "optPosition2", "optHoriz0",
                               "optHoriz1",    "optHoriz2",    "optVert0",        "optVert1",     "optVert2",
                               "optDirection0", "optDirection1", "optDirection2", "optDirection3", "cmdCancel",
                               "cmdOK"};
        for (std::size_t i = 1; i < std::size(chain); ++i)
            QCOMPARE(nextTabStop(h.find<QWidget>(chain[i - 1])), h.find<QWidget>(chain[i]));
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            QVERIFY2(!button->autoDefault() && !button->isDefault(), qPrintable(button->objectName()));
        QCOMPARE(h.find<QLabel>("lblDateRangeMsg")->text(),
                 QStringLiteral(" Range and Format of supported dates... \n      Minimum - 01/01/1753\n"
                                "      Maximum - 31/12/9999"));
    }

    void changeState_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<bool>("changed");
        QTest::newRow("nothing") << "" << 0 << false;
        QTest::newRow("one character") << "x" << 0 << true;
        QTest::newRow("typed and deleted") << "x" << 1 << false;
        QTest::newRow("last character deleted") << "" << 1 << true;
    }

    void changeState()
    {
        QFETCH(QString, typed);
        QFETCH(int, backspaces);
        QFETCH(bool, changed);
        Harness h;
        h.open();
        auto* box = h.find<QLineEdit>("txtTitle");
        box->end(false);
        QTest::keyClicks(box, typed);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(box, Qt::Key_Backspace);
        auto* cancel = h.find<QPushButton>("cmdCancel");
        QCOMPARE(cancel->text(), changed ? QStringLiteral("Cancel") : QStringLiteral("Close"));
        QCOMPARE(cancel->toolTip(), changed ? QStringLiteral(" Cancel any changes and Exit Settings Dialog ")
                                            : QStringLiteral(" Exit Settings Dialog "));
        QCOMPARE(h.find<QPushButton>("cmdOK")->isEnabled(), changed);
        QCOMPARE(h.find<QPushButton>("cmdRestoreSettings")->isEnabled(), changed);
        QCOMPARE(h.find<QLabel>("lblSampleText")->text(), box->text());
    }

    void dateTypedCharacterByCharacter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusedAfterEach"); // 1: the frame is shown after that character
        QTest::newRow("day first") << "1/1/1800" << "11111110";
        QTest::newRow("through an early year") << "2/2/17531" << "111111101";
        QTest::newRow("today") << "15/03/2011" << "1111111110";
    }

    void dateTypedCharacterByCharacter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, refusedAfterEach);
        Harness h;
        SettingsDialog& dialog = h.open();
        h.type("txtDate", QString());
        QString seen;
        for (QChar c : typed) {
            QTest::keyClicks(h.find<QLineEdit>("txtDate"), QString(c));
            seen += h.shown("fraDateRangeMsg") ? u'1' : u'0';
            QCOMPARE(h.find<QPushButton>("cmdCalendar")->isEnabled(), !h.shown("fraDateRangeMsg"));
        }
        QCOMPARE(seen, refusedAfterEach);
        const Date last = *h.fakes.dates.parse(typed.chopped(refusedAfterEach.endsWith(u'1') ? 1 : 0).toStdString());
        QCOMPARE(dialog.DialogSettings.date == last, true);
    }

    void dateEdges_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("first day") << "01/01/1753" << true;
        QTest::newRow("last day") << "31/12/9999" << true;
        QTest::newRow("day before the range") << "31/12/1752" << false;
        QTest::newRow("31 February") << "31/02/2012" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("10,000 characters pasted") << QString(10000, u'7') << false;
    }

    void dateEdges()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        Harness h;
        SettingsDialog& dialog = h.open();
        auto* box = h.find<QLineEdit>("txtDate");
        box->selectAll();
        box->insert(text);
        QCOMPARE(h.shown("fraDateRangeMsg"), !accepted);
        QCOMPARE(h.find("fraDateRangeMsg")->pos(), box->geometry().bottomLeft() + QPoint(0, 1));
        QCOMPARE(h.find<QLineEdit>("txtDateLong")->text(),
                 accepted ? QStringLiteral("long ") + text : QString());
        QCOMPARE(dialog.DialogSettings.date == (accepted ? *h.fakes.dates.parse(text.toStdString()) : ymd(2012, 6, 1)),
                 true);
        // A refused text alone does not enable OK.
        QCOMPARE(h.find<QPushButton>("cmdOK")->isEnabled(), accepted);
    }

    void restoreBringsBackTheLoadedDate()
    {
        Harness h;
        h.open();
        h.type("txtDate", QStringLiteral("01/06/2015"));
        h.type("txtDate", QStringLiteral("01/06/15"));
        QVERIFY(h.shown("fraDateRangeMsg"));
        h.find<QPushButton>("cmdFixDate")->click();
        QCOMPARE(h.find<QLineEdit>("txtDate")->text(), QStringLiteral("01/06/2012"));
        QVERIFY(!h.shown("fraDateRangeMsg"));
        QCOMPARE(h.find<QPushButton>("cmdCancel")->text(), QStringLiteral("Close"));
    }

    void calendar()
    {
        Harness h;
        SettingsDialog& dialog = h.open();
        auto* calendar = h.find<QCalendarWidget>("MonthView");
        QVERIFY(calendar->isHidden());
        QCOMPARE(calendar->minimumDate(), QDate(1753, 1, 1));
        QCOMPARE(calendar->maximumDate(), QDate(9999, 12, 31));
        h.find<QPushButton>("cmdCalendar")->click();
        QVERIFY(!calendar->isHidden());
        QCOMPARE(calendar->selectedDate(), QDate(2012, 6, 1));
        const QString before = h.find<QLabel>("lblSampleDate")->text();
        emit calendar->clicked(QDate(2014, 7, 4));
        QCOMPARE(h.find<QLineEdit>("txtDate")->text(), QStringLiteral("04/07/2014"));
        QVERIFY(calendar->isHidden());
        QVERIFY(h.find<QLabel>("lblSampleDate")->text() != before);
        QCOMPARE(dialog.DialogSettings.date == ymd(2014, 7, 4), true);
    }

    void mouseOverTheFrameHidesTheCalendar_data()
    {
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("left of the calendar") << QPoint(4000, 2500) << true;
        QTest::newRow("below the calendar") << QPoint(7000, 2500) << false;
        QTest::newRow("over a text box") << QPoint(4000, 1400) << false;
    }

    void mouseOverTheFrameHidesTheCalendar()
    {
        QFETCH(QPoint, twips);
        QFETCH(bool, hidden);
        Harness h;
        h.open();
        h.find<QPushButton>("cmdCalendar")->click();
        // What reaches the frame: its own moves, and moves over controls that pass them on.
        auto* frame = h.find<QGroupBox>("fraTextDate");
        const QPoint at(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0));
        QMouseEvent move(QEvent::MouseMove, at, frame->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(frame, &move);
        QCOMPARE(h.find<QCalendarWidget>("MonthView")->isHidden(), hidden);
    }

    void synchronizeRereadsTheStore_data()
    {
        QTest::addColumn<QString>("ownTitle");
        QTest::addColumn<QString>("ownDate");
        QTest::addColumn<QString>("titleWhenOff");
        QTest::addColumn<QString>("dateWhenOff");
        QTest::newRow("own values stored") << "Own title" << "24/12/2013" << "Own title" << "24/12/2013";
        QTest::newRow("nothing stored: defaults") << "" << "" << "Main Title Text (Change this!!)" << "15/03/2011";
        QTest::newRow("own date no date: today") << "Own" << "31/13/2013" << "Own" << "15/03/2011";
    }

    void synchronizeRereadsTheStore()
    {
        QFETCH(QString, ownTitle);
        QFETCH(QString, ownDate);
        QFETCH(QString, titleWhenOff);
        QFETCH(QString, dateWhenOff);
        Harness h(true);
        h.set("Common", "Title", "Shared title");
        if (!ownTitle.isEmpty()) {
            h.set("ScreenSaver", "Title", ownTitle.toStdString());
            h.set("ScreenSaver", "Date", ownDate.toStdString());
        }
        SettingsDialog& dialog = h.open();
        QTest::keyClicks(h.find<QLineEdit>("txtTitle"), QStringLiteral(" edited"));
        h.find<QCheckBox>("chkSynchronize")->click();
        QCOMPARE(h.find<QLineEdit>("txtTitle")->text(), titleWhenOff);
        QCOMPARE(h.find<QLineEdit>("txtDate")->text(), dateWhenOff);
        QCOMPARE(dialog.DialogSettings.record.Synchronize, std::int16_t(0));

        IniStore desktop(h.iniPath()); // the sibling program writes while the dialog is open
        desktop.saveSetting("Common", "Title", "Changed by the desktop");
        QVERIFY(desktop.commit());
        h.find<QCheckBox>("chkSynchronize")->click();
        QCOMPARE(h.find<QLineEdit>("txtTitle")->text(), QStringLiteral("Changed by the desktop"));
        QCOMPARE(h.find<QLineEdit>("txtDate")->text(), QStringLiteral("01/06/2012"));
    }

    void fontChooser_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("storedSize");
        QTest::newRow("cancel") << true << 0.0 << 16;
        QTest::newRow("10.5 gives 10") << false << 10.5 << 10;
        QTest::newRow("11.5 gives 12") << false << 11.5 << 12;
    }

    void fontChooser()
    {
        QFETCH(bool, cancel);
        QFETCH(double, size);
        QFETCH(int, storedSize);
        Harness h;
        SettingsDialog& dialog = h.open();
        if (!cancel)
            h.choosers.fontAnswer = FontChoice{"Serif", size, 0x00FF00, false, true, true, true};
        h.find<QPushButton>("cmdFormat1")->click();
        QCOMPARE(int(dialog.DialogSettings.record.TextFontSize[1]), storedSize);
        QCOMPARE(h.find<QPushButton>("cmdCancel")->text(), cancel ? QStringLiteral("Close") : QStringLiteral("Cancel"));
        const QColor colour = cancel ? QColor(255, 0, 0) : QColor(0, 255, 0);
        QCOMPARE(h.find<QFrame>("picFontColour1")->palette().color(QPalette::Window), colour);
        // Before the date, entry 1 is the font of the time-left line.
        auto* line = h.find<QLabel>("lblSampleDate");
        QCOMPARE(line->font().pointSize(), storedSize);
        QCOMPARE(line->font().italic(), !cancel);
        QCOMPARE(line->palette().color(QPalette::WindowText), colour);
        QCOMPARE(h.find<QLabel>("lblSampleText")->font().italic(), false);
    }

    void backgroundColour()
    {
        Harness h;
        h.open();
        h.choosers.colourAnswer = 0xFF0000; // blue
        h.find<QPushButton>("cmdBackground")->click();
        QCOMPARE(h.find<QFrame>("picBackColour")->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(h.find<QLabel>("lblSampleText")->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(h.find<QPushButton>("cmdOK")->isEnabled(), true);
    }

    void sampleStates_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("secondLine");
        QTest::newRow("ahead") << "01/06/2012" << "Event" << 10 << 26 << true;
        QTest::newRow("today") << "15/03/2011" << "Target" << 12 << 53 << false;
        QTest::newRow("passed") << "13/03/2011" << "Passed   (2 days ago!)" << 14 << 53 << false;
    }

    void sampleStates()
    {
        QFETCH(QString, date);
        QFETCH(QString, caption);
        QFETCH(int, pointSize);
        QFETCH(int, height);
        QFETCH(bool, secondLine);
        Harness h;
        h.set("Common", "Title", "Event");
        h.set("Common", "Target", "Target");
        h.set("Common", "TargetPassed", "Passed");
        for (int i = 0; i < 3; ++i)
            h.set("ScreenSaver", ("TextFontSize" + std::to_string(i)).c_str(), std::to_string(10 + 2 * i));
        h.open();
        h.type("txtDate", date);
        auto* text = h.find<QLabel>("lblSampleText");
        QCOMPARE(text->text(), caption);
        QCOMPARE(text->font().pointSize(), pointSize);
        QCOMPARE(text->height(), height);
        QCOMPARE(h.shown("lblSampleDate"), secondLine);
        // The line style changes the change state, not the sample.
        h.find<QRadioButton>("optStyle1")->click();
        QCOMPARE(h.find<QPushButton>("cmdOK")->isEnabled(), true);
        QCOMPARE(text->height(), height);
    }

    void includeDaysChangesTheLineAtOnce()
    {
        Harness h;
        h.open();
        auto* line = h.find<QLabel>("lblSampleDate");
        const QString without = line->text();
        h.find<QCheckBox>("chkDays")->click();
        QVERIFY(line->text() != without);
        QVERIFY(line->text().startsWith(without));
        h.type("txtDate", QStringLiteral("01/07/2012")); // a later edit keeps the dialog's setting
        QVERIFY(line->text().contains(QStringLiteral("474")));
        QCOMPARE(h.state.settings.IncludeDays, std::int16_t(0));
    }

    void rememberedDirections()
    {
        Harness h;
        SettingsDialog& dialog = h.open();
        const auto click = [&h](const char* name) { h.find<QRadioButton>(name)->click(); };
        click("optDirection1");
        click("optPosition1");
        QVERIFY(h.shown("fraVert") && !h.shown("fraHoriz"));
        QVERIFY(h.shown("optDirection2") && !h.shown("optDirection1"));
        QVERIFY(h.find<QRadioButton>("optDirection2")->isChecked());
        QCOMPARE(dialog.DialogSettings.record.Direction, std::int16_t(2));
        click("optDirection3");
        click("optPosition0");
        QVERIFY(h.shown("fraHoriz") && !h.shown("fraVert"));
        QVERIFY(h.shown("optDirection1") && !h.shown("optDirection3"));
        QVERIFY(h.find<QRadioButton>("optDirection1")->isChecked());
        QCOMPARE(dialog.DialogSettings.record.Direction, std::int16_t(1));
        QCOMPARE(dialog.DialogSettings.record.HorizDirection, std::int16_t(1));
        QCOMPARE(dialog.DialogSettings.record.VertDirection, std::int16_t(3));
    }

    void storedVerticalPathOpens()
    {
        Harness h;
        h.set("ScreenSaver", "Position", "1");
        h.set("ScreenSaver", "Direction", "3");
        h.set("ScreenSaver", "VertDirection", "3");
        h.open();
        QVERIFY(h.shown("fraVert") && !h.shown("fraHoriz"));
        QVERIFY(h.shown("optDirection2") && h.shown("optDirection3") && !h.shown("optDirection0"));
        QVERIFY(h.find<QRadioButton>("optDirection3")->isChecked());
        QCOMPARE(h.find<QPushButton>("cmdCancel")->text(), QStringLiteral("Close"));
    }

    void randomPathsGreyThePlacement()
    {
        Harness h;
        h.set("ScreenSaver", "Horizontal", "2");
        h.set("ScreenSaver", "Direction", "1");
        h.set("ScreenSaver", "HorizDirection", "1");
        SettingsDialog& dialog = h.open();
        h.find<QRadioButton>("optPosition2")->click();
        QVERIFY(!h.find<QWidget>("fraPlacement")->isEnabled());
        for (QRadioButton* option : h.find<QWidget>("fraPlacement")->findChildren<QRadioButton*>())
            QVERIFY2(!option->isEnabled(), qPrintable(option->objectName()));
        h.find<QPushButton>("cmdOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(h.stored("ScreenSaver", "Position"), std::string("2"));
        QCOMPARE(h.stored("ScreenSaver", "Direction"), std::string("1"));
        QCOMPARE(h.stored("ScreenSaver", "Horizontal"), std::string("2"));
    }

    void speedSteps_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("label");
        QTest::newRow("arrow right") << int(QAbstractSlider::SliderSingleStepAdd) << "60";
        QTest::newRow("arrow left") << int(QAbstractSlider::SliderSingleStepSub) << "40";
        QTest::newRow("page right") << int(QAbstractSlider::SliderPageStepAdd) << "60";
        QTest::newRow("to the end") << int(QAbstractSlider::SliderToMaximum) << "100";
    }

    void speedSteps()
    {
        QFETCH(int, action);
        QFETCH(QString, label);
        Harness h;
        SettingsDialog& dialog = h.open();
        auto* slider = h.find<QScrollBar>("HScrollSpeed");
        slider->triggerAction(QAbstractSlider::SliderAction(action));
        QCOMPARE(h.find<QLabel>("lblSpeed")->text(), label);
        QCOMPARE(int(dialog.DialogSettings.record.Speed), label.toInt());
        QCOMPARE(h.find<QPushButton>("cmdOK")->isEnabled(), true);
    }

    void draggedSpeedCountsOnRelease()
    {
        Harness h;
        h.open();
        auto* slider = h.find<QScrollBar>("HScrollSpeed");
        slider->setSliderDown(true);
        slider->setValue(80);
        QCOMPARE(h.find<QLabel>("lblSpeed")->text(), QStringLiteral("50"));
        slider->setSliderDown(false);
        QCOMPARE(h.find<QLabel>("lblSpeed")->text(), QStringLiteral("80"));
    }

    void imagePane_data()
    {
        QTest::addColumn<QString>("used");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fileEnabled");
        QTest::addColumn<QString>("fileLabel");
        QTest::newRow("no file") << "1" << "" << false << "No Image";
        QTest::newRow("file known") << "1" << "beach.jpg" << true << "beach.jpg";
        QTest::newRow("not used, file known") << "0" << "beach.jpg" << false << "beach.jpg";
    }

    void imagePane()
    {
        QFETCH(QString, used);
        QFETCH(QString, name);
        QFETCH(bool, fileEnabled);
        QFETCH(QString, fileLabel);
        Harness h;
        h.set("ScreenSaver", "ImageUsed", used.toStdString());
        h.set("ScreenSaver", "ImageName", name.toStdString());
        h.set("ScreenSaver", "ImageTag", "Bells");
        h.open();
        QCOMPARE(h.find<QPushButton>("cmdImage")->isEnabled(), used == u"1");
        QCOMPARE(h.find<QRadioButton>("optImageStyle0")->isEnabled(), used == u"1");
        QCOMPARE(h.find<QRadioButton>("optImageStyle1")->isEnabled(), fileEnabled);
        QCOMPARE(h.find<QLabel>("lblFileImage")->text(), fileLabel);
        QCOMPARE(h.find<QLabel>("lblBaseImage")->text(), QStringLiteral("Bells"));
        QVERIFY(h.find<QLabel>("lblBaseImage")->font().bold());
        QCOMPARE(h.find<QLabel>("lblBaseImage")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        if (fileEnabled) {
            h.find<QRadioButton>("optImageStyle1")->click();
            QVERIFY(h.find<QLabel>("lblFileImage")->font().bold());
            QCOMPARE(h.find<QLabel>("lblFileImage")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
            QVERIFY(!h.find<QLabel>("lblBaseImage")->font().bold());
            QCOMPARE(h.find<QLabel>("lblBaseImage")->palette().color(QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(h.state.imageSelection.ImageStyle, std::int16_t(1));
        }
        h.find<QCheckBox>("chkImage")->click();
        QCOMPARE(h.find<QPushButton>("cmdImage")->isEnabled(), used != u"1");
        QCOMPARE(h.find<QLabel>("lblFileImage")->text(), fileLabel);
    }

    void pictureChoiceOutlivesRestore()
    {
        Harness h;
        SettingsDialog& dialog = h.open();
        h.state.imageSelection.ImageTag = "Bells"; // as the image browser leaves it
        dialog.refreshImagePane();
        QCOMPARE(h.find<QLabel>("lblBaseImage")->text(), QStringLiteral("Bells"));
        h.find<QPushButton>("cmdRestoreSettings")->click();
        QCOMPARE(h.find<QPushButton>("cmdOK")->isEnabled(), true);
    }

    void okWithABadDateBeepsAndWritesNothing_data()
    {
        QTest::addColumn<QString>("date");
        QTest::newRow("31 February") << "31/02/2012";
        QTest::newRow("empty") << "";
    }

    void okWithABadDateBeepsAndWritesNothing()
    {
        QFETCH(QString, date);
        Harness h;
        SettingsDialog& dialog = h.open();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(h.find<QLineEdit>("txtTitle"), QStringLiteral("!"));
        h.type("txtDate", date);
        h.find<QWidget>("cmdOK")->setFocus();
        h.find<QPushButton>("cmdOK")->click();
        QCOMPARE(h.fakes.platform.beeps, 1);
        QVERIFY(h.shown("fraDateRangeMsg"));
        QCOMPARE(dialog.focusWidget(), h.find<QWidget>("txtDate"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(h.fakes.store.commits, 1); // the harness's own
        QVERIFY(h.fakes.store.writes.empty());
    }

    void okWritesOnceAndTheSaverReadsItBack()
    {
        Harness h(true);
        SettingsDialog& dialog = h.open();
        QTest::keyClicks(h.find<QLineEdit>("txtTitle"), QStringLiteral(" 2"));
        const QString pasted(10000, u'p');
        h.find<QLineEdit>("txtTarget")->selectAll();
        h.find<QLineEdit>("txtTarget")->insert(pasted);
        h.type("txtDate", QStringLiteral("24/12/2013"));
        h.choosers.fontAnswer = FontChoice{"Serif", 20.5, 0x123456, false, true, false, true};
        h.find<QPushButton>("cmdFormat2")->click();
        h.find<QScrollBar>("HScrollSpeed")->triggerAction(QAbstractSlider::SliderSingleStepSub);
        h.find<QPushButton>("cmdOK")->click();
        h.find<QPushButton>("cmdOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        IniStore stored(h.iniPath());
        const SettingsRecord record =
            loadSettings(stored, h.fakes.clock, h.fakes.dates, h.fakes.platform.screen()).settings;
        QCOMPARE(record.Title, std::string("Main Title Text (Change this!!) 2"));
        QCOMPARE(QString::fromStdString(record.Target), pasted);
        QCOMPARE(record.Date, std::string("24/12/2013"));
        QCOMPARE(record.Speed, std::int16_t(40));
        QCOMPARE(record.TextFontName[2], std::string("Serif"));
        QCOMPARE(record.TextFontSize[2], std::int16_t(20));
        QCOMPARE(record.TextFontColor[2], 0x123456);
        QCOMPARE(record.TextFontUnderline[2], true);
    }

    void secondOkPressWritesNothing()
    {
        Harness h;
        h.open();
        QTest::keyClicks(h.find<QLineEdit>("txtTitle"), QStringLiteral("x"));
        h.find<QPushButton>("cmdOK")->click();
        const std::size_t writes = h.fakes.store.writes.size();
        h.find<QPushButton>("cmdOK")->click();
        QCOMPARE(h.fakes.store.commits, 2); // the harness's and OK's
        QCOMPARE(h.fakes.store.writes.size(), writes);
    }

    // A read-only folder does not stop root, who runs these tests here; a folder
    // where the file should be stops every user.
    void failedWriteIsToldAndOkTriesAgain()
    {
        Harness h(true);
        SettingsDialog& dialog = h.open();
        dialog.show();
        QTest::keyClicks(h.find<QLineEdit>("txtTitle"), QStringLiteral(" 2"));
        QVERIFY(QFile::remove(h.iniPath()) && QDir().mkdir(h.iniPath()));
        h.find<QPushButton>("cmdOK")->click();
        QCOMPARE(h.fakes.platform.messages.size(), std::size_t(1));
        QCOMPARE(h.fakes.platform.messages[0].text, "The settings could not be saved to " + h.iniPath().toStdString() +
                                                        ":\r\nA folder has the name of the file.");
        QCOMPARE(h.fakes.platform.messages[0].icon, MessageIcon::Critical);
        QVERIFY(dialog.isVisible());
        QVERIFY(h.find<QPushButton>("cmdOK")->isEnabled());

        QVERIFY(QDir().rmdir(h.iniPath()));
        h.find<QPushButton>("cmdOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(IniStore(h.iniPath()).value("Common", "Title"), h.find<QLineEdit>("txtTitle")->text().toStdString());
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Esc in the title") << int(Qt::Key_Escape) << "txtTitle" << true;
        QTest::newRow("Esc on OK") << int(Qt::Key_Escape) << "cmdOK" << true;
        QTest::newRow("Enter in the title") << int(Qt::Key_Return) << "txtTitle" << false;
        QTest::newRow("Enter in the date") << int(Qt::Key_Enter) << "txtDate" << false;
        QTest::newRow("Enter on a check box") << int(Qt::Key_Return) << "chkDays" << false;
    }

    void keys()
    {
        QFETCH(int, key);
        QFETCH(QString, focus);
        QFETCH(bool, closes);
        Harness h;
        SettingsDialog& dialog = h.open();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(h.find<QLineEdit>("txtTitle"), QStringLiteral("x"));
        QWidget* target = h.find<QWidget>(focus.toLatin1().constData());
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(dialog.isVisible(), !closes);
        if (closes)
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(h.fakes.store.writes.empty());
    }

    void cancelAndCloseBoxWriteNothing()
    {
        Harness h;
        SettingsDialog& dialog = h.open();
        dialog.show();
        QTest::keyClicks(h.find<QLineEdit>("txtTitle"), QStringLiteral("x"));
        h.find<QPushButton>("cmdCancel")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.show();
        QVERIFY(dialog.close());
        QVERIFY(h.fakes.store.writes.empty());
    }

    void helpOpensTopic110()
    {
        Harness h;
        h.state.helpFilePath = "/usr/share/varnholt/Varnholt.chm";
        h.open();
        h.find<QPushButton>("cmdHelp")->click();
        QCOMPARE(h.fakes.platform.opened, std::vector<std::string>{h.state.helpPage(110)});
    }

    void badStoredValuesOpenAndOkRepairsThem_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("written");
        QTest::newRow("Position 7") << "Position" << "7" << "0";
        QTest::newRow("Style -1") << "Style" << "-1" << "0";
        QTest::newRow("IncludeDays 2") << "IncludeDays" << "2" << "0";
        QTest::newRow("Speed 500") << "Speed" << "500" << "50";
        QTest::newRow("colour above 24 bits") << "TextFontColor0" << "16777216" << "255";
        QTest::newRow("font not installed") << "TextFontName0" << "No Such Face 123" << "No Such Face 123";
        QTest::newRow("ImageStyle 9") << "ImageStyle" << "9" << "0";
        QTest::newRow("date no date") << "Date" << "not a date" << "15/03/2011";
    }

    void badStoredValuesOpenAndOkRepairsThem()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, written);
        Harness h;
        const char* section = key == u"Date" ? "Common" : "ScreenSaver";
        h.set(section, key.toLatin1().constData(), stored.toStdString());
        SettingsDialog& dialog = h.open();
        // Still usable: edits are taken and the sample follows them.
        QTest::keyClicks(h.find<QLineEdit>("txtTitle"), QStringLiteral("!"));
        QCOMPARE(h.find<QLabel>("lblSampleText")->text().endsWith(u'!'), true);
        h.find<QPushButton>("cmdOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(h.stored(section, key.toStdString())), written);
    }

    void dialogChoosersAnswerWithTheChooser_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK delivers the edited values") << true;
        QTest::newRow("Cancel delivers the preset") << false;
    }

    void dialogChoosersAnswerWithTheChooser()
    {
        QFETCH(bool, accept);
        const FontChoice preset{"Serif", 12.0, 0x00FF00, false, false, false, false};
        QWidget owner;
        QTimer::singleShot(0, &owner, [accept] {
            auto* chooser = qobject_cast<FontChooser*>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            chooser->spnSize->setValue(13.5);
            chooser->chkUnderline->click();
            accept ? chooser->accept() : chooser->reject();
        });
        DialogChoosers choosers(&owner);
        const std::optional<FontChoice> answer = choosers.chooseFont(preset);
        QVERIFY(answer);
        FontChoice edited = preset;
        edited.face = answer->face;
        edited.size = 13.5;
        edited.underline = true;
        QCOMPARE(*answer, accept ? edited : preset);
    }

    void realFontChooserReturnsSevenValues()
    {
        const QString face = QFontDatabase::families().value(0, QStringLiteral("Sans Serif"));
        FontChooser chooser({"No Such Face", 16.0, 0x0000FF, true, false, false, false});
        QCOMPARE(chooser.choice(), (FontChoice{"No Such Face", 16.0, 0x0000FF, true, false, false, false}));
        chooser.cboFace->setCurrentFont(QFont(face));
        chooser.spnSize->stepBy(-11); // half points
        chooser.chkBold->click();
        chooser.chkItalic->click();
        chooser.chkStrikeout->click();
        chooser.chkUnderline->click();
        QCOMPARE(chooser.choice(), (FontChoice{chooser.cboFace->currentFont().family().toStdString(), 10.5, 0x0000FF,
                                               false, true, true, true}));
        QVERIFY(!chooser.choice().face.empty());
    }
};

QTEST_MAIN(FrmSetupTest)
#include "settings_dialog_test.moc"
