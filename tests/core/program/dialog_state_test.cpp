// SPDX-License-Identifier: MIT
#include "core/program/dialog_state.h"

#include "core/settings/key_table.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace varnholt;
using namespace varnholt::test;

namespace {

const Date today = ymd(2011, 3, 15);

SettingsRecord storedRecord()
{
    SettingsRecord record;
    record.Date = "01/06/2012";
    return record;
}

TEST(EditedSettingsFrom, NumbersNoControlCanShowBecomeTheirDefaults)
{
    struct Row {
        const char *key, *stored, *shown;
    };
    const std::vector<Row> rows{
        {"Position", "3", "0"},
        {"Style", "-1", "0"},
        {"IncludeDays", "2", "0"},
        {"ImageStyle", "2", "0"},
        {"Speed", "101", "50"},
        {"Speed", "100", "100"},
        {"Speed", "-1", "50"},
        {"Horizontal", "3", "0"},
        {"Vertical", "-1", "0"},
        {"HorizDirection", "2", "0"},
        {"VertDirection", "1", "2"},
        {"Background", "-5", "0"},
        {"TextFontColor1", "16777216", "255"},
        {"TextFontSize2", "1000", "16"},
        {"Synchronize", "2", "0"},
        {"TextFontName0", "No Such Face", "No Such Face"},
    };
    for (const Row& row : rows) {
        SettingsRecord record = storedRecord();
        record.Position = PositionRandom; // no direction is repaired on random paths
        setFromText(record, keyNamed(row.key), row.stored);
        const EditedSettings edited = editedSettingsFrom(record, DayFirstDates{}, today);
        EXPECT_EQ(storedText(edited.record, keyNamed(row.key)), row.shown) << row.key << " " << row.stored;
    }
}

TEST(EditedSettingsFrom, DatesAndDirectionsTheControlsShow)
{
    struct Row {
        std::int16_t position, direction, horizontal, vertical; // as stored, then as shown
        std::int16_t shownDirection, shownHorizontal, shownVertical;
    };
    const Row rows[] = {
        {PositionVertical, DirForward, DirForward, DirUpward, DirUpward, DirForward, DirUpward},
        {PositionHorizontal, DirBackward, DirForward, DirDownward, DirBackward, DirBackward, DirDownward},
        {PositionRandom, DirUpward, DirForward, DirDownward, DirUpward, DirForward, DirDownward},
    };
    for (const Row& row : rows) {
        SettingsRecord record = storedRecord();
        record.Position = row.position;
        record.Direction = row.direction;
        record.HorizDirection = row.horizontal;
        record.VertDirection = row.vertical;
        const SettingsRecord shown = editedSettingsFrom(record, DayFirstDates{}, today).record;
        EXPECT_EQ(std::tie(shown.Direction, shown.HorizDirection, shown.VertDirection),
                  std::tie(row.shownDirection, row.shownHorizontal, row.shownVertical))
            << row.position;
    }
    SettingsRecord noDate = storedRecord();
    noDate.Date = "31/02/2012";
    EXPECT_EQ(editedSettingsFrom(noDate, DayFirstDates{}, today).date, today);
}

TEST(SettingsChanged, ComparesEveryValueAgainstTheLoadedRecord)
{
    struct Row {
        const char* what;
        std::function<void(SettingsRecord&)> store;
        std::function<void(EditedSettings&)> edit;
        bool changed;
    };
    const auto none = [](auto&) {};
    const std::vector<Row> rows{
        {"nothing", none, none, false},
        {"title case", none, [](auto& e) { e.record.Title[0] = 'm'; }, true},
        {"title edited back", none, [](auto& e) { e.record.Title += "x", e.record.Title.pop_back(); }, false},
        {"date", none, [](auto& e) { e.date = ymd(2012, 6, 2); }, true},
        {"same date in another form", [](auto& r) { r.Date = "2012-06-01"; }, none, false},
        {"repaired speed", [](auto& r) { r.Speed = 500; }, none, true},
        {"repaired date", [](auto& r) { r.Date = "no date"; }, none, true},
        {"repaired synchronize", [](auto& r) { r.Synchronize = 2; }, none, true},
    };
    const DayFirstDates dates;
    for (const Row& row : rows) {
        SettingsRecord record = storedRecord();
        row.store(record);
        EditedSettings edited = editedSettingsFrom(record, dates, today);
        row.edit(edited);
        EXPECT_EQ(settingsChanged(edited, record, dates), row.changed) << row.what;
    }
}

} // namespace
