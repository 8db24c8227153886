#include "gui/setup/settings_dialog.h"

#include "core/settings/settings_io.h"
#include "gui/setup/settings_dialog_layout.h"
#include "gui/widgets/font_chooser.h"
#include "gui/widgets/palette.h"
#include "support/widget_harness.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <algorithm>

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

    SettingsDialog& open(bool show = false)
    {
        state.loadSettings();
        state.calculateTimeLeft(state.settings.Date);
        auto& dialog = WindowHarness::open<SettingsDialog>(choosers);
        if (show) {
            dialog.show();
            if (!QTest::qWaitForWindowActive(&dialog))
                qFatal("the dialog was not activated");
        }
        return dialog;
    }
    bool okEnabled() const { return find("cmdOK")->isEnabled(); }

    FakeChoosers choosers;
};

} // namespace

class FrmSetupTest : public QObject {
    Q_OBJECT

private slots:
    void layoutFocusAndTabOrder()
    {
        Harness h;
        h.state.helpFilePath = "/usr/share/varnholt/Varnholt.chm";
        SettingsDialog& dialog = h.open(true);
        QCOMPARE(dialog.size(), QSize(522, 548));
        QCOMPARE(layoutMistakes(dialog, settingsDialogLayout()), QString());
        QCOMPARE(dialog.focusWidget(), h.find("txtTitle"));
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            QVERIFY2(!button->autoDefault() && !button->isDefault(), qPrintable(button->objectName()));
        QCOMPARE(h.text("lblDateRangeMsg"),
                 QStringLiteral(" Range and Format of supported dates... \n"
                                "      Minimum - 01/01/1753\n      Maximum - 31/12/9999"));
        h.click(QStringLiteral("cmdHelp"));
        QCOMPARE(h.fakes.platform.opened, std::vector<std::string>{h.state.helpPage(110)});
    }

