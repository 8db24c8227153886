// SPDX-License-Identifier: MIT
#include "core/controllers/settings_dialog_controller.h"

#include "core/settings/key_table.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

using namespace varnholt;
using namespace varnholt::test;

namespace {

// Records the dialog's state as "kind:control" -> value, and the calls that open or close something.
class RecordingView final : public SettingsDialogView {
public:
    std::map<std::string, std::string, std::less<>> shown;
    std::vector<std::string> calls;
    std::optional<FontChoice> fontAnswer;
    std::optional<std::int32_t> colourAnswer;
    std::optional<PictureChoice> browserAnswer;

    void set(std::string_view kind, std::string_view control, const std::string& value)
    {
        shown[std::string(kind) + ':' + std::string(control)] = value;
    }
    void showText(std::string_view control, const std::string& text) override { set("text", control, text); }
    void showChecked(std::string_view control, bool on) override { set("checked", control, on ? "1" : "0"); }
    void showEnabled(std::string_view control, bool on) override { set("enabled", control, on ? "1" : "0"); }
    void showVisible(std::string_view control, bool on) override { set("visible", control, on ? "1" : "0"); }
    void showMessage(const std::string& text, MessageIcon icon) override
    {
        calls.push_back((icon == MessageIcon::Critical ? "critical:" : "message:") + text);
    }
    void beep() override { calls.emplace_back("beep"); }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return record("font"), fontAnswer; }
    std::optional<std::int32_t> chooseColour(std::int32_t) override { return record("colour"), colourAnswer; }
    std::optional<PictureChoice> openImageBrowser(const PictureChoice& start) override
    {
        return record("browser:" + start.ImageName + '/' + std::to_string(start.ImageStyle)), browserAnswer;
    }
    void openAbout() override { record("about"); }
    void openHelp(int topic) override { record("help:" + std::to_string(topic)); }
    void openCalendar(Date selected) override { record("calendar:" + DayFirstDates{}.shortText(selected)); }
    void showSliderValue(std::string_view control, int value) override { set("value", control, std::to_string(value)); }
    void showSwatch(std::string_view control, std::int32_t colour) override
    {
        set("swatch", control, std::to_string(colour));
    }
    void showEmphasis(std::string_view control, bool on) override { set("emphasis", control, on ? "1" : "0"); }
    void showToolTip(std::string_view control, const std::string& text) override { set("tip", control, text); }
    void showSample(const SampleLook& look, const SettingsRecord& record) override
    {
        set("sample", "text",
            look.textCaption + " @" + std::to_string(look.textFontEntry) + ' '
                + std::to_string(record.TextFontSize[std::size_t(look.textFontEntry)]) + "pt "
                + std::to_string(look.textHeight));
        set("sample", "date", look.dateVisible ? look.dateCaption : "-");
    }
    void focus(std::string_view control) override { record("focus:" + std::string(control)); }
    void closeDialog(bool accepted) override { record(accepted ? "close:OK" : "close:Cancel"); }

private:
    void record(const std::string& call) { calls.push_back(call); }
};

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

struct Row {
    const char* name;
    const char* stored;   // "Key=value ..." over the loaded record
    const char* events;   // "|"-separated: txtX:text, optGroupN, chkX:0|1, cmdX, speed:N, pick:dd/mm/yyyy,
                          // leave:side,focused (side L, R, A or B), esc:focused
    const char* expected; // "|"-separated: kind:control=shown, Key=working copy, date=, changed=, calls=a,b, commits=
    std::function<void(RecordingView&, MemoryStore&)> answers = {};
};

struct Dialog {
    explicit Dialog(const Row& row)
    {
        loaded.Title = "Event";
        loaded.Target = "Target";
        loaded.TargetPassed = "Passed";
        loaded.Date = "01/06/2012";
        loaded.picture.ImageTag = "Cake";
        for (const std::string& item : split(row.stored, ' '))
            setFromText(loaded, keyNamed(item.substr(0, item.find('='))), item.substr(item.find('=') + 1));
        const EventTexts texts{loaded.Title, loaded.Target, loaded.TargetPassed, loaded.IncludeDays};
        controller.emplace(
            view, services(), loaded, fakes.clock.date,
            calculateTimeLeft(fakes.clock.date, fakes.dates.parse(loaded.Date).value_or(fakes.clock.date), texts), 396);
        controller->load();
        view.calls.clear();
        if (row.answers)
            row.answers(view, fakes.store);
    }
    Services services() { return {fakes.store, fakes.clock, fakes.dates, fakes.platform, fakes.log}; }

