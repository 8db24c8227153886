// SPDX-License-Identifier: MIT
#include "core/program/help_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

using namespace varnholt;

namespace {

const std::string Data = "/usr/share/varnholt";

class TempFolder {
public:
    TempFolder()
    {
        // A folder of its own: create_directory is false when the name is taken.
        std::random_device random;
        do
            path = (std::filesystem::temp_directory_path() / ("varnholt-help-" + std::to_string(random()))).string();
        while (!std::filesystem::create_directory(path));
        std::filesystem::create_directories(path + "/pages/help");
        std::ofstream(path + "/pages/help/topic-110.html") << "<html></html>";
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

} // namespace

TEST(HelpPaths, HelpPageBesideHelpFileOnlyWhenThePageIsThere)
{
    TempFolder temp;
    const std::string pages = temp.path + "/pages";
    struct Row {
        std::string helpFilePath;
        int context;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {pages + "/Varnholt.chm", 110, pages + "/help/topic-110.html"},
        {pages + "/Varnholt.chm", 7, Data + "/help/topic-7.html"},         // that topic is not there
        {temp.path + "/Varnholt.chm", 110, Data + "/help/topic-110.html"}, // a folder without pages
        {"/Varnholt.chm", 110, Data + "/help/topic-110.html"},             // no desktopPath: not the root folder
        {"/" + std::string(5000, 'y') + "/Varnholt.chm", 110, Data + "/help/topic-110.html"},
        {"Varnholt.chm", 110, Data + "/help/topic-110.html"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(helpPagePath(row.helpFilePath, row.context, Data), row.expected) << row.helpFilePath.substr(0, 60);
    }
}

TEST(HelpPaths, DataFolderIsTheFirstCandidateThatExists)
{
    TempFolder temp;
    const std::string missing = temp.path + "/missing";
    EXPECT_EQ(chooseDataFolder({missing, temp.path, "/src/resources"}), temp.path);
    EXPECT_EQ(chooseDataFolder({missing + "/" + std::string(5000, 'z'), missing}),
              missing + "/" + std::string(5000, 'z'));
    EXPECT_EQ(chooseDataFolder({}), "");
}
