#include "core/settings/key_table.h"
#include "core/settings/settings_io.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using test::FakeServices;
using test::ymd;

LoadedSettings load(FakeServices& services)
{
    return loadSettings(services.store, services.clock, services.dates, services.platform.metrics);
}

DialogValues sampleDialog(const std::string& synchronize)
{
    DialogValues values;
    values.Synchronize = synchronize;
    values.Title = "Holiday, at last; \"yes\"";
    values.Target = "Today!";
    values.TargetPassed = "Gone";
    values.Date = ymd(2012, 2, 29);
    values.Speed = 120;
    values.Background = 16711680;
    values.TextFontName = {"Arial", "Serif", "Mono"};
    values.TextFontSize = {8, 16, 72};
    values.TextFontColor = {255, 65280, 0};
    values.TextFontBold = {true, false, true};
    values.TextFontItalic = {false, true, false};
    values.TextFontStrikethru = {false, false, true};
    values.TextFontUnderline = {true, false, false};
    return values;
}

TEST(loadSettings, EmptyStoreGivesEveryDefault)
{
    FakeServices services;
    const LoadedSettings loaded = load(services);

    SettingsRecord expected;
    expected.Date = "15/03/2011";
    EXPECT_EQ(loaded.settings, expected);
    EXPECT_EQ(loaded.today, ymd(2011, 3, 15));
    EXPECT_EQ(loaded.imageSelection, expected.imageValues());
    EXPECT_EQ(loaded.screenWidth, 1024 * 15);
    EXPECT_EQ(loaded.screenHeight, 768 * 15);
}

TEST(loadSettings, ScreenSizeInTwipsIsRoundedAndMayExceedSixteenBits)
{
    FakeServices services;
    services.platform.metrics = {3840, 2160, 1440.0 / 144.0, 1440.0 / 144.0};
    LoadedSettings loaded = load(services);
    EXPECT_EQ(loaded.screenWidth, 38400);
    EXPECT_EQ(loaded.screenHeight, 21600);

    services.platform.metrics = {1, 3, 12.5, 12.5};
    loaded = load(services);
    EXPECT_EQ(loaded.screenWidth, 12);  // 12.5 rounds to even
    EXPECT_EQ(loaded.screenHeight, 38); // 37.5 rounds to even
}

TEST(loadSettings, StoredValueThatDoesNotConvertGivesTheDefault)
{
    struct Row {
        const char* key;
        std::string stored;
        std::string loaded;
    };
    const std::vector<Row> rows{
        {"Speed", "fast", "50"},
        {"Speed", "99999", "50"},
        {"Speed", " 75.5 ", "76"},
        {"Speed", "74.5", "74"},
        {"ImageIndex", "", "1"},
        {"VertDirection", "3", "3"},
        {"VertDirection", "x", "2"},
        {"Background", "16711680", "16711680"},
        {"Background", "4294967296", "0"},
        {"TextFontSize1", "-40000", "16"},
        {"TextFontColor2", "blue", "255"},
        {"TextFontBold0", "maybe", "True"},
        {"TextFontBold0", "False", "False"},
        {"TextFontItalic2", "-1", "True"},
        {"TextFontItalic2", "true", "True"},
        {"TextFontUnderline1", "0", "False"},
        {"TextFontStrikethru0", "TRUE", "True"},
        {"ImageTag", "", ""},
    };
    for (const Row& row : rows) {
        FakeServices services;
        services.store.values[{SectionScreenSaver, row.key}] = row.stored;
        const LoadedSettings loaded = load(services);
        const KeyEntry& entry =
            *std::find_if(keyTable().begin(), keyTable().end(), [&](const KeyEntry& e) { return e.key == row.key; });
        EXPECT_EQ(storedText(loaded.settings, entry), row.loaded) << row.key << " = \"" << row.stored << '"';
    }
}

