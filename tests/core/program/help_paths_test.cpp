#include "core/program/help_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

using namespace varnholt;

namespace {

const std::string Data = "/usr/share/varnholt";
const std::string Odd = "/tmp/my \"saver\"; files";

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "varnholt-help-XXXXXX").string();
        path = mkdtemp(pattern.data());
        std::filesystem::create_directory(path + "/with blanks \"quoted\"; semi");
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

} // namespace

TEST(HelpPaths, ReadMeBesideDesktopPathOrInTheDataFolder)
{
    struct Row {
        std::string desktopPath, expected;
    };
    const std::string longPath = "/" + std::string(4999, 'x');
    const std::vector<Row> rows = {
        {"/home/u/Varnholt", "/home/u/Varnholt/ReadMe.rtf"},
        {"/home/u/Varnholt/", "/home/u/Varnholt//ReadMe.rtf"},
        {Odd, Odd + "/ReadMe.rtf"},
        {longPath, longPath + "/ReadMe.rtf"},
        {"", Data + "/ReadMe.rtf"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(readMePath(row.desktopPath, Data), row.expected) << row.desktopPath.substr(0, 40);
}

TEST(HelpPaths, HelpPageBesideHelpFileOnlyWhenItsFolderExists)
{
    TempFolder temp;
    const std::string odd = temp.path + "/with blanks \"quoted\"; semi";
    struct Row {
        std::string helpFilePath, expected;
    };
    const std::vector<Row> rows = {
        {temp.path + "/Varnholt.chm", temp.path + "/help/topic-110.html"},
        {temp.path + "//Varnholt.chm", temp.path + "//help/topic-110.html"},
        {odd + "/Varnholt.chm", odd + "/help/topic-110.html"},
        {"/Varnholt.chm", Data + "/help/topic-110.html"}, // no desktopPath: not the root folder
        {temp.path + "/missing/Varnholt.chm", Data + "/help/topic-110.html"},
        {"/" + std::string(5000, 'y') + "/Varnholt.chm", Data + "/help/topic-110.html"},
        {"Varnholt.chm", Data + "/help/topic-110.html"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(helpPagePath(row.helpFilePath, 110, Data), row.expected) << row.helpFilePath.substr(0, 60);
    EXPECT_EQ(helpPagePath(temp.path + "/Varnholt.chm", 7, Data), temp.path + "/help/topic-7.html");
}

TEST(HelpPaths, DataFolderFallsBackWhenNotInstalled)
{
    TempFolder temp;
    EXPECT_EQ(chooseDataFolder(temp.path, "/src/resources"), temp.path);
    EXPECT_EQ(chooseDataFolder(temp.path + "/missing", "/src/resources"), "/src/resources");
    EXPECT_EQ(chooseDataFolder(temp.path + "/missing/" + std::string(5000, 'z'), "/src/resources"), "/src/resources");
}
