#include "core/program/dialog_state.h"

#include "core/common/errors.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <functional>

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

TEST(DialogValuesFrom, ValuesNoControlCanShowBecomeTheirDefaults)
{
    struct Row {
        const char* what;
        std::function<void(SettingsRecord&)> store;
        std::function<bool(const DialogValues&)> check;
    };
    const std::vector<Row> rows{
        {"Position 7", [](auto& r) { r.Position = 7; }, [](const auto& v) { return v.Position == 0; }},
        {"Style -1", [](auto& r) { r.Style = -1; }, [](const auto& v) { return v.Style == 0; }},
        {"IncludeDays 2", [](auto& r) { r.IncludeDays = 2; }, [](const auto& v) { return v.IncludeDays == 0; }},
        {"Speed 500", [](auto& r) { r.Speed = 500; }, [](const auto& v) { return v.Speed == 50; }},
        {"Speed 100 kept", [](auto& r) { r.Speed = 100; }, [](const auto& v) { return v.Speed == 100; }},
        {"Speed -1", [](auto& r) { r.Speed = -1; }, [](const auto& v) { return v.Speed == 50; }},
        {"colour above 24 bits", [](auto& r) { r.TextFontColor[1] = 16777216; },
         [](const auto& v) { return v.TextFontColor[1] == 255; }},
        {"white kept", [](auto& r) { r.TextFontColor[1] = 16777215; },
         [](const auto& v) { return v.TextFontColor[1] == 16777215; }},
        {"negative background", [](auto& r) { r.Background = -5; }, [](const auto& v) { return v.Background == 0; }},
        {"font size 0", [](auto& r) { r.TextFontSize[2] = 0; }, [](const auto& v) { return v.TextFontSize[2] == 16; }},
        {"missing face kept", [](auto& r) { r.TextFontName[0] = "No Such Face"; },
         [](const auto& v) { return v.TextFontName[0] == "No Such Face"; }},
        {"date no date", [](auto& r) { r.Date = "31/02/2012"; }, [](const auto& v) { return v.Date == today; }},
        {"ISO date read", [](auto& r) { r.Date = "2020-05-01"; }, [](const auto& v) { return v.Date == ymd(2020, 5, 1); }},
        {"Synchronize 2 reads as 0", [](auto& r) { r.Synchronize = 2; }, [](const auto& v) { return v.Synchronize == "0"; }},
        {"vertical path, horizontal direction",
         [](auto& r) { r.Position = 1; r.Direction = 0; r.VertDirection = 3; },
         [](const auto& v) { return v.Direction == 3 && v.HorizDirection == 0; }},
        {"horizontal path follows its direction",
         [](auto& r) { r.Position = 0; r.Direction = 1; r.HorizDirection = 0; },
         [](const auto& v) { return v.Direction == 1 && v.HorizDirection == 1; }},
        {"random path keeps any direction", [](auto& r) { r.Position = 2; r.Direction = 3; r.VertDirection = 2; },
         [](const auto& v) { return v.Direction == 3 && v.VertDirection == 2; }},
        {"VertDirection 0", [](auto& r) { r.Position = 2; r.VertDirection = 0; },
         [](const auto& v) { return v.VertDirection == 2; }},
    };
    const DayFirstDates dates;
    for (const Row& row : rows) {
        SettingsRecord record = storedRecord();
        row.store(record);
        EXPECT_TRUE(row.check(dialogValuesFrom(record, dates, today))) << row.what;
    }
}

TEST(SettingsChanged, ComparesEveryValueAgainstTheLoadedRecord)
{
    struct Row {
        const char* what;
        std::function<void(DialogValues&, ImageValues&)> edit;
        bool changed;
    };
    const std::vector<Row> rows{
        {"nothing", [](auto&, auto&) {}, false},
        {"title case", [](auto& v, auto&) { v.Title[0] = 'm'; }, true},
        {"title edited back", [](auto& v, auto&) { v.Title += "x"; v.Title.pop_back(); }, false},
        {"synchronize off", [](auto& v, auto&) { v.Synchronize = std::string(1, '0'); }, true},
        {"date", [](auto& v, auto&) { v.Date = ymd(2012, 6, 2); }, true},
        {"vertical memory", [](auto& v, auto&) { v.VertDirection = 3; }, true},
        {"underline of entry 2", [](auto& v, auto&) { v.TextFontUnderline[2] = true; }, true},
        {"picture tag", [](auto&, auto& image) { image.ImageTag = "Bells"; }, true},
        {"picture drive", [](auto&, auto& image) { image.ImageDrive = "/media"; }, true},
    };
    const DayFirstDates dates;
    const SettingsRecord record = storedRecord();
    for (const Row& row : rows) {
        DialogValues values = dialogValuesFrom(record, dates, today);
        ImageValues image = record.imageValues();
        row.edit(values, image);
        EXPECT_EQ(settingsChanged(values, record, image, dates), row.changed) << row.what;
    }
}