TEST(loadSettings, SynchronizeChoosesTheSharedSection)
{
    struct Row {
        std::optional<std::string> synchronize;
        const char* section;
        std::int16_t value;
    };
    const std::vector<Row> rows{
        {std::nullopt, SectionCommon, 1}, {"1", SectionCommon, 1},       {" 1 ", SectionCommon, 1},
        {"2", SectionScreenSaver, 2},      {"0", SectionScreenSaver, 0},  {"-1", SectionScreenSaver, -1},
        {"yes", SectionCommon, 1},
    };
    for (const Row& row : rows) {
        FakeServices services;
        if (row.synchronize)
            services.store.values[{SectionCommon, "Synchronize"}] = *row.synchronize;
        for (const char* section : {SectionCommon, SectionScreenSaver}) {
            for (const char* key : {"Title", "Target", "TargetPassed"})
                services.store.values[{section, key}] = std::string(section) + " " + key;
            services.store.values[{section, "Date"}] = section == SectionCommon ? "01/01/1753" : "31/12/9999";
        }
        const SettingsRecord record = load(services).settings;
        const std::string section = row.section;
        const std::string context = row.synchronize.value_or("(absent)");
        EXPECT_EQ(record.Synchronize, row.value) << context;
        EXPECT_EQ(record.Title, section + " Title") << context;
        EXPECT_EQ(record.Target, section + " Target") << context;
        EXPECT_EQ(record.TargetPassed, section + " TargetPassed") << context;
        EXPECT_EQ(record.Date, section == SectionCommon ? "01/01/1753" : "31/12/9999") << context;

        const SharedTexts shared = loadSharedTexts(services.store, record.Synchronize, ymd(2011, 3, 15), services.dates);
        EXPECT_EQ(shared.Title, record.Title) << context;
        EXPECT_EQ(shared.DateText, record.Date) << context;
    }
}

TEST(loadSettings, ImagePathEndsInTheSeparatorAndIsCopiedToTheSelection)
{
    const std::vector<std::pair<std::optional<std::string>, std::string>> rows{
        {std::nullopt, "/"},
        {"", "/"},
        {"/home/ann/pictures", "/home/ann/pictures/"},
        {"/home/ann/pictures/", "/home/ann/pictures/"},
        {"/", "/"},
    };
    for (const auto& [stored, expected] : rows) {
        FakeServices services;
        if (stored)
            services.store.values[{SectionScreenSaver, "ImagePath"}] = *stored;
        services.store.values[{SectionScreenSaver, "ImageName"}] = "sea.jpg";
        services.store.values[{SectionScreenSaver, "ImageSize"}] = "3";
        const LoadedSettings loaded = load(services);
        EXPECT_EQ(loaded.settings.ImagePath, expected) << stored.value_or("(absent)");
        EXPECT_EQ(loaded.imageSelection, loaded.settings.imageValues());
        EXPECT_EQ(loaded.imageSelection.ImageName, "sea.jpg");
        EXPECT_EQ(loaded.imageSelection.ImageSize, 3);
    }
}

