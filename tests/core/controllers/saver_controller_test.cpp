#include "core/controllers/saver_controller.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace varnholt;
using namespace varnholt::test;

namespace {

constexpr double Twips = 15;

// Lines are 100 twips a character wide and 300 high; pictures come at the sizes below.
class FakeWindow final : public SaverWindowView {
public:
    std::variant<PixelSize, PictureFault> file = PixelSize{40, 20};
    std::string taken;
    std::string shown;
    PixelSize shownSize;
    std::string captions[2];
    int fontEntries[2] = {-1, -1};
    std::optional<int> points[2];
    TextLabels sized;
    std::int32_t background = -1;
    bool firstPath = false;
    std::pair<std::int32_t, std::int32_t> picturePlace{-1, -1};
    TextBlockState block;

    void setLabelsCentred(bool) override {}
    void rerunSetup() override {}
    std::pair<std::int32_t, std::int32_t> pictureSize() const override
    {
        return {std::int32_t(shownSize.width * Twips), std::int32_t(shownSize.height * Twips)};
    }
    void movePicture(std::int32_t left, std::int32_t top) override { picturePlace = {left, top}; }
    void showNoPicture() override { shown = "none"; }
    PixelSize loadDefaultPicture() override { return take("default", {100, 50}); }
    PixelSize loadBuiltinPicture(int index) override
    {
        if (index < 1 || index > 9)
            throw RuntimeError(ErrSubscriptOutOfRange);
        return take("built-in " + std::to_string(index), {150, 75});
    }
    std::variant<PixelSize, PictureFault> loadPictureFile(const std::string& path) override
    {
        if (const auto* size = std::get_if<PixelSize>(&file))
            take("file " + path, *size);
        return file;
    }
    void showPicture(PixelSize size) override
    {
        shown = taken + " at " + std::to_string(size.width) + "x" + std::to_string(size.height);
        shownSize = size;
    }
    void showLine(SaverLine line, const std::string& caption, int fontEntry, std::optional<int> pointSize) override
    {
        captions[int(line)] = caption;
        fontEntries[int(line)] = fontEntry;
        points[int(line)] = pointSize;
    }
    LabelSize lineExtent(SaverLine line) const override { return {100.0 * captions[int(line)].size(), 300}; }
    double lineHeight(SaverLine) const override { return 300; }
    void sizeLines(const TextLabels& labels) override { sized = labels; }
    void showBackground(std::int32_t colour) override { background = colour; }
    TextBlockState& textBlock() override { return block; }
    void startFirstPath() override { firstPath = true; }

private:
    PixelSize take(const std::string& what, PixelSize size)
    {
        taken = what;
        return size;
    }
};

// Each call with the cursor count and whether the system still thinks a saver runs.
class FakeRun final : public SaverRunView {
public:
    explicit FakeRun(RecordingPlatform& platform) : m_platform(platform) {}
    FakeWindow window;
    std::vector<std::string> calls;