TEST(SettingsChanged, ARepairedValueCountsAsAChange)
{
    const DayFirstDates dates;
    for (auto store : std::vector<std::function<void(SettingsRecord&)>>{
             [](auto& r) { r.Speed = 500; }, [](auto& r) { r.Date = "no date"; }, [](auto& r) { r.Synchronize = 2; }}) {
        SettingsRecord record = storedRecord();
        store(record);
        EXPECT_TRUE(settingsChanged(dialogValuesFrom(record, dates, today), record, record.imageValues(), dates));
    }
}

TEST(ApplyFontChoice, SizesRoundHalfToEven)
{
    const std::vector<std::pair<double, std::int16_t>> rows{{10.5, 10}, {11.5, 12}, {12.0, 12}, {9.49, 9}, {8.51, 9}};
    for (const auto& [chosen, stored] : rows) {
        DialogValues values;
        applyFontChoice(values, 1, {"Serif", chosen, 0x00FF00, true, true, false, true});
        EXPECT_EQ(values.TextFontSize[1], stored) << chosen;
        EXPECT_EQ(fontChoiceOf(values, 1), (FontChoice{"Serif", double(stored), 0x00FF00, true, true, false, true}));
    }
}

TEST(ApplyFontChoice, ASizeBeyond16BitsStopsAfterTheFace)
{
    DialogValues values;
    values.TextFontSize[0] = 16;
    EXPECT_THROW(applyFontChoice(values, 0, {"Serif", 40000.0, 1, true, false, false, false}), RuntimeError);
    EXPECT_EQ(values.TextFontName[0], "Serif");
    EXPECT_EQ(values.TextFontSize[0], 16);
}

TEST(ChooseDirection, RemembersTheLastDirectionOfEachKind)
{
    DialogValues values;
    for (std::int16_t direction : {1, 3, 0, 2, 1})
        chooseDirection(values, direction);
    EXPECT_EQ(values.Direction, 1);
    EXPECT_EQ(values.HorizDirection, 1);
    EXPECT_EQ(values.VertDirection, 2);
}

TEST(SampleLook, FollowsTheTimeLeftState)
{
    DialogValues values;
    values.Title = "Event";
    values.Target = "Target";
    values.TargetPassed = "Passed";
    TimeLeftOutputs outputs{"ignored", " 2 days!", DateAhead, " (3 days)"};
    auto look = sampleLook(values, outputs, 396);
    ASSERT_TRUE(look);
    EXPECT_EQ(look->textCaption, "Event");
    EXPECT_EQ(look->textFontEntry, 0);
    EXPECT_EQ(look->textHeight, 396);
    EXPECT_EQ(look->dateCaption, " 2 days!");
    EXPECT_TRUE(look->dateVisible);

    outputs.TimeLeftState = DateToday;
    look = sampleLook(values, outputs, 396);
    ASSERT_TRUE(look);
    EXPECT_EQ(look->textCaption, "Target");
    EXPECT_EQ(look->textFontEntry, 1);
    EXPECT_EQ(look->textHeight, 792);
    EXPECT_FALSE(look->dateVisible);

    outputs.TimeLeftState = DatePassed;
    look = sampleLook(values, outputs, 396);
    ASSERT_TRUE(look);
    EXPECT_EQ(look->textCaption, "Passed (3 days)");
    EXPECT_EQ(look->textFontEntry, 2);

    outputs.TimeLeftState = 3;
    EXPECT_FALSE(sampleLook(values, outputs, 396));
}

TEST(AcceptedDate, BothEndsOfTheRangeAreIncluded)
{
    const DayFirstDates dates;
    const std::vector<std::pair<const char*, bool>> rows{
        {"01/01/1753", true}, {"31/12/9999", true}, {"31/12/1752", false}, {"29/02/2012", true},
        {"29/02/2011", false}, {"", false}, {"15/03/2", false}};
    for (const auto& [text, accepted] : rows)
        EXPECT_EQ(acceptedDate(dates, text).has_value(), accepted) << text;
}

} // namespace
