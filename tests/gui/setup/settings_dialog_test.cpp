// SPDX-License-Identifier: MIT
#include "gui/setup/settings_dialog.h"

#include "core/forms/settings_dialog_layout.h"
#include "core/settings/key_table.h"
#include "core/settings/settings_io.h"
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
        state.calculateTimeLeft(state.settings().Date);
        auto& dialog = WindowHarness::open<SettingsDialog>(&choosers);
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

class SettingsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void layoutFocusAndTabOrder()
    {
        Harness h;
        h.state.setHelpFilePath("/usr/share/varnholt/Varnholt.chm");
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

    // The calendar's own keys, its range and what hides it; the days count is the controller's.
    void calendar()
    {
        Harness h;
        h.open(true);
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
    }

    // Each control's event reaches the controller: typed into or clicked as a user does.
    void eventsReachTheController_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("actions"); // "name" clicks it, "name=text" types into it
        QTest::addColumn<QString>("key");     // of the working copy; date, changed and result are the dialog's
        QTest::addColumn<QString>("value");
        const auto row = [](const char* stored, const char* actions, const char* key, const char* value) {
            QTest::newRow(actions) << QString::fromLatin1(stored) << QString::fromLatin1(actions)
                                   << QString::fromLatin1(key) << QString::fromLatin1(value);
        };
        row("", "txtTitle=Mine", "Title", "Mine");
        row("", "txtTarget=There", "Target", "There");
        row("", "txtTargetPassed=Gone", "TargetPassed", "Gone");
        row("", "txtDate=04/07/2014", "date", "04/07/2014");
        row("", "txtDate=1/1/2000 cmdFixDate", "date", "01/06/2012");
        row("", "chkSynchronize", "Synchronize", "0");
        row("", "chkDays", "IncludeDays", "1");
        row("ImageUsed=0", "chkImage", "ImageUsed", "1");
        row("", "optStyle1", "Style", "1");
        row("", "optPosition2", "Position", "2");
        row("", "optHoriz2", "Horizontal", "2");
        row("Position=1", "optVert2", "Vertical", "2");
        row("", "optDirection1", "Direction", "1");
        row("ImageUsed=1 ImageName=beach.jpg", "optImageStyle1", "ImageStyle", "1");
        row("", "cmdFormat2", "TextFontName2", "Serif");
        row("", "cmdBackground", "Background", "16711680");
        row("", "txtTitle=Mine cmdRestoreSettings", "changed", "0");
        row("", "txtTitle=Mine cmdOK", "result", "1");
    }

    void eventsReachTheController()
    {
        QFETCH(QString, stored);
        QFETCH(QString, actions);
        QFETCH(QString, key);
        QFETCH(QString, value);
        Harness h;
        h.set("ScreenSaver", stored);
        h.choosers.fontAnswer = FontChoice{"Serif", 10.0, 0, false, false, false, false};
        h.choosers.colourAnswer = 0xFF0000;
        SettingsDialog& dialog = h.open(true);
        for (const QString& action : actions.split(u' ')) {
            const QByteArray name = action.section(u'=', 0, 0).toLatin1();
            action.contains(u'=') ? h.type(name.constData(), action.section(u'=', 1)) : h.click(action);
        }
        const SettingsDialogController& controller = dialog.controller();
        const std::map<QString, std::string> dialogValues{
            {QStringLiteral("date"), h.fakes.dates.shortText(controller.workingCopy().date)},
            {QStringLiteral("changed"), std::to_string(controller.changed())},
            {QStringLiteral("result"), std::to_string(dialog.result())}};
        const auto own = dialogValues.find(key);
        QCOMPARE(own != dialogValues.end() ? own->second
                                           : storedText(controller.workingCopy().record, keyNamed(key.toStdString())),
                 value.toStdString());
    }

    // The view shows what the controller says: colours, fonts, emphasis, captions and the date error frame.
    void theViewShowsWhatTheControllerSays()
    {
        Harness h;
        h.set("ScreenSaver", QStringLiteral("ImageUsed=1 ImageName=beach.jpg TextFontSize1=12"));
        h.open();
        h.choosers.fontAnswer = FontChoice{"Serif", 10.5, 0x00FF00, false, true, true, true};
        h.choosers.colourAnswer = 0xFF0000; // blue
        h.click(QStringLiteral("cmdFormat1 cmdBackground optImageStyle1"));
        QCOMPARE(h.find("picFontColour1")->palette().color(QPalette::Window), QColor(Qt::green));
        QCOMPARE(h.find("picBackColour")->palette().color(QPalette::Window), QColor(Qt::blue));
        const QWidget* line = h.find("lblSampleDate"); // before the date, entry 1 is the time-left line's font
        QCOMPARE(line->palette().color(QPalette::WindowText), QColor(Qt::green));
        QCOMPARE(line->palette().color(QPalette::Window), QColor(Qt::blue));
        QCOMPARE(line->font().pointSize(), 10);
        QVERIFY(line->font().italic() && !h.find("lblSampleText")->font().italic());
        const auto emphasised = [&h](const char* label) {
            const QWidget* control = h.find(label);
            return control->font().bold() && control->palette().color(QPalette::WindowText) == DarkBlue;
        };
        QVERIFY(emphasised("lblFileImage") && !emphasised("lblBaseImage"));
        QCOMPARE(h.text("cmdCancel"), QStringLiteral("Cancel"));
        QCOMPARE(h.find("cmdCancel")->toolTip(), QStringLiteral(" Cancel any changes and Exit Settings Dialog "));
        QVERIFY(h.okEnabled() && h.find("cmdRestoreSettings")->isEnabled());
        h.type("txtDate", QStringLiteral("15/03/2011")); // today: one label of two lines
        QCOMPARE(h.find("lblSampleText")->height(), 53);
        QVERIFY(!h.shown("lblSampleDate"));
        h.type("txtDate", QStringLiteral("1/1/1"));
        QVERIFY(h.shown("fraDateRangeMsg") && !h.find("cmdCalendar")->isEnabled());
        QCOMPARE(h.find("fraDateRangeMsg")->pos(), h.find("txtDate")->geometry().bottomLeft() + QPoint(0, 1));
        QCOMPARE(h.text("txtDateLong"), QString());
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
        QCOMPARE(int(dialog.controller().workingCopy().record.Speed), label.toInt());
        QVERIFY(h.okEnabled());
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
        QCOMPARE(h.text("lblBaseImage"), QStringLiteral("Hammock"));
        answer("imgPhotos8", "cmdCancel");
        QCOMPARE(h.text("lblBaseImage"), QStringLiteral("Candles"));
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
                auto* face = chooser->findChild<QFontComboBox*>(QStringLiteral("cboFace"));
                auto* sampleLine = chooser->findChild<QLabel*>(QStringLiteral("lblSample"));
                face->setCurrentFont(QFont(QFontDatabase::families().value(0)));
                chooser->findChild<QDoubleSpinBox*>(QStringLiteral("spnSize"))->stepBy(-11); // half points
                for (const char* box : {"chkBold", "chkItalic", "chkStrikeout", "chkUnderline"})
                    chooser->findChild<QCheckBox*>(QLatin1String(box))->click();
                edited = {face->currentFont().family().toStdString(), 10.5, 0x0000FF, false, true, true, true};
                const QFont sample = sampleLine->font(); // the live sample follows every choice
                QCOMPARE(sample.family(), face->currentFont().family());
                QCOMPARE(sample.pointSizeF(), 10.5);
                QVERIFY(!sample.bold() && sample.italic() && sample.strikeOut() && sample.underline());
                QCOMPARE(sampleLine->palette().color(QPalette::WindowText), QColor(Qt::red));
                QString colourTitle;
                QTimer::singleShot(0, chooser, [&] {
                    if (auto* colours = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                        colourTitle = colours->windowTitle();
                        colours->reject();
                    }
                });
                chooser->findChild<QPushButton*>(QStringLiteral("cmdColour"))->click();
                QCOMPARE(colourTitle, QStringLiteral("Colour"));
                accept ? chooser->accept() : chooser->reject();
            });
            const std::optional<FontChoice> answer = DialogChoosers(&owner).chooseFont(preset);
            QVERIFY(answer && !edited.face.empty());
            QCOMPARE(*answer, accept ? edited : preset);
        }
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_test.moc"