    std::vector<SaverWindowView*> windowViews() override { return {&window}; }
    void startTimer() override { record("startTimer"); }
    void stopTimer() override { record("stopTimer"); }
    void hideWindows() override { record("hideWindows"); }
    void dropTopMost() override { record("dropTopMost"); }
    void endRun() override { record("endRun"); }

private:
    void record(const char* call)
    {
        calls.push_back(std::string(call) + " " + std::to_string(m_platform.cursorCount)
                        + (m_platform.saverRunning ? " running" : ""));
    }
    RecordingPlatform& m_platform;
};

struct Saver {
    explicit Saver(std::int32_t runMode, const std::string& stored = "")
    {
        state.runMode = runMode;
        std::istringstream pairs(stored);
        for (std::string pair; pairs >> pair;) {
            const auto equals = pair.find('=');
            for (const char* section : {"Common", "ScreenSaver"})
                fakes.store.values[{section, pair.substr(0, equals)}] = pair.substr(equals + 1);
        }
    }
    FakeServices fakes;
    ProgramState state{Services{fakes.store, fakes.clock, fakes.dates, fakes.platform, fakes.log}};
    FakeRun run{fakes.platform};
    SaverController controller{state, run};
};

const std::string FilePicture = "ImageUsed=1 ImageStyle=1 ImageIndex=2 ImagePath=/p/ ImageName=a.png ";

struct PictureRow {
    std::int32_t runMode;
    std::string stored;
    std::variant<PixelSize, PictureFault> file;
    std::string shown;
    std::string message; // the load error; none: the timer starts
    std::string warning;
};

TEST(SaverControllerTest, PictureChoiceSizeStepAndLoadErrors)
{
    const PictureFault missingFile{PictureFault::FileMissing, ""};
    const PictureFault missingFolder{PictureFault::FolderMissing, ""};
    const std::string fellBack = "saver: /p/a.png: File not found; showing built-in picture 2 instead";
    const PictureRow rows[] = {
        {ModeSaver, "ImageUsed=0 ImageStyle=1", PixelSize{40, 20}, "none", "", ""},
        {ModePreview, FilePicture, PixelSize{40, 20}, "default at 100x50", "", ""},
        {ModeNone, FilePicture, PixelSize{40, 20}, "default at 100x50", "", ""},
        {ModeSaver, "ImageUsed=1 ImageStyle=0 ImageIndex=3 ImageSize=4", PixelSize{}, "built-in 3 at 150x75", "", ""},
        {ModeSaver, FilePicture + "ImageSize=-2", PixelSize{40, 20}, "file /p/a.png at 20x10", "", ""},
        {ModeSaver, FilePicture + "ImageSize=-1", PixelSize{40, 20}, "file /p/a.png at 40x20", "", ""},
        {ModeSaver, FilePicture + "ImageSize=2", missingFile, "built-in 2 at 300x150", "", fellBack},
        {ModeSaver, FilePicture + "ImageSize=0", missingFolder, "built-in 2 at 150x75", "",
         "saver: /p/a.png: Path not found; showing built-in picture 2 instead"},
        {ModeSaver, FilePicture + "ImageSize=1", PictureFault{PictureFault::NotAPicture, "the file is incomplete"}, "",
         "Load Error Number: 481\r\nInvalid picture (the file is incomplete)", ""},
        {ModeSaver, FilePicture + "ImageSize=1 ImageIndex=10", missingFile, "",
         "Load Error Number: 9\r\nSubscript out of range", ""},
        // The pixel limit: 8000 x 8000 is the most shown, one more row of pixels is refused.
        {ModeSaver, FilePicture + "ImageSize=8", PixelSize{1000, 1000}, "file /p/a.png at 8000x8000", "", ""},
        {ModeSaver, FilePicture + "ImageSize=8", PixelSize{1000, 1001}, "", "Load Error Number: 6\r\nOverflow", ""},
        {ModeSaver, FilePicture + "ImageSize=32767", PixelSize{40, 20}, "", "Load Error Number: 6\r\nOverflow", ""},
        {ModeSaver, "Date=01/01/2012 Title=" + std::string(400, 'W'), PixelSize{}, "none",
         "Load Error Number: 6\r\nOverflow\r\nThe Event Text is too long for the screen.", ""},
    };
    for (const PictureRow& row : rows) {
        SCOPED_TRACE(row.stored);
        Saver s(row.runMode, row.stored);
        s.run.window.file = row.file;
        s.controller.load();
        EXPECT_EQ(s.run.window.shown, row.shown);
        const std::vector<RecordedMessage>& messages = s.fakes.platform.messages;
        EXPECT_EQ(messages.empty() ? "" : messages.front().text, row.message);
        EXPECT_EQ(messages.size(), row.message.empty() ? 0u : 1u);
        EXPECT_EQ(s.run.calls,
                  row.message.empty() ? std::vector<std::string>{"startTimer -1"} : std::vector<std::string>{});
        EXPECT_EQ(s.fakes.log.warnings, row.warning.empty() ? std::vector<std::string>{} : std::vector{row.warning});
    }
}

struct LineRow {
    std::int32_t runMode;
    std::string date; // today is 15/03/2011
    std::string title;
    int timeLeftEntry;
    std::optional<int> points;
    TextLabels sized;
};

TEST(SaverControllerTest, LinesFontsAndTheirBlock)
{
    const LineRow rows[] = {
        {ModeSaver, "01/01/2012", "Main Title Text (Change this!!)", 1, std::nullopt, {{3100, 300}, {3100, 300}}},
        // Today: the title is empty but still a line high.
        {ModeSaver, "15/03/2011", "", 1, std::nullopt, {{4900, 300}, {4900, 300}}},
        {ModeSaver, "01/01/2011", "", 2, std::nullopt, {{6800, 300}, {6800, 300}}},
        {ModePreview, "01/01/2011", "", 2, 8, {{6800, 300}, {6800, 300}}},
    };
    for (const LineRow& row : rows) {
        SCOPED_TRACE(row.date);
        Saver s(row.runMode, "Style=1 Background=255 Date=" + row.date);
        s.controller.load();
        const FakeWindow& window = s.run.window;
        EXPECT_EQ(window.captions[0], row.title);
        EXPECT_EQ(window.captions[1], s.state.timeLeft.TimeLeftLine);
        EXPECT_EQ(window.fontEntries[0], 0);
        EXPECT_EQ(window.fontEntries[1], row.timeLeftEntry);
        EXPECT_EQ(window.points[0], row.points);
        EXPECT_EQ(window.points[1], row.points);
        EXPECT_EQ(std::tie(window.sized.title.width, window.sized.title.height, window.sized.timeLeft.width,
                           window.sized.timeLeft.height),
                  std::tie(row.sized.title.width, row.sized.title.height, row.sized.timeLeft.width,
                           row.sized.timeLeft.height));
        EXPECT_EQ(window.background, 255);
        EXPECT_EQ(window.firstPath, row.runMode == ModeSaver);
    }
}

TEST(SaverControllerTest, PreviewPicturePlacedOverTheTextStart)
{
    Saver s(ModePreview, "ImageUsed=1");
    s.run.window.block.PreviewSpan = 2280;
    s.run.window.block.TextTop = 784;
    s.controller.load();
    EXPECT_EQ(std::tie(s.run.window.block.PictureWidth, s.run.window.block.PictureHeight), std::make_tuple(1500, 750));
    EXPECT_EQ(s.run.window.picturePlace, std::make_pair(390, 34));
}

struct InputRow {
    std::int32_t runMode;
    std::uint32_t hostWindow;
    std::string events; // m: a mouse move, c: a click
    std::int32_t moveCount;
    std::vector<std::string> calls; // after the load's startTimer; each with the cursor count
    bool saverRunning;
};

TEST(SaverControllerTest, InputAndTheOrderOfEnding)
{
    const std::vector<std::string> ended = {"dropTopMost 0 running", "stopTimer 0", "hideWindows 0", "endRun 1"};
    const InputRow rows[] = {
        {ModeSaver, 0, "mmmmmmmm", 8, {}, true},       {ModeSaver, 0, "mmmmmmmmm", 0, ended, false},
        {ModeSaver, 0, "mmc", 2, ended, false},        {ModeSaver, 0x600001, "mmmmmmmmmmc", 10, {}, true},
        {ModePreview, 0, "mmmmmmmmmmc", 10, {}, true}, {ModeNone, 0, "mmmmmmmmmmc", 10, {}, true},
    };
    for (const InputRow& row : rows) {
        SCOPED_TRACE(row.events);
        Saver s(row.runMode);
        s.state.hostWindow = row.hostWindow;
        s.fakes.platform.saverRunning = true;
        s.controller.load();
        s.run.calls.clear();
        for (char event : row.events)
            event == 'm' ? s.controller.mouseMoved() : s.controller.clicked();
        EXPECT_EQ(s.controller.mouseMoveCount(), row.moveCount);
        EXPECT_EQ(s.run.calls, row.calls);
        EXPECT_EQ(s.fakes.platform.saverRunning, row.saverRunning);
    }
}

TEST(SaverControllerTest, UnloadOnceByRunMode)
{
    const std::tuple<std::int32_t, std::vector<std::string>, int, std::vector<std::string>> rows[] = {
        {ModeSaver, {"stopTimer -1", "hideWindows -1"}, 0, {}},
        {ModePreview, {"stopTimer -1", "hideWindows -1", "endRun -1"}, -1, {"Varnholt ScreenSaver"}},
        {ModeNone, {"stopTimer -1", "hideWindows -1"}, -1, {}},
    };
    for (const auto& [runMode, calls, cursor, activated] : rows) {
        Saver s(runMode);
        s.controller.load();
        s.run.calls.clear();
        s.controller.unload();
        s.controller.unload();
        EXPECT_EQ(s.run.calls, calls);
        EXPECT_EQ(s.fakes.platform.cursorCount, cursor);
        EXPECT_EQ(s.fakes.platform.activated, activated);
    }
}

} // namespace
