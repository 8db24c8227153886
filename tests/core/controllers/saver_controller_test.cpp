// SPDX-License-Identifier: MIT
#include "core/controllers/saver_controller.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace varnholt;
using namespace varnholt::test;

namespace {

// Lines are 100 twips a character wide and 300 high; pictures come at the sizes below.
class FakeWindow final : public SaverWindowView {
public:
    std::variant<PixelSize, PictureFault> file = PixelSize{40, 20};
    std::string taken;
    std::string shown;
    PixelSize shownSize;
    std::string captions[2];
    std::string lines[2]; // caption, font entry, points
    std::string sized;
    std::int32_t background = -1;
    bool firstPath = false;
    std::pair<std::int32_t, std::int32_t> picturePlace{-1, -1};
    TextBlockState block;

    void setLabelsCentred(bool) override {}
    void rerunSetup() override {}
    std::pair<std::int32_t, std::int32_t> pictureSize() const override
    {
        return {shownSize.width * 15, shownSize.height * 15};
    }
    void movePicture(std::int32_t left, std::int32_t top) override { picturePlace = {left, top}; }
    void showNoPicture() override { shown = "none"; }
    PixelSize loadDefaultPicture() override
    {
        taken = "default";
        return {100, 50};
    }
    PixelSize loadBuiltinPicture(int index) override
    {
        if (index < 1 || index > 9)
            throw RuntimeError(ErrSubscriptOutOfRange);
        taken = "built-in " + std::to_string(index);
        return {150, 75};
    }
    std::variant<PixelSize, PictureFault> loadPictureFile(const std::string& path) override
    {
        taken = "file " + path;
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
        lines[int(line)] = caption + " " + std::to_string(fontEntry)
            + (pointSize ? " " + std::to_string(*pointSize) + "pt" : "");
    }
    LabelSize lineExtent(SaverLine line) const override { return {100.0 * captions[int(line)].size(), 300}; }
    double lineHeight(SaverLine) const override { return 300; }
    void sizeLines(const TextLabels& l) override
    {
        for (const LabelSize& size : {l.title, l.timeLeft})
            sized += std::to_string(int(size.width)) + "x" + std::to_string(int(size.height)) + " ";
    }
    void showBackground(std::int32_t colour) override { background = colour; }
    TextBlockState& textBlock() override { return block; }
    void startFirstPath() override { firstPath = true; }
};

// Each call with the cursor count, whether the system still thinks a saver runs and any activation.
struct FakeRun final : SaverRunView {
    explicit FakeRun(RecordingPlatform& platform) : platform(platform) {}
    RecordingPlatform& platform;
    FakeWindow window;
    std::vector<std::string> calls;

