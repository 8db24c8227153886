// SPDX-License-Identifier: MIT
#include "core/program/start_up.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class RecordingWindows final : public StartupWindows {
public:
    explicit RecordingWindows(RecordingPlatform& platform) : m_platform(platform) {}
    std::vector<std::string> calls;
    int cursorAtModal = 0;

    void loadMain() override
    {
        calls.push_back("loadMain");
        m_platform.showCursor(false); // the set-up hides the cursor in every mode
    }
    void showMainFullScreen() override { calls.push_back("showMainFullScreen"); }
    void embedMainInPreview() override { calls.push_back("embedMainInPreview"); }
    void embedMainInHost() override { calls.push_back("embedMainInHost"); }
    void stopMainTimer() override { calls.push_back("stopMainTimer"); }
    void showSettingsModal() override
    {
        calls.push_back("showSettingsModal");
        cursorAtModal = m_platform.cursorCount;
    }
    void unloadMain() override { calls.push_back("unloadMain"); }

private:
    RecordingPlatform& m_platform;
};

struct Fixture {
    FakeServices fakes;
    ProgramState state{Services{fakes.store, fakes.clock, fakes.dates, fakes.platform, fakes.log}};
    RecordingWindows windows{fakes.platform};

    StartResult run(const std::string& line) { return startProgram(state, line, windows); }
};

using Calls = std::vector<std::string>;

} // namespace

TEST(StartUp, DispatchTable)
{
    struct Row {
        const char* line;
        StartResult result;
        std::int32_t runMode;
        Calls calls;
    };
    const Calls saver{"loadMain", "showMainFullScreen"};
    const Calls settings{"loadMain", "stopMainTimer", "showSettingsModal", "unloadMain"};
    const Row rows[] = {
        {"/s", StartResult::WindowsRunning, ModeSaver, saver},
        {"  /S  ", StartResult::WindowsRunning, ModeSaver, saver},
        {"", StartResult::WindowsRunning, ModeSaver, saver},
        {"/a", StartResult::Ended, ModeNone, {}},
        // The second-instance rule runs end to end in saver_test.sh and second_instance_test.sh.
        {"/c:1234", StartResult::Ended, ModeNone, settings},
        // A preview without a usable host window ends at once.
        {"/p", StartResult::Ended, ModePreview, {}},
        {"/p 4321", StartResult::Ended, ModePreview, {}},
    };
    for (const Row& row : rows) {
        Fixture f;
        f.fakes.platform.metrics = ScreenMetrics{1920, 1080, 15.0, 15.0};
        EXPECT_EQ(f.run(row.line), row.result) << row.line;
        EXPECT_EQ(f.state.runMode(), row.runMode) << row.line;
        EXPECT_EQ(f.windows.calls, row.calls) << row.line;
        EXPECT_EQ(f.fakes.platform.saverRunning, row.runMode == ModeSaver) << row.line;
        const bool covers = f.state.screenRect().right == 1920 && f.state.screenRect().bottom == 1080;
        EXPECT_EQ(covers, row.runMode == ModeSaver) << row.line << ": the saver covers the desktop";
    }
}

TEST(StartUp, SettingsDialogShowsTheCursorOnceAndRefusesASecondDialog)
{
    Fixture f;
    f.run("/c");
    EXPECT_EQ(f.windows.cursorAtModal, 0);
    EXPECT_TRUE(f.fakes.platform.messages.empty());

    // The first dialog is seen by its window (X11) or by the claim it holds (anywhere).
    for (const bool byWindow : {true, false}) {
        Fixture second;
        if (byWindow)
            second.fakes.platform.openWindows.push_back("Settings - Varnholt ScreenSaver - v 3.0");
        second.fakes.platform.settingsClaimedElsewhere = !byWindow;
        EXPECT_EQ(second.run("/c"), StartResult::Ended);
        EXPECT_TRUE(second.windows.calls.empty());
        ASSERT_EQ(second.fakes.platform.messages.size(), 1u);
        EXPECT_EQ(second.fakes.platform.messages[0].text, "The Settings Dialog is already open.     \r\n\r\n");
        EXPECT_EQ(second.fakes.platform.messages[0].icon, MessageIcon::None);
    }
}

TEST(StartUp, HelpFileFollowsDesktopPathWithoutCheckingTheSeparator)
{
    struct Row {
        std::optional<std::string> desktopPath;
        std::string help;
        const PathStyle& paths = test::LinuxPaths;
    };
    const Row rows[] = {
        {std::nullopt, "/Varnholt.chm"},
        {"/opt/varnholt/", "/opt/varnholt//Varnholt.chm"},
        {"C:\\Varnholt", "C:\\Varnholt\\Varnholt.chm", test::WindowsPaths},
    };
    for (const Row& row : rows) {
        Fixture f;
        f.fakes.platform.paths = row.paths;
        if (row.desktopPath)
            f.fakes.store.values[{"Common", "DesktopPath"}] = *row.desktopPath;
        f.run("/a");
        EXPECT_EQ(f.state.helpFilePath(), row.help);
    }
}