    void send(const std::string& event)
    {
        const std::size_t colon = event.find(':');
        const std::string control = event.substr(0, colon);
        const std::string value = colon == std::string::npos ? "" : event.substr(colon + 1);
        if (control.starts_with("txt"))
            controller->textEdited(control, value);
        else if (control.starts_with("chk"))
            controller->checkClicked(control, value == "1");
        else if (control.starts_with("opt"))
            controller->optionChosen(control.substr(0, control.size() - 1), control.back() - '0');
        else if (control == "speed")
            controller->speedChanged(std::stoi(value));
        else if (control == "pick")
            controller->calendarDatePicked(*fakes.dates.parse(value));
        else if (control == "leave")
            controller->calendarMouseLeft(SettingsDialogController::Side(std::string("LRAB").find(value[0])),
                                          value[2] == '1');
        else if (control == "esc")
            controller->escapePressed(value == "1");
        else
            controller->clicked(control);
    }

    std::string actual(const std::string& key) const
    {
        if (key.find(':') != std::string::npos) {
            const auto it = view.shown.find(key);
            return it == view.shown.end() ? "(not shown)" : it->second;
        }
        const EditedSettings& edited = controller->workingCopy();
        if (key == "date")
            return fakes.dates.shortText(edited.date);
        if (key == "changed")
            return controller->changed() ? "1" : "0";
        if (key == "commits")
            return std::to_string(fakes.store.commits);
        if (key == "calls") {
            std::string joined;
            std::vector<std::string> calls = view.calls;
            calls.insert(calls.end(), fakes.log.warnings.size(), "warning");
            for (const std::string& call : calls)
                joined += (joined.empty() ? "" : ",") + call;
            return joined;
        }
        return storedText(edited.record, keyNamed(key));
    }

    FakeServices fakes;
    SettingsRecord loaded;
    RecordingView view;
    std::optional<SettingsDialogController> controller;
};

const FontChoice serif{"Serif", 10.5, 0x00FF00, false, true, true, true};