    std::vector<SaverWindowView*> windowViews() override { return {&window}; }
    void startTimer() override { record("startTimer"); }
    void stopTimer() override { record("stopTimer"); }
    void hideWindows() override { record("hideWindows"); }
    void dropTopMost() override { record("dropTopMost"); }
    void endRun() override { record("endRun"); }
    void record(const char* call)
    {
        calls.push_back(std::string(call) + " " + std::to_string(platform.cursorCount)
                        + (platform.saverRunning ? " running" : "") + (platform.activated.empty() ? "" : " activated"));
    }
};

struct Saver {
    explicit Saver(std::int32_t runMode, const std::string& stored = "")
    {
        state.setRunMode(runMode);
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
    std::string trace = {}; // the load error's message (the timer does not start) or a warning logged
};

TEST(SaverControllerTest, PictureChoiceSizeStepAndLoadErrors)
{
    const PictureFault missingFile{PictureFault::FileMissing, ""};
    const PictureFault missingFolder{PictureFault::FolderMissing, ""};
    const std::string fellBack = "saver: /p/a.png: File not found; showing built-in picture 2 instead";
    const PictureRow rows[] = {
        {ModeSaver, "ImageUsed=0 ImageStyle=1", PixelSize{40, 20}, "none"},
        {ModeSaver, "ImageUsed=0 Speed=900", PixelSize{40, 20}, "none",
         "log settings: Speed=900 is out of range; its default is used"},
        {ModePreview, FilePicture, PixelSize{40, 20}, "default at 100x50"},
        {ModeNone, FilePicture, PixelSize{40, 20}, "default at 100x50"},
        {ModeSaver, "ImageUsed=1 ImageStyle=0 ImageIndex=3 ImageSize=4", PixelSize{}, "built-in 3 at 150x75"},
        {ModeSaver, FilePicture + "ImageSize=-2", PixelSize{40, 20}, "file /p/a.png at 20x10"},
        {ModeSaver, FilePicture + "ImageSize=2", missingFile, "built-in 2 at 300x150", "log " + fellBack},
        {ModeSaver, FilePicture + "ImageSize=0", missingFolder, "built-in 2 at 150x75",
         "log saver: /p/a.png: Path not found; showing built-in picture 2 instead"},
        {ModeSaver, FilePicture + "ImageSize=1", PictureFault{PictureFault::NotAPicture, "the file is incomplete"}, "",
         "Load Error Number: 481\r\nInvalid picture (the file is incomplete)"},
        {ModeSaver, FilePicture + "ImageSize=1 ImageIndex=10", missingFile, "",
         "Load Error Number: 9\r\nSubscript out of range"},
        // The pixel limit: 8000 x 8000 is the most shown, one more row of pixels is refused.
        {ModeSaver, FilePicture + "ImageSize=8", PixelSize{1000, 1000}, "file /p/a.png at 8000x8000"},
        {ModeSaver, FilePicture + "ImageSize=8", PixelSize{1000, 1001}, "", "Load Error Number: 6\r\nOverflow"},
        {ModeSaver, "Date=01/01/2012 Title=" + std::string(400, 'W'), PixelSize{}, "none",
         "Load Error Number: 6\r\nOverflow\r\nThe Event Text is too long for the screen."},
    };
    for (const PictureRow& row : rows) {
        SCOPED_TRACE(row.stored);
        Saver s(row.runMode, row.stored);
        s.run.window.file = row.file;
        s.controller.load();
        EXPECT_EQ(s.run.window.shown, row.shown);
        std::vector<std::string> trace;
        for (const RecordedMessage& message : s.fakes.platform.messages)
            trace.push_back(message.text);
        for (const std::string& warning : s.fakes.log.warnings)
            trace.push_back("log " + warning);
        EXPECT_EQ(trace, row.trace.empty() ? std::vector<std::string>{} : std::vector{row.trace});
        EXPECT_EQ(s.run.calls.size(), s.fakes.platform.messages.empty() ? 1u : 0u); // the timer started
    }
}

struct LineRow {
    std::int32_t runMode;
    std::string date; // today is 15/03/2011
    std::string title;
    std::string timeLeft;
    std::string sized;
    std::pair<std::int32_t, std::int32_t> picturePlace;
};

TEST(SaverControllerTest, LinesFontsTheirBlockAndThePreviewPicture)
{
    const std::string passed = "Phrase when target date has passed. (Change this!!)   (73 days ago!) 2";
    const LineRow rows[] = {
        {ModeSaver,
         "01/01/2012",
         "Main Title Text (Change this!!) 0",
         " 9 months  17 days! 1",
         "3100x300 3100x300 ",
         {-1, -1}},
        // Today: the title is empty but still a line high.
        {ModeSaver,
         "15/03/2011",
         " 0",
         "Phrase upon reaching target date. (Change this!!) 1",
         "4900x300 4900x300 ",
         {-1, -1}},
        {ModeSaver, "01/01/2011", " 0", passed, "6800x300 6800x300 ", {-1, -1}},
        // The default picture's bottom on the text's start, centred on half the preview span.
        {ModePreview, "01/01/2011", " 0 8pt", passed + " 8pt", "6800x300 6800x300 ", {390, 34}},
    };
    for (const LineRow& row : rows) {
        SCOPED_TRACE(row.date);
        Saver s(row.runMode, "ImageUsed=1 Style=1 Background=255 Date=" + row.date);
        FakeWindow& window = s.run.window;
        window.block.PreviewSpan = 2280;
        window.block.TextTop = 784;
        s.controller.load();
        EXPECT_EQ(window.lines[0], row.title);
        EXPECT_EQ(window.lines[1], row.timeLeft);
        EXPECT_EQ(window.sized, row.sized);
        EXPECT_EQ(window.background, 255);
        EXPECT_EQ(window.firstPath, row.runMode == ModeSaver);
        EXPECT_EQ(window.picturePlace, row.picturePlace);
    }
}

struct InputRow {
    std::int32_t runMode;
    std::uint32_t hostWindow;
    std::string events; // m: a mouse move, c: a click, u: an unload
    std::int32_t moveCount;
    std::vector<std::string> calls; // after the load's startTimer
    int cursor;
};

TEST(SaverControllerTest, InputUnloadAndTheOrderOfEnding)
{
    const std::vector<std::string> ended = {"dropTopMost 0 running", "stopTimer 0", "hideWindows 0", "endRun 1"};
    const std::vector<std::string> unloaded = {"stopTimer -1 running", "hideWindows -1 running"};
    const InputRow rows[] = {
        {ModeSaver, 0, "mmmmmmmm", 8, {}, -1},
        {ModeSaver, 0, "mmmmmmmmm", 0, ended, 1},
        {ModeSaver, 0, "mmc", 2, ended, 1},
        {ModeSaver, 0x600001, "mmmmmmmmmmc", 10, {}, -1},
        {ModePreview, 0, "mmmmmmmmmmc", 10, {}, -1},
        {ModeNone, 0, "mmmmmmmmmmc", 10, {}, -1},
        {ModeSaver, 0, "uu", 0, unloaded, 0},
        {ModePreview,
         0,
         "uu",
         0,
         {"stopTimer -1 running", "hideWindows -1 running", "endRun -1 running activated"},
         -1},
        {ModeNone, 0, "uu", 0, unloaded, -1},
    };
    for (const InputRow& row : rows) {
        SCOPED_TRACE(std::to_string(row.runMode) + " " + row.events);
        Saver s(row.runMode);
        s.state.setHostWindow(row.hostWindow);
        s.fakes.platform.saverRunning = true;
        s.controller.load();
        s.run.calls.clear();
        for (char event : row.events)
            event == 'm' ? s.controller.mouseMoved() : event == 'c' ? s.controller.clicked() : s.controller.unload();
        EXPECT_EQ(s.controller.mouseMoveCount(), row.moveCount);
        EXPECT_EQ(s.run.calls, row.calls);
        EXPECT_EQ(s.fakes.platform.cursorCount, row.cursor);
        EXPECT_EQ(s.fakes.platform.saverRunning, row.calls != ended);
    }
}

} // namespace