    // Real keys from the Event Text; then whole rounds of Tab and of Shift+Tab from there, each stop marked while
    // it has the focus.
    void keyboard_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("keys"); // "Tab*7": seven times
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("chain"); // MonthView: the calendar's day grid
        const auto row = [](const char* name, const char* stored, const char* keys, const char* focus, const char* date,
                            const QString& chain) {
            QTest::newRow(name) << QString::fromLatin1(stored) << QString::fromLatin1(keys)
                                << QString::fromLatin1(focus) << QString::fromLatin1(date) << chain;
        };
        const QString texts = QStringLiteral("txtTitle txtTarget txtTargetPassed txtDate optStyle0 ");
        const QString horizontal = QStringLiteral("optPosition0 optHoriz0 optDirection0 ");
        const QString buttons = QStringLiteral("cmdCancel cmdAbout cmdHelp cmdCalendar ");
        const QString changedButtons = QStringLiteral(
            "cmdCancel cmdOK cmdAbout cmdHelp cmdRestoreSettings cmdCalendar ");
        const QString style = QStringLiteral("cmdFormat0 cmdFormat1 cmdFormat2 cmdBackground ");
        const QString rest = style + QStringLiteral("chkSynchronize chkDays chkImage HScrollSpeed");
        const QString fresh = texts + horizontal + buttons + rest;
        row("horizontal path", "", "", "txtTitle", "01/06/2012", fresh);
        row("vertical after the directions had the focus", "", "Tab*7 Shift+Tab*2 Down", "optPosition1", "01/06/2012",
            texts + QStringLiteral("optPosition1 optVert0 optDirection2 ") + changedButtons + rest);
        row("horizontal again", "", "Tab*5 Down Tab*2 Shift+Tab*2 Up", "optPosition0", "01/06/2012", fresh);
        row("random paths", "", "Tab*5 Down Down", "optPosition2", "01/06/2012",
            texts + QStringLiteral("optPosition2 ") + changedButtons + rest);
        row("file image", "ImageUsed=1 ImageName=beach.jpg", "", "txtTitle", "01/06/2012",
            texts + horizontal + buttons + style
                + QStringLiteral("cmdImage chkSynchronize chkDays chkImage optImageStyle0 HScrollSpeed"));
        row("date refused", "", "Tab*3 Backspace", "txtDate", "",
            texts + horizontal + QStringLiteral("cmdCancel cmdAbout cmdHelp cmdFixDate ") + rest);
        row("calendar shown", "", "Tab*11 Space", "MonthView", "01/06/2012",
            texts + horizontal + buttons + QStringLiteral("MonthView ") + rest);
        row("calendar: Enter picks the day", "", "Tab*11 Space Right Down Return", "txtDate", "09/06/2012",
            texts + horizontal + changedButtons + rest);
        row("calendar: Esc hides it, not the dialog", "", "Tab*11 Space Left Escape", "cmdCalendar", "01/06/2012",
            fresh);
    }

    void keyboard()
    {
        QFETCH(QString, stored);
        QFETCH(QString, keys);
        QFETCH(QString, focus);
        QFETCH(QString, date);
        QFETCH(QString, chain);
        Harness h;
        h.set("ScreenSaver", stored);
        h.open(true);
        auto* calendar = h.find<QCalendarWidget>("MonthView");
        const auto stop = [calendar](QWidget* widget) {
            return calendar->isAncestorOf(widget) ? QStringLiteral("MonthView") : widget->objectName();
        };
        for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts)) {
            const QKeyCombination combination = QKeySequence(key.section(u'*', 0, 0))[0];
            for (int i = 0; i < qMax(1, key.section(u'*', 1).toInt()); ++i)
                QTest::keyClick(QApplication::focusWidget(), combination.key(), combination.keyboardModifiers());
        }
        QVERIFY(h.window->isVisible());
        QCOMPARE(stop(QApplication::focusWidget()), focus);
        QCOMPARE(h.text("txtDate"), date);
        QCOMPARE(calendar->isVisible(), focus == u"MonthView");
        for (const Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
            h.find("txtTitle")->setFocus();
            QStringList stops;
            QStringList unmarked;
            for (QWidget* at = QApplication::focusWidget();
                 stops.size() < 60 && (stops.isEmpty() || at != h.find("txtTitle")); at = QApplication::focusWidget()) {
                stops << stop(at);
                const QImage marked = at->grab().toImage();
                QTest::keyClick(at, Qt::Key_Tab, modifiers);
                if (at->grab().toImage() == marked)
                    unmarked << stop(at);
            }
            if (modifiers == Qt::ShiftModifier)
                std::reverse(stops.begin() + 1, stops.end());
            QCOMPARE(stops.join(u' '), chain);
            QCOMPARE(unmarked.join(u' '), QString());
        }
    }

    void changeStateFollowsTheEdits()
    {
        Harness h;
        SettingsDialog& dialog = h.open();
        auto* box = h.find<QLineEdit>("txtTitle");
        box->end(false);
        for (const bool changed : {true, false}) {
            QTest::keyClick(box, changed ? Qt::Key_X : Qt::Key_Backspace);
            QCOMPARE(h.text("cmdCancel"), changed ? QStringLiteral("Cancel") : QStringLiteral("Close"));
            QCOMPARE(h.find("cmdCancel")->toolTip(),
                     changed ? QStringLiteral(" Cancel any changes and Exit Settings Dialog ")
                             : QStringLiteral(" Exit Settings Dialog "));
            QCOMPARE(h.okEnabled(), changed);
            QCOMPARE(h.find("cmdRestoreSettings")->isEnabled(), changed);
            QCOMPARE(h.text("lblSampleText"), box->text());
        }
        h.state.imageSelection.ImageTag = "Bells"; // as the image browser leaves it
        dialog.refreshImagePane();
        QCOMPARE(h.text("lblBaseImage"), QStringLiteral("Bells"));
        h.click(QStringLiteral("cmdRestoreSettings"));
        QVERIFY(h.okEnabled());
    }

    void dateEdgesAndRestore_data()
    {
        QTest::addColumn<QString>("typed");            // one key at a time
        QTest::addColumn<QString>("refusedAfterEach"); // 1: the frame is shown after that key
        QTest::newRow("first day") << "1/1/1753"
                                   << "11111110";
        QTest::newRow("last good date kept under a refused one") << "2/2/17531"
                                                                 << "111111101";
    }

    void dateEdgesAndRestore()
    {
        QFETCH(QString, typed);
        QFETCH(QString, refusedAfterEach);
        Harness h;
        SettingsDialog& dialog = h.open();
        auto* box = h.find<QLineEdit>("txtDate");
        h.type("txtDate", QString());
        QString seen;
        for (QChar c : typed) {
            QTest::keyClicks(box, QString(c));
            seen += h.shown("fraDateRangeMsg") ? u'1' : u'0';
            QCOMPARE(h.find("cmdCalendar")->isEnabled(), !h.shown("fraDateRangeMsg"));
        }
        QCOMPARE(seen, refusedAfterEach);
        QCOMPARE(h.find("fraDateRangeMsg")->pos(), box->geometry().bottomLeft() + QPoint(0, 1));
        const bool accepted = refusedAfterEach.endsWith(u'0');
        QCOMPARE(h.text("txtDateLong"), accepted ? QStringLiteral("long 01/01/1753") : QString());
        const QString good = refusedAfterEach.contains(u'0') ? typed.left(refusedAfterEach.lastIndexOf(u'0') + 1)
                                                             : QStringLiteral("01/06/2012");
        QCOMPARE(dialog.DialogSettings.date == *h.fakes.dates.parse(good.toStdString()), true);
        QCOMPARE(h.okEnabled(), good != u"01/06/2012"); // a refused text alone does not enable OK
        h.click(QStringLiteral("cmdFixDate"));
        QCOMPARE(box->text(), QStringLiteral("01/06/2012"));
        QVERIFY(!h.shown("fraDateRangeMsg"));
        QCOMPARE(h.text("cmdCancel"), QStringLiteral("Close"));
    }

    void calendarAndIncludeDays()
    {
        Harness h;
        SettingsDialog& dialog = h.open(true);
        const QString without = h.text("lblSampleDate");
        h.click(QStringLiteral("chkDays"));
        QVERIFY(h.text("lblSampleDate") != without);
        QVERIFY(h.text("lblSampleDate").startsWith(without));
        auto* calendar = h.find<QCalendarWidget>("MonthView");
        QVERIFY(calendar->isHidden());
        QCOMPARE(calendar->minimumDate(), QDate(1753, 1, 1));
        QCOMPARE(calendar->maximumDate(), QDate(9999, 12, 31));
        h.find("cmdCalendar")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Enter presses a focused button
        QTRY_VERIFY(!calendar->isHidden());
        QCOMPARE(calendar->selectedDate(), QDate(2012, 6, 1));
        // What reaches the frame: its own moves, and moves over controls that pass them on.
        auto* frame = h.find("fraTextDate");
        for (const QPoint twips : {QPoint(4000, 1400), QPoint(7000, 2500), QPoint(4000, 2500)}) {
            const QPoint at = twips / 15;
            QMouseEvent move(QEvent::MouseMove, at, frame->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(frame, &move);
            QCOMPARE(calendar->isHidden(), twips == QPoint(4000, 2500)); // over a text box, below, left
        }
        QCOMPARE(QApplication::focusWidget(), h.find("cmdCalendar")); // the calendar's focus goes back to its button
        h.click(QStringLiteral("cmdCalendar"));
        emit calendar->clicked(QDate(2014, 7, 4));
        QCOMPARE(h.text("txtDate"), QStringLiteral("04/07/2014"));
        QVERIFY(calendar->isHidden());
        // The days are counted from the fixed clock's 15/03/2011, with the dialog's setting, not the stored one.
        QVERIFY(h.text("lblSampleDate").contains(QStringLiteral("1207")));
        QCOMPARE(h.state.settings.IncludeDays, std::int16_t(0));
        QCOMPARE(dialog.DialogSettings.date == ymd(2014, 7, 4), true);
    }

    void synchronizeRereadsTheStore()
    {
        Harness h(true);
        h.set("Common", "Title", "Shared title");
        h.set("ScreenSaver", QStringLiteral("Title=Own Date=24/12/2013"));
        SettingsDialog& dialog = h.open();
        QTest::keyClicks(h.find("txtTitle"), QStringLiteral(" edited"));
        h.click(QStringLiteral("chkSynchronize"));
        QCOMPARE(h.text("txtTitle"), QStringLiteral("Own"));
        QCOMPARE(h.text("txtDate"), QStringLiteral("24/12/2013"));
        QCOMPARE(dialog.DialogSettings.record.Synchronize, std::int16_t(0));

        IniStore desktop(h.iniPath()); // the sibling program writes while the dialog is open
        desktop.saveSetting("Common", "Title", "Changed by the desktop");
        QVERIFY(desktop.commit());
        h.click(QStringLiteral("chkSynchronize"));
        QCOMPARE(h.text("txtTitle"), QStringLiteral("Changed by the desktop"));
        QCOMPARE(h.text("txtDate"), QStringLiteral("01/06/2012"));
    }

    void fontAndBackgroundChoosers_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<double>("size"); // 0: the chooser is cancelled
        QTest::addColumn<int>("storedSize");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("font cancelled") << "cmdFormat1" << 0.0 << 16 << QColor(255, 0, 0);
        QTest::newRow("font 10.5 gives 10") << "cmdFormat1" << 10.5 << 10 << QColor(0, 255, 0);
        QTest::newRow("background") << "cmdBackground" << 0.0 << 16 << QColor(0, 0, 255);
    }

    void fontAndBackgroundChoosers()
    {
        QFETCH(QString, button);
        QFETCH(double, size);
        QFETCH(int, storedSize);
        QFETCH(QColor, colour);
        Harness h;
        SettingsDialog& dialog = h.open();
        if (size > 0)
            h.choosers.fontAnswer = FontChoice{"Serif", size, 0x00FF00, false, true, true, true};
        h.choosers.colourAnswer = 0xFF0000; // blue
        h.click(button);
        const bool background = button == u"cmdBackground";
        QCOMPARE(int(dialog.DialogSettings.record.TextFontSize[1]), storedSize);
        QCOMPARE(h.okEnabled(), background || size > 0);
        QCOMPARE(h.find(background ? "picBackColour" : "picFontColour1")->palette().color(QPalette::Window), colour);
        // Before the date, entry 1 is the font of the time-left line.
        const QWidget* line = h.find("lblSampleDate");
        QCOMPARE(line->palette().color(background ? QPalette::Window : QPalette::WindowText), colour);
        QCOMPARE(line->font().pointSize(), storedSize);
        QCOMPARE(line->font().italic(), size > 0);
        QCOMPARE(h.find("lblSampleText")->font().italic(), false);
    }

    void sampleStates_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("secondLine");
        QTest::newRow("ahead") << "01/06/2012"
                               << "Event" << 10 << 26 << true;
        QTest::newRow("today") << "15/03/2011"
                               << "Target" << 12 << 53 << false;
        QTest::newRow("passed") << "13/03/2011"
                                << "Passed   (2 days ago!)" << 14 << 53 << false;
    }

    void sampleStates()
    {
        QFETCH(QString, date);
        QFETCH(QString, caption);
        QFETCH(int, pointSize);
        QFETCH(int, height);
        QFETCH(bool, secondLine);
        Harness h;
        h.set("Common", QStringLiteral("Title=Event Target=Target TargetPassed=Passed"));
        h.set("ScreenSaver", QStringLiteral("TextFontSize0=10 TextFontSize1=12 TextFontSize2=14"));
        h.open();
        h.type("txtDate", date);
        auto* text = h.find<QLabel>("lblSampleText");
        QCOMPARE(text->text(), caption);
        QCOMPARE(text->font().pointSize(), pointSize);
        QCOMPARE(text->height(), height);
        QCOMPARE(h.shown("lblSampleDate"), secondLine);
        // The line style changes the change state, not the sample.
        h.click(QStringLiteral("optStyle1"));
        QVERIFY(h.okEnabled());
        QCOMPARE(text->height(), height);
    }

    void placementAndDirections_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("remembered"); // HorizDirection, VertDirection
        QTest::addColumn<bool>("placement");
        QTest::newRow("backward, then vertical") << ""
                                                 << "optDirection1 optPosition1" << true << 2 << "12" << true;
        QTest::newRow("back to horizontal: backward again")
            << ""
            << "optDirection1 optPosition1 optDirection3 optPosition0" << false << 1 << "13" << true;
        QTest::newRow("stored vertical, upward") << "Position=1 Direction=3 VertDirection=3"
                                                 << "" << true << 3 << "03" << true;
        QTest::newRow("random paths grey the placement") << "Horizontal=2 Direction=1 HorizDirection=1"
                                                         << "optPosition2" << false << 1 << "12" << false;
    }

    void placementAndDirections()
    {
        QFETCH(QString, stored);
        QFETCH(QString, clicks);
        QFETCH(bool, vertical);
        QFETCH(int, direction);
        QFETCH(QString, remembered);
        QFETCH(bool, placement);
        Harness h;
        h.set("ScreenSaver", stored);
        SettingsDialog& dialog = h.open();
        h.click(clicks);
        QCOMPARE(h.shown("fraVert"), vertical);
        QCOMPARE(h.shown("fraHoriz"), !vertical);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(h.shown(("optDirection" + std::to_string(i)).c_str()), (i >= 2) == vertical);
        QVERIFY(h.find<QRadioButton>(("optDirection" + std::to_string(direction)).c_str())->isChecked());
        const SettingsRecord& values = dialog.DialogSettings.record;
        QCOMPARE(int(values.Direction), direction);
        QCOMPARE(QString::number(values.HorizDirection) + QString::number(values.VertDirection), remembered);
        QCOMPARE(h.okEnabled(), !clicks.isEmpty());
        QCOMPARE(h.find("fraPlacement")->isEnabled(), placement);
        for (QRadioButton* option : h.find("fraPlacement")->findChildren<QRadioButton*>())
            QVERIFY2(option->isEnabled() == placement, qPrintable(option->objectName()));
    }

    void speed_data()
    {
        QTest::addColumn<int>("action"); // none: a key, or the thumb is dragged to 80
        QTest::addColumn<int>("key");    // typed where the keyboard focus is, after focusing the slider
        QTest::addColumn<QString>("label");
        QTest::newRow("arrow left") << int(QAbstractSlider::SliderSingleStepSub) << 0 << "40";
        QTest::newRow("dragged") << int(QAbstractSlider::SliderNoAction) << 0 << "80";
        QTest::newRow("Right key") << int(QAbstractSlider::SliderNoAction) << int(Qt::Key_Right) << "60";
        QTest::newRow("Page Up key") << int(QAbstractSlider::SliderNoAction) << int(Qt::Key_PageUp) << "60";
        QTest::newRow("End key") << int(QAbstractSlider::SliderNoAction) << int(Qt::Key_End) << "100";
    }

    void speed()
    {
        QFETCH(int, action);
        QFETCH(int, key);
        QFETCH(QString, label);
        Harness h;
        SettingsDialog& dialog = h.open(true);
        auto* slider = h.find<QScrollBar>("HScrollSpeed");
        if (key != 0) {
            slider->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        } else if (action == QAbstractSlider::SliderNoAction) {
            slider->setSliderDown(true);
            slider->setValue(80);
            QCOMPARE(h.text("lblSpeed"), QStringLiteral("50")); // counted on release only
            slider->setSliderDown(false);
        }
        slider->triggerAction(QAbstractSlider::SliderAction(action));
        QCOMPARE(h.text("lblSpeed"), label);
        QCOMPARE(int(dialog.DialogSettings.record.Speed), label.toInt());
        QVERIFY(h.okEnabled());
    }

    void imagePane_data()
    {
        QTest::addColumn<QString>("used");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fileEnabled");
        QTest::addColumn<QString>("fileLabel");
        QTest::newRow("no file") << "1"
                                 << "" << false << "No Image";
        QTest::newRow("file known") << "1"
                                    << "beach.jpg" << true << "beach.jpg";
        QTest::newRow("not used, file known") << "0"
                                              << "beach.jpg" << false << "beach.jpg";
    }

    void imagePane()
    {
        QFETCH(QString, used);
        QFETCH(QString, name);
        QFETCH(bool, fileEnabled);
        QFETCH(QString, fileLabel);
        Harness h;
        h.set("ScreenSaver", QStringLiteral("ImageTag=Bells ImageUsed=") + used + QStringLiteral(" ImageName=") + name);
        h.open();
        const auto look = [&h](const char* label) {
            const QWidget* control = h.find(label);
            const QColor colour = control->palette().color(QPalette::WindowText);
            if (control->font().bold() && colour == DarkBlue)
                return QStringLiteral("emphasised");
            return !control->font().bold() && colour == Qt::black ? QStringLiteral("plain") : QStringLiteral("mixed");
        };
        QCOMPARE(h.find("cmdImage")->isEnabled(), used == u"1");
        QCOMPARE(h.find("optImageStyle0")->isEnabled(), used == u"1");
        QCOMPARE(h.find("optImageStyle1")->isEnabled(), fileEnabled);
        QCOMPARE(h.text("lblFileImage"), fileLabel);
        QCOMPARE(h.text("lblBaseImage"), QStringLiteral("Bells"));
        QCOMPARE(look("lblBaseImage") + u' ' + look("lblFileImage"), QStringLiteral("emphasised plain"));
        if (fileEnabled) {
            h.click(QStringLiteral("optImageStyle1"));
            QCOMPARE(look("lblBaseImage") + u' ' + look("lblFileImage"), QStringLiteral("plain emphasised"));
            QCOMPARE(h.state.imageSelection.ImageStyle, std::int16_t(1));
        }
        h.click(QStringLiteral("chkImage"));
        QCOMPARE(h.find("cmdImage")->isEnabled(), used != u"1");
        QCOMPARE(h.text("lblFileImage"), fileLabel);
    }

    // The browser's OK keeps its choice for the dialog; its Cancel returns to the stored one, even after an OK.
    void imageBrowserAnswers()
    {
        Harness h;
        h.set("ScreenSaver", QStringLiteral("ImageUsed=1 ImageIndex=3 ImageTag=Candles"));
        h.open(true);
        const auto answer = [&h](const char* photo, const char* button) {
            QTimer::singleShot(0, [photo, button] {
                QWidget* browser = QApplication::activeModalWidget();
                QTest::mouseClick(browser->findChild<QWidget*>(QString::fromLatin1(photo)), Qt::LeftButton);
                QTest::mouseClick(browser->findChild<QWidget*>(QString::fromLatin1(button)), Qt::LeftButton);
            });
            h.click(QStringLiteral("cmdImage"));
        };
        answer("imgPhotos4", "cmdOK");
        QCOMPARE(h.state.imageSelection.ImageIndex, std::int16_t(4));
        QCOMPARE(h.text("lblBaseImage"), QStringLiteral("Hammock"));
        answer("imgPhotos8", "cmdCancel");
        QCOMPARE(h.state.imageSelection.ImageIndex, std::int16_t(3));
        QCOMPARE(h.text("lblBaseImage"), QStringLiteral("Candles"));
    }

    // A read-only folder does not stop root, who runs these tests here; a folder where the file should be does.
    void okTellsAFailedWriteThenWritesOnceForTheSaver()
    {
        Harness h(true);
        SettingsDialog& dialog = h.open(true);
        const QString pasted(10000, u'p');
        h.find<QLineEdit>("txtTarget")->selectAll();
        h.find<QLineEdit>("txtTarget")->insert(pasted);
        h.type("txtDate", QStringLiteral("24/12/2013"));
        h.choosers.fontAnswer = FontChoice{"Serif", 20.5, 0x123456, false, true, false, true};
        h.click(QStringLiteral("cmdFormat2"));
        h.find<QScrollBar>("HScrollSpeed")->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QVERIFY(QFile::remove(h.iniPath()) && QDir().mkdir(h.iniPath()));
        h.click(QStringLiteral("cmdOK"));
        QCOMPARE(h.fakes.platform.messages.size(), std::size_t(1));
        QCOMPARE(h.fakes.platform.messages[0].text,
                 "The settings could not be saved to " + h.iniPath().toStdString()
                     + ":\r\nA folder has the name of the file.");
        QCOMPARE(h.fakes.platform.messages[0].icon, MessageIcon::Critical);
        QVERIFY(dialog.isVisible() && h.okEnabled());
        QVERIFY(QDir().rmdir(h.iniPath()));
        h.click(QStringLiteral("cmdOK"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        IniStore stored(h.iniPath()); // a second press must not write over what came since
        stored.saveSetting("ScreenSaver", "Style", "1");
        QVERIFY(stored.commit());
        h.click(QStringLiteral("cmdOK"));

        const SettingsRecord record = loadSettings(stored, h.fakes.clock).settings;
        QCOMPARE(record.Style, std::int16_t(1));
        QCOMPARE(QString::fromStdString(record.Target), pasted);
        QCOMPARE(record.Date, std::string("2013-12-24")); // one form for every locale
        QCOMPARE(record.Speed, std::int16_t(40));
        QCOMPARE(record.TextFontName[2], std::string("Serif"));
        QCOMPARE(record.TextFontSize[2], std::int16_t(20));
        QCOMPARE(record.TextFontColor[2], 0x123456);
        QCOMPARE(record.TextFontUnderline[2], true);
    }

    void waysOutWithoutWriting_data()
    {
        QTest::addColumn<QString>("focus"); // none: the close box
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("date"); // typed first; none: left as stored
        QTest::addColumn<bool>("closes");
        QTest::newRow("Esc on OK") << "cmdOK" << int(Qt::Key_Escape) << "" << true;
        QTest::newRow("Enter in the title") << "txtTitle" << int(Qt::Key_Return) << "" << false;
        QTest::newRow("Cancel") << "cmdCancel" << int(Qt::Key_Space) << "" << true;
        QTest::newRow("close box") << "" << 0 << "" << true;
        QTest::newRow("OK with a bad date beeps") << "cmdOK" << int(Qt::Key_Space) << "31/02/2012" << false;
    }

    void waysOutWithoutWriting()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, date);
        QFETCH(bool, closes);
        Harness h;
        SettingsDialog& dialog = h.open(true);
        QTest::keyClicks(h.find("txtTitle"), QStringLiteral("x"));
        if (!date.isEmpty())
            h.type("txtDate", date);
        if (focus.isEmpty()) {
            QVERIFY(dialog.close());
        } else {
            QWidget* target = h.find(focus.toLatin1().constData());
            target->setFocus();
            QTest::keyClick(target, Qt::Key(key));
        }
        QCOMPARE(dialog.isVisible(), !closes);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(h.fakes.platform.beeps, int(!date.isEmpty()));
        QCOMPARE(h.shown("fraDateRangeMsg"), !date.isEmpty());
        if (!date.isEmpty())
            QCOMPARE(dialog.focusWidget(), h.find("txtDate"));
        QCOMPARE(h.fakes.store.commits, 1); // the harness's own
        QVERIFY(h.fakes.store.writes.empty());
    }

    void realFontChooserAnswers()
    {
        for (const bool accept : {true, false}) {
            const FontChoice preset{"No Such Face", 16.0, 0x0000FF, true, false, false, false};
            QWidget owner;
            FontChoice edited = preset;
            QTimer::singleShot(0, &owner, [&] {
                auto* chooser = qobject_cast<FontChooser*>(QApplication::activeModalWidget());
                QVERIFY(chooser);
                QCOMPARE(chooser->choice(), preset);
                chooser->cboFace->setCurrentFont(QFont(QFontDatabase::families().value(0)));
                chooser->spnSize->stepBy(-11); // half points
                for (QCheckBox* box :
                     {chooser->chkBold, chooser->chkItalic, chooser->chkStrikeout, chooser->chkUnderline})
                    box->click();
                edited = {
                    chooser->cboFace->currentFont().family().toStdString(), 10.5, 0x0000FF, false, true, true, true};
                const QFont sample = chooser->lblSample->font(); // the live sample follows every choice
                QCOMPARE(sample.family(), chooser->cboFace->currentFont().family());
                QCOMPARE(sample.pointSizeF(), 10.5);
                QVERIFY(!sample.bold() && sample.italic() && sample.strikeOut() && sample.underline());
                QCOMPARE(chooser->lblSample->palette().color(QPalette::WindowText), QColor(Qt::red));
                QString colourTitle;
                QTimer::singleShot(0, chooser, [&] {
                    if (auto* colours = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                        colourTitle = colours->windowTitle();
                        colours->reject();
                    }
                });
                chooser->cmdColour->click();
                QCOMPARE(colourTitle, QStringLiteral("Colour"));
                accept ? chooser->accept() : chooser->reject();
            });
            const std::optional<FontChoice> answer = DialogChoosers(&owner).chooseFont(preset);
            QVERIFY(answer && !edited.face.empty());
            QCOMPARE(*answer, accept ? edited : preset);
        }
    }
};

QTEST_MAIN(FrmSetupTest)
#include "settings_dialog_test.moc"