const std::vector<Row> rows{
    {"loading changes nothing", "", "",
     "changed=0|enabled:cmdOK=0|enabled:cmdRestoreSettings=0|text:cmdCancel=Close|tip:cmdCancel= Exit Settings "
     "Dialog |text:txtTitle=Event|text:txtDate=01/06/2012|text:txtDateLong=long 01/06/2012|text:lblSpeed=50|"
     "value:HScrollSpeed=50|visible:MonthView=0|visible:fraDateRangeMsg=0|enabled:cmdCalendar=1|calls="},
    {"a stored date that does not parse", "Date=30/02/2012", "", "date=15/03/2011|changed=1|calls=warning"},
    {"an edit enables OK", "", "txtTitle:Eventx",
     "changed=1|Title=Eventx|enabled:cmdOK=1|enabled:cmdRestoreSettings=1|text:cmdCancel=Cancel|"
     "tip:cmdCancel= Cancel any changes and Exit Settings Dialog |sample:text=Eventx @0 16pt 396"},
    {"edited back, nothing changed", "", "txtTitle:Eventx|txtTitle:Event",
     "changed=0|enabled:cmdOK=0|text:cmdCancel=Close"},
    {"first supported day", "", "txtDate:1/1/1753",
     "date=01/01/1753|changed=1|visible:fraDateRangeMsg=0|text:txtDateLong=long 01/01/1753"},
    {"day before the range", "", "txtDate:31/12/1752",
     "date=01/06/2012|changed=0|visible:fraDateRangeMsg=1|enabled:cmdCalendar=0|text:txtDateLong="},
    {"last good date kept under a refused one", "", "txtDate:2/2/1753|txtDate:2/2/17531",
     "date=02/02/1753|changed=1|visible:fraDateRangeMsg=1"},
    {"Fix Date puts the loaded date back", "", "txtDate:2/2/1999|txtDate:99|cmdFixDate",
     "date=01/06/2012|changed=0|text:txtDate=01/06/2012|visible:fraDateRangeMsg=0|enabled:cmdCalendar=1"},
    {"calendar opens on the typed date", "", "txtDate:4/5/2013|cmdCalendar", "calls=calendar:04/05/2013"},
    {"no calendar without a date", "", "txtDate:4/5/|cmdCalendar", "calls="},
    {"pointer left of the calendar: it hides, the focus to its button", "", "cmdCalendar|leave:L,1",
     "calls=calendar:01/06/2012,focus:cmdCalendar|visible:MonthView=0"},
    {"left of an unfocused calendar: the focus stays", "", "leave:L,0", "calls=|visible:MonthView=0"},
    {"pointer out on the other sides: the calendar stays", "", "leave:R,1|leave:A,1|leave:B,1", "calls="},
    {"Esc in the calendar hides it, the next Esc cancels", "", "cmdCalendar|esc:1|esc:0",
     "calls=calendar:01/06/2012,focus:cmdCalendar,close:Cancel|visible:MonthView=0"},
    {"a picked day counts from the clock", "IncludeDays=0", "chkDays:1|pick:04/07/2014",
     "text:txtDate=04/07/2014|date=04/07/2014|IncludeDays=1|calls=focus:txtDate|visible:MonthView=0|"
     "sample:date= 3 years  3 months  19 days!   (1207 days!)"},
    {"target today", "TextFontSize1=12", "txtDate:15/03/2011", "sample:text=Target @1 12pt 792|sample:date=-"},
    {"target passed", "TextFontSize2=14", "txtDate:13/03/2011",
     "sample:text=Passed   (2 days ago!) @2 14pt 792|sample:date=-"},
    {"line style: no sample change", "", "optStyle1", "Style=1|changed=1|sample:text=Event @0 16pt 396"},
    {"speed", "", "speed:40", "Speed=40|text:lblSpeed=40|changed=1"},
    {"backward, then vertical", "", "optDirection1|optPosition1",
     "Direction=2|HorizDirection=1|VertDirection=2|checked:optDirection2=1|visible:fraVert=1|visible:fraHoriz=0|"
     "visible:optDirection1=0|visible:optDirection3=1"},
    {"back to horizontal: backward again", "", "optDirection1|optPosition1|optDirection3|optPosition0",
     "Direction=1|HorizDirection=1|VertDirection=3|visible:fraHoriz=1|visible:optDirection1=1"},
    {"stored vertical, upward", "Position=1 Direction=3 VertDirection=3", "",
     "Direction=3|checked:optDirection3=1|visible:fraVert=1|changed=0"},
    {"random paths grey the placement", "Horizontal=2 Direction=1 HorizDirection=1", "optPosition2",
     "Position=2|Direction=1|enabled:fraPlacement=0|enabled:fraDirection=0|enabled:optHoriz2=0|"
     "enabled:optVert0=0|enabled:optDirection1=0|visible:fraHoriz=1"},
    {"row and column", "", "optHoriz2|optVert1", "Horizontal=2|Vertical=1|changed=1"},
    {"no file image", "ImageUsed=1 ImageName=", "",
     "enabled:cmdImage=1|enabled:optImageStyle0=1|enabled:optImageStyle1=0|text:lblFileImage=No Image|"
     "text:lblBaseImage=Cake|emphasis:lblBaseImage=1|emphasis:lblFileImage=0"},
    {"file image chosen", "ImageUsed=1 ImageName=beach.jpg", "optImageStyle1",
     "enabled:optImageStyle1=1|text:lblFileImage=beach.jpg|ImageStyle=1|emphasis:lblBaseImage=0|"
     "emphasis:lblFileImage=1"},
    {"image not used", "ImageUsed=0 ImageName=beach.jpg", "",
     "enabled:cmdImage=0|enabled:optImageStyle0=0|enabled:optImageStyle1=0|text:lblFileImage=beach.jpg"},
    {"image switched on", "ImageUsed=0", "chkImage:1", "ImageUsed=1|enabled:cmdImage=1|changed=1"},
    {"browser's choice outlives Restore", "ImageUsed=1", "txtTitle:x|cmdImage|cmdRestoreSettings",
     "calls=browser:/0|ImageName=x.png|ImageTag=Bells|Title=Event|text:lblFileImage=x.png|changed=1|"
     "enabled:cmdOK=1",
     [](RecordingView& view, MemoryStore&) {
         PictureChoice chosen;
         chosen.ImageName = "x.png";
         chosen.ImageTag = "Bells";
         view.browserAnswer = chosen;
     }},
    {"browser cancelled: the stored picture", "ImageUsed=1 ImageName=beach.jpg", "optImageStyle1|cmdImage",
     "calls=browser:beach.jpg/1|ImageStyle=0|changed=0|emphasis:lblBaseImage=1"},
    {"font chosen", "", "cmdFormat1",
     "calls=font|TextFontName1=Serif|TextFontSize1=10|TextFontItalic1=True|swatch:picFontColour1=65280|changed=1|"
     "sample:text=Event @0 16pt 396",
     [](RecordingView& view, MemoryStore&) { view.fontAnswer = serif; }},
    {"font cancelled", "", "cmdFormat1", "calls=font|TextFontName1=Arial|changed=0"},
    {"font too large: face taken, a trace left", "", "cmdFormat2",
     "calls=font,warning|TextFontName2=Serif|TextFontSize2=16|changed=0",
     [](RecordingView& view, MemoryStore&) {
         view.fontAnswer = FontChoice{"Serif", 40000.0, 0, false};
     }},
    {"background", "", "cmdBackground", "calls=colour|Background=16711680|swatch:picBackColour=16711680|changed=1",
     [](RecordingView& view, MemoryStore&) { view.colourAnswer = 0xFF0000; }},
    {"synchronize rereads the store", "Synchronize=1", "txtTitle:edited|chkSynchronize:0",
     "Synchronize=0|Title=Own|text:txtTitle=Own|text:txtDate=24/12/2013|date=24/12/2013|"
     "sample:text=Own @0 16pt 396",
     [](RecordingView&, MemoryStore& store) {
         store.values[{"ScreenSaver", "Title"}] = "Own";
         store.values[{"ScreenSaver", "Date"}] = "24/12/2013";
     }},
    {"OK writes once", "", "speed:40|cmdOK|cmdOK", "calls=close:OK|commits=1"},
    {"OK with a bad date beeps", "", "txtDate:31/02/2012|cmdOK",
     "calls=beep,focus:txtDate|visible:fraDateRangeMsg=1|commits=0"},
    {"a failed write is told, OK stays", "", "speed:40|cmdOK",
     "calls=critical:The settings could not be saved to memory:\r\nA folder has the name of the file.|"
     "enabled:cmdOK=1|commits=1",
     [](RecordingView&, MemoryStore& store) { store.refusal = "A folder has the name of the file."; }},
    {"Restore", "", "txtTitle:x|speed:40|optPosition1|cmdRestoreSettings",
     "Title=Event|Speed=50|Position=0|text:txtTitle=Event|text:lblSpeed=50|visible:fraHoriz=1|changed=0"},
    {"About, help, Cancel", "", "cmdAbout|cmdHelp|cmdCancel", "calls=about,help:110,close:Cancel|commits=0"},
};

TEST(SettingsDialogController, EventsAgainstWorkingCopyAndView)
{
    for (const Row& row : rows) {
        Dialog dialog(row);
        for (const std::string& event : split(row.events, '|'))
            dialog.send(event);
        for (const std::string& expected : split(row.expected, '|')) {
            const std::size_t equals = expected.find('=');
            const std::string key = expected.substr(0, equals);
            EXPECT_EQ(dialog.actual(key), expected.substr(equals + 1)) << row.name << ": " << key;
        }
    }
}

} // namespace