TEST(StartUp, PreviewStartsFromTheHostClientArea)
{
    struct Row {
        const char* line;
        const char* direction;
        std::int32_t span, left, top;
    };
    const Row rows[] = {
        {"/p 1234", "0", 2280, 2280, 784},
        {"/p:1234", "1", 2280, 2280, 784},
        {"/p 1234", "2", 1680, 0, 1680},
        {"/p 1234", "7", 2280, 2280, 784}, // repaired as the dialog would show it: Forward
    };
    for (const Row& row : rows) {
        Fixture f;
        f.fakes.platform.hostWindows[1234] = {152, 112};
        f.fakes.store.values[{"ScreenSaver", "Direction"}] = row.direction;
        ASSERT_EQ(f.run(row.line), StartResult::WindowsRunning);
        EXPECT_EQ(f.state.previewWindow(), 1234u);
        EXPECT_EQ(f.state.startBlock().PreviewSpan, row.span) << row.direction;
        EXPECT_EQ(f.state.startBlock().TextLeft, row.left) << row.direction;
        EXPECT_EQ(f.state.startBlock().TextTop, row.top) << row.direction;
        EXPECT_EQ(f.windows.calls, (Calls{"loadMain", "embedMainInPreview"}));
        EXPECT_EQ(f.fakes.platform.cursorCount, 0) << "the preview keeps the cursor visible";
    }
}

// A stored Speed of -50 would move the block off the screen for good, a size of 0 draws 1-pixel text.
TEST(ProgramState, SaverRepairsNumbersOutOfRangeWhileTheDialogSeesThemAsStored)
{
    struct Row {
        std::int32_t runMode;
        std::int16_t speed, size;
    };
    const Row rows[] = {{ModeSaver, 50, 16}, {ModePreview, 50, 16}, {ModeNone, -50, 0}};
    for (const Row& row : rows) {
        Fixture f;
        f.fakes.store.values[{"ScreenSaver", "Speed"}] = "-50";
        f.fakes.store.values[{"ScreenSaver", "TextFontSize0"}] = "0";
        f.fakes.store.values[{"ScreenSaver", "TextFontSize1"}] = "999";
        f.state.setRunMode(row.runMode);
        f.state.loadSettings();
        EXPECT_EQ(f.state.settings().Speed, row.speed) << row.runMode;
        EXPECT_EQ(f.state.settings().TextFontSize[0], row.size) << row.runMode;
        EXPECT_EQ(f.state.settings().TextFontSize[1], 999) << row.runMode;
    }
}

TEST(StartUp, CalculationFailureLeavesTheOutputsAndShowsTheMessage)
{
    Fixture f;
    f.fakes.store.values[{"Common", "Title"}] = "E";
    f.state.loadSettings();
    f.state.calculateTimeLeft("01/01/2012");
    const TimeLeftOutputs before = f.state.timeLeft();
    f.state.calculateTimeLeft("31/02/2012");
    f.state.calculateTimeLeft("");
    EXPECT_EQ(f.state.timeLeft().TimeLeftLine, before.TimeLeftLine);
    EXPECT_EQ(f.state.timeLeft().TitleLine, "E");
    ASSERT_EQ(f.fakes.platform.messages.size(), 2u);
    EXPECT_EQ(f.fakes.platform.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(f.fakes.platform.messages[0].text, dateCalculationErrorText());
}

TEST(StartUp, HostedSaverDrawsIntoTheHostWindowBesideOtherInstances)
{
    Fixture f;
    f.state.setHostWindow(0x2a00007);
    f.fakes.platform.hostWindows[0x2a00007] = {640, 480};
    f.fakes.platform.otherInstance = true; // one saver per monitor
    EXPECT_EQ(f.run("/s --window-id 0x2a00007"), StartResult::WindowsRunning);
    EXPECT_EQ(f.windows.calls, (Calls{"loadMain", "embedMainInHost"}));
    EXPECT_EQ(f.state.screenRect().right, 640);
    EXPECT_EQ(f.state.layoutScreen().widthPixels, 640) << "the layout follows the host window, not the screen";

    Fixture gone;
    gone.state.setHostWindow(77);
    EXPECT_EQ(gone.run("/s"), StartResult::Ended);
    EXPECT_TRUE(gone.windows.calls.empty());
}

TEST(StartUp, SecondSaverEndsUnlessDisplayPropertiesIsOpenAndALoneStartLooksUpNoWindow)
{
    struct Row {
        bool otherInstance;
        bool displayPropertiesOpen;
        StartResult result;
        bool lookedUp; // on X11 a display connection of its own, before the first frame
    };
    const Row rows[] = {
        {false, false, StartResult::WindowsRunning, false},
        {false, true, StartResult::WindowsRunning, false},
        {true, false, StartResult::Ended, true},
        {true, true, StartResult::WindowsRunning, true},
    };
    for (const Row& row : rows) {
        Fixture f;
        f.fakes.platform.otherInstance = row.otherInstance;
        if (row.displayPropertiesOpen)
            f.fakes.platform.openWindows.push_back(DisplayPropertiesTitle);
        EXPECT_EQ(f.run("/s"), row.result) << row.otherInstance << row.displayPropertiesOpen;
        EXPECT_EQ(f.fakes.platform.lookedUp,
                  row.lookedUp ? std::vector<std::string>{DisplayPropertiesTitle} : std::vector<std::string>{})
            << row.otherInstance << row.displayPropertiesOpen;
    }
}
