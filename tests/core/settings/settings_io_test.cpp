// SPDX-License-Identifier: MIT
#include "core/settings/settings_io.h"

#include "core/settings/key_table.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnholt {
namespace {

using test::FakeServices;
using test::ymd;

LoadedSettings load(FakeServices& services)
{
    return loadSettings(services.store, services.clock, services.platform.pathStyle());
}

EditedSettings sampleEdit(std::int16_t synchronize)
{
    EditedSettings edited;
    edited.record.Synchronize = synchronize;
    edited.record.TextFontBold[1] = false;
    edited.date = ymd(2012, 2, 29);
    return edited;
}

// Written out rather than taken from the key table, so that a default changed there fails here.
TEST(loadSettings, EmptyStoreGivesEveryDefault)
{
    std::string expected = "Synchronize=1\nTitle=Main Title Text (Change this!!)\n"
                           "Target=Phrase upon reaching target date. (Change this!!)\n"
                           "TargetPassed=Phrase when target date has passed. (Change this!!)\n"
                           "Date=2011-03-15\nIncludeDays=0\nStyle=0\nImageUsed=0\nImageStyle=0\nImageName=\n"
                           "ImagePath=/\nImageSize=0\nImageIndex=1\nImageTag=Logo\nImageDrive=/\nPosition=0\n"
                           "Direction=0\nSpeed=50\nHorizontal=0\nVertical=0\nHorizDirection=0\nVertDirection=2\n"
                           "Background=0\n";
    for (const char* digit : {"0", "1", "2"}) {
        for (std::string font :
             {"Name=Arial", "Size=16", "Color=255", "Bold=True", "Italic=False", "Strikethru=False", "Underline=False"})
            expected += "TextFont" + font.insert(font.find('='), digit) + "\n";
    }
    FakeServices services;
    const SettingsRecord loaded = load(services).settings;
    std::string found;
    for (const KeyEntry& entry : keyTable())
        found += entry.key + "=" + storedText(loaded, entry) + "\n";
    EXPECT_EQ(found, expected);
}

TEST(loadSettings, StoredTextToValue)
{
    struct Row {
        const char* key;
        std::optional<std::string> stored;
        std::string loaded;
        const PathStyle& paths = test::LinuxPaths;
    };
    const std::vector<Row> rows{
        {"Speed", "fast", "50"},
        {"Background", "16711680", "16711680"},
        {"TextFontSize1", "-40000", "16"},
        {"TextFontBold0", "maybe", "True"},
        {"ImageTag", "", ""},
        {"ImagePath", "", "/"},
        {"ImagePath", "/home/ann/pictures", "/home/ann/pictures/"},
        {"ImagePath", "/home/ann/pictures/", "/home/ann/pictures/"},
        {"ImagePath", "", "\\", test::WindowsPaths},
        {"ImagePath", "d:\\pictures", "d:\\pictures\\", test::WindowsPaths},
        {"ImagePath", "d:\\pictures\\", "d:\\pictures\\", test::WindowsPaths},
        {"ImagePath", "/home/ann", "/home/ann\\", test::WindowsPaths},
        {"ImagePath", std::nullopt, "C:\\", test::WindowsPaths},
        {"ImageDrive", std::nullopt, "C:", test::WindowsPaths},
    };
    for (const Row& row : rows) {
        FakeServices services;
        services.platform.paths = row.paths;
        if (row.stored)
            services.store.values[{SectionScreenSaver, row.key}] = *row.stored;
        const LoadedSettings loaded = load(services);
        EXPECT_EQ(storedText(loaded.settings, keyNamed(row.key)), row.loaded)
            << row.key << " = \"" << row.stored.value_or("(none)") << '"';
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
        {std::nullopt, SectionCommon, 1}, {"1", SectionCommon, 1},   {"2", SectionScreenSaver, 2},
        {"0", SectionScreenSaver, 0},     {"yes", SectionCommon, 1},
    };
    for (const Row& row : rows) {
        FakeServices services;
        if (row.synchronize)
            services.store.values[{SectionCommon, "Synchronize"}] = *row.synchronize;
        for (const char* section : {SectionCommon, SectionScreenSaver}) {
            services.store.values[{section, "Title"}] = section;
            services.store.values[{section, "Date"}] = section == SectionCommon ? "01/01/1753" : "31/12/9999";
        }
        const SettingsRecord record = load(services).settings;
        const std::string context = row.synchronize.value_or("(absent)");
        EXPECT_EQ(record.Synchronize, row.value) << context;
        EXPECT_EQ(record.Title, row.section) << context;
        EXPECT_EQ(record.Date, row.section == SectionCommon ? "01/01/1753" : "31/12/9999") << context;
    }
}

// Other programs read the file: its order and sections stay as they were.
TEST(writeSettings, WritesEveryKeyInItsOrderAndOnlyTheChosenSharedSection)
{
    for (const std::int16_t synchronize : {FlagOn, FlagOff}) {
        FakeServices services;
        ASSERT_TRUE(writeSettings(services.store, sampleEdit(synchronize)));
        EXPECT_EQ(services.store.commits, 1);

        const std::string S = synchronize == FlagOn ? SectionCommon : SectionScreenSaver;
        const std::string V = SectionScreenSaver;
        std::vector<std::pair<std::string, std::string>> expected{{SectionCommon, "Synchronize"}};
        for (const char* key : {"Title", "Target", "TargetPassed", "Date"})
            expected.emplace_back(S, key);
        for (const char* key : {"Style", "Position", "Direction", "IncludeDays", "Speed", "Horizontal", "Vertical",
                                "HorizDirection", "VertDirection", "Background", "ImageUsed", "ImageStyle", "ImageName",
                                "ImagePath", "ImageSize", "ImageIndex", "ImageTag", "ImageDrive"})
            expected.emplace_back(V, key);
        for (const char digit : {'0', '1', '2'}) {
            for (const char* font : {"TextFontName", "TextFontSize", "TextFontColor", "TextFontBold", "TextFontItalic",
                                     "TextFontStrikethru", "TextFontUnderline"})
                expected.emplace_back(V, font + std::string(1, digit));
        }
        EXPECT_EQ(services.store.writes, expected) << "Synchronize " << synchronize;
        EXPECT_EQ(services.store.values.at({S, "Date"}), "2012-02-29"); // one form for every locale
        EXPECT_EQ(services.store.values.at({V, "TextFontBold1"}), "False");
        EXPECT_EQ(services.store.values.at({V, "TextFontBold2"}), "True");
    }
}

} // namespace
} // namespace varnholt