TEST(loadSharedTexts, ConvertsTheDateOrGivesNothing)
{
    const std::vector<std::pair<std::optional<std::string>, std::optional<Date>>> rows{
        {std::nullopt, ymd(2011, 3, 15)},
        {"29/02/2012", ymd(2012, 2, 29)},
        {"2012-02-29", ymd(2012, 2, 29)},
        {"31/02/2012", std::nullopt},
        {"soon", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [stored, expected] : rows) {
        test::MemoryStore store;
        if (stored)
            store.values[{SectionScreenSaver, "Date"}] = *stored;
        const SharedTexts shared = loadSharedTexts(store, 2, ymd(2011, 3, 15), test::DayFirstDates{});
        EXPECT_EQ(shared.Date, expected) << stored.value_or("(absent)");
        EXPECT_EQ(shared.DateText, stored.value_or("15/03/2011"));
        EXPECT_EQ(shared.Title, SettingsRecord{}.Title);
    }
}

TEST(writeSettings, WritesEveryKeyInItsOrderAndOnlyTheChosenSharedSection)
{
    const std::vector<std::pair<std::string, const char*>> rows{{"1", SectionCommon}, {"0", SectionScreenSaver}};
    for (const auto& [synchronize, shared] : rows) {
        FakeServices services;
        ASSERT_TRUE(writeSettings(services.store, sampleDialog(synchronize), ImageValues{}, services.dates));
        EXPECT_EQ(services.store.commits, 1);

        const std::string S = shared;
        const std::string C = SectionCommon;
        const std::string V = SectionScreenSaver;
        std::vector<std::pair<std::string, std::string>> expected{
            {C, "Synchronize"}, {S, "Title"}, {S, "Target"}, {S, "TargetPassed"}, {S, "Date"},
            {V, "Style"}, {V, "Position"}, {V, "Direction"}, {V, "IncludeDays"}, {V, "Speed"},
            {V, "Horizontal"}, {V, "Vertical"}, {V, "HorizDirection"}, {V, "VertDirection"}, {V, "Background"},
            {V, "ImageUsed"}, {V, "ImageStyle"}, {V, "ImageName"}, {V, "ImagePath"}, {V, "ImageSize"},
            {V, "ImageIndex"}, {V, "ImageTag"}, {V, "ImageDrive"},
        };
        for (const char digit : {'0', '1', '2'}) {
            for (const char* font : {"TextFontName", "TextFontSize", "TextFontColor", "TextFontBold",
                                     "TextFontItalic", "TextFontStrikethru", "TextFontUnderline"})
                expected.emplace_back(V, font + std::string(1, digit));
        }
        EXPECT_EQ(services.store.writes, expected) << "Synchronize " << synchronize;
        EXPECT_EQ(services.store.values.at({C, "Synchronize"}), synchronize);
        EXPECT_EQ(services.store.values.at({S, "Date"}), "29/02/2012");
    }
}

TEST(writeSettings, StoredFormsReadBackAsTheDialogValues)
{
    FakeServices services;
    services.store.values[{SectionCommon, "DesktopPath"}] = "/usr/share/varnholt";
    ImageValues image{1, "sea.jpg", "/home/ann/", 4, 7, "Globe", "/"};
    const DialogValues values = sampleDialog("0");
    ASSERT_TRUE(writeSettings(services.store, values, image, services.dates));

    const auto stored = [&](const char* key) { return services.store.values.at({SectionScreenSaver, key}); };
    EXPECT_EQ(stored("TextFontBold1"), "False");
    EXPECT_EQ(stored("TextFontUnderline0"), "True");
    EXPECT_EQ(stored("TextFontColor1"), "65280");
    EXPECT_EQ(stored("Background"), "16711680");
    EXPECT_EQ(services.store.values.at({SectionCommon, "DesktopPath"}), "/usr/share/varnholt");

    const LoadedSettings loaded = load(services);
    SettingsRecord expected = loaded.settings;
    expected.Synchronize = 0;
    expected.Title = values.Title;
    expected.Date = "29/02/2012";
    expected.Speed = 120;
    expected.TextFontName = values.TextFontName;
    expected.TextFontSize = values.TextFontSize;
    expected.TextFontColor = values.TextFontColor;
    expected.TextFontBold = values.TextFontBold;
    expected.TextFontItalic = values.TextFontItalic;
    expected.TextFontStrikethru = values.TextFontStrikethru;
    expected.TextFontUnderline = values.TextFontUnderline;
    EXPECT_EQ(loaded.settings, expected);
    EXPECT_EQ(loaded.imageSelection, image);
}

TEST(writeSettings, ReportsAFailedCommit)
{
    FakeServices services;
    services.store.failCommit = true;
    EXPECT_FALSE(writeSettings(services.store, sampleDialog("1"), ImageValues{}, services.dates));
}

} // namespace
} // namespace varnholt
