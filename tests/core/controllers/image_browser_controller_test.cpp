// SPDX-License-Identifier: MIT
#include "core/controllers/image_browser_controller.h"

#include "core/common/errors.h"
#include "core/program/volumes.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <utility>

using namespace varnholt;

namespace {

// A window over a small file system: its lists report the controller's changes as Qt's do.
class FakeBrowserView final : public ImageBrowserView {
public:
    ImageBrowserController* controller = nullptr;
    std::vector<std::string> drives{"/", "/media/usb"};
    std::set<std::string> folders{"/", "/pics", "/pics/sub"};
    std::map<std::string, std::vector<std::string>> files{
        {"/pics", {"big.gif", "PHOTO.JPG", "tall.bmp", "text.jpg", "two\nlines.jpg", "wide.jpg"}}, {"/pics/sub", {}}};
    // Natural sizes; a file not listed here is no picture.
    std::map<std::string, NaturalSize> pictures{
        {"big.gif", {500, 300}}, {"PHOTO.JPG", {40, 40}}, {"tall.bmp", {200, 250}}, {"wide.jpg", {300, 200}}};

    std::map<std::string, std::string, std::less<>> texts{{"txtCurImage", "No Image"}, {"lblPreview", "Preview"}};
    std::set<std::string, std::less<>> checked;
    std::vector<std::string> messages;
    std::string currentDrive = "/", currentFolder, listedFolder, selected;
    int tab = 0, page = 0, focusTaken = 0;
    std::set<int> emphasised;
    std::optional<bool> closed;

    void showText(std::string_view control, const std::string& text) override { texts[std::string(control)] = text; }
    void showChecked(std::string_view control, bool on) override
    {
        if (on)
            checked.insert(std::string(control));
    }
    void showEnabled(std::string_view, bool) override {}
    void showVisible(std::string_view, bool) override {}
    void showMessage(const std::string& text, MessageIcon icon) override
    {
        messages.push_back(std::to_string(int(icon)) + " " + text);
    }
    void beep() override {}
    std::string shownName(const std::string& name) const override
    {
        std::string shown;
        for (const char c : name)
            shown += c == '\n' || c == '\r' ? std::string("\uFFFD") : std::string(1, c);
        return shown;
    }
    std::string drive() const override { return currentDrive; }
    bool showDrive(const std::string& drive, bool quietly) override
    {
        if (std::find(drives.begin(), drives.end(), drive) == drives.end())
            return false;
        const bool moved = std::exchange(currentDrive, drive) != drive;
        if (moved && !quietly)
            controller->driveChosen();
        return true;
    }
    std::string driveOf(const std::string& path) const override { return driveOfPath(path, drives); }
    std::string folder() const override { return currentFolder; }
    std::optional<PictureFault> showFolder(const std::string& path) override
    {
        std::string folder = path.size() > 1 && path.back() == '/' ? path.substr(0, path.size() - 1) : path;
        if (!folders.contains(folder))
            return PictureFault{PictureFault::FolderMissing, {}};
        if (std::exchange(currentFolder, folder) != folder)
            controller->folderChanged();
        return std::nullopt;
    }
    std::optional<PictureFault> showFiles(const std::string& folder) override
    {
        if (folder == listedFolder)
            return std::nullopt;
        listedFolder.clear();
        selected.clear();
        if (!folders.contains(folder))
            return PictureFault{PictureFault::FolderMissing, {}};
        listedFolder = folder;
        return std::nullopt;
    }
    std::string chosenFile() const override { return selected; }
    bool showChosenFile(const std::string& name) override
    {
        const auto& listed = files[listedFolder];
        if (std::find(listed.begin(), listed.end(), name) == listed.end())
            return false;
        selected = name;
        controller->fileChosen();
        return true;
    }
    void showTab(int index) override
    {
        if (std::exchange(tab, index) != index)
            controller->tabChosen(index, false);
    }
    void showPage(int index) override { page = index; }
    void showPhotoEmphasis(int index, bool on) override
    {
        if (on)
            emphasised.insert(index);
        else
            emphasised.erase(index);
    }
    void showPhotoFocus(int) override {}
    std::variant<NaturalSize, PictureFault> loadPreview(const std::string& path) override
    {
        const std::size_t slash = path.rfind('/');
        if (!folders.contains(path.substr(0, slash)))
            return PictureFault{PictureFault::FolderMissing, {}};
        const auto found = pictures.find(path.substr(slash + 1));
        if (found == pictures.end())
            return PictureFault{PictureFault::NotAPicture, {}};
        return found->second;
    }
    void showPreview(const PreviewPlacement&) override {}
    void clearPreview() override {}
    void takeFocus() override { ++focusTaken; }
    void close(bool accepted) override { closed = accepted; }
};

struct Row {
    const char* name;
    // "set field=value" before start-up, then one event a line: photo N, photo2 N (double click), key L|R|U|D|C,
    // style N, tab N, file NAME, file2 NAME (double click), drive D, open FOLDER, size N, ok, cancel, rm FOLDER.
    const char* script;
    const char* choice; // name|path|size|style|index|tag
    const char* shown;  // lblPreview|txtCurImage|lblSize|lblScrollSize
    const char* told;   // each message's icon and start, then each trace as "log ...", " # " between them
    const char* window; // closed, tab, focus moves, emphasised picture, folder
};

const Row rows[] = {
    {"stored file previewed", "set name=big.gif\nset size=-2", "big.gif|/pics/|-2|0|1|Logo",
     "Preview - (Reduced) - Actual Size 500 x 300|big.gif|Decrease 2 times|250 x 150", "", "open 0 0 1 /pics"},
    {"stored name absent", "set name=missing.jpg\nset size=2", "missing.jpg|/pics/|2|0|1|Logo",
     "Preview|No Image|Use Actual Size|", "", "open 0 0 1 /pics"},
    {"stored folder gone", "set path=/gone/\nset name=wide.jpg\nset size=3", "|/gone/|1|0|1|Logo",
     "Preview|No Image|Use Actual Size|", "log pictures: the stored folder /gone/ on /: Path not found",
     "open 0 0 1 /"},
    {"stored drive not mounted", "set drive=/media/none\nset name=wide.jpg\nset size=3", "|/pics/|1|0|1|Logo",
     "Preview|No Image|Use Actual Size|",
     "log pictures: the stored folder /pics/ on /media/none # log pictures: the stored drive /media/none: Path not "
     "found; / is shown instead",
     "open 0 0 1 /"},
    {"stored file no longer loads", "set name=text.jpg", "text.jpg|/pics/|1|0|1|Logo", "Preview|No Image||",
     "0 Error Number: 481\r\nInvalid picture", "open 0 0 1 /pics"},
    {"picture clicks leave the style", "set style=1\nset index=12\nphoto 5\nphoto 7", "|/pics/|1|1|7|Sunset",
     "Preview|No Image|Use Actual Size|", "", "open 1 0 7 /pics"},
    {"step beyond the screen", "file big.gif\nsize 2\nsize 2", "big.gif|/pics/|2|0|1|Logo",
     "Preview - (Reduced) - Actual Size 500 x 300|big.gif|Increase 2 times|1000 x 600",
     "2 The Image Size you have selected will be larger than", "open 0 2 1 /pics"},
    {"step below a pixel", "file PHOTO.JPG\nsize 0\nsize 0", "PHOTO.JPG|/pics/|-2|0|1|Logo",
     "Preview - Actual Size 40 x 40|PHOTO.JPG|Decrease 2 times|20 x 20",
     "2 The Image Size you have selected will be too small.", "open 0 2 1 /pics"},
    {"nothing previewed: 0 x 0", "size 0\nsize 2\nsize 2", "|/pics/|3|0|1|Logo",
     "Preview|No Image|Increase 3 times|0 x 0", "2 The Image Size you have selected will be too small.",
     "open 0 3 1 /pics"},
    {"the last previewed size, opened again", "set previewed=40x40\nsize 2", "|/pics/|2|0|1|Logo",
     "Preview|No Image|Increase 2 times|80 x 80", "", "open 0 1 1 /pics"},
    {"same file again keeps the step", "file wide.jpg\nsize 2\nfile wide.jpg", "wide.jpg|/pics|2|0|1|Logo",
     "Preview - (Reduced) - Actual Size 300 x 200|wide.jpg|Increase 2 times|600 x 400", "", "open 0 1 1 /pics"},
    {"another folder empties the choice", "file wide.jpg\nsize 2\nopen /pics/sub", "|/pics/|1|0|1|Logo",
     "Preview|No Image|Use Actual Size|", "", "open 0 1 1 /pics/sub"},
    {"and back: a new choice", "file wide.jpg\nsize 2\nopen /pics/sub\nopen /pics\nfile wide.jpg",
     "wide.jpg|/pics/|1|0|1|Logo", "Preview - (Reduced) - Actual Size 300 x 200|wide.jpg|Use Actual Size|300 x 200", "",
     "open 0 1 1 /pics"},
    {"picture double click", "set style=1\nphoto2 3", "|/pics/|1|0|3|Candles", "Preview|No Image|Use Actual Size|", "",
     "OK 1 0 3 /pics"},
    {"file double click", "file tall.bmp\nfile2 tall.bmp", "tall.bmp|/pics|1|1|1|Logo",
     "Preview - Actual Size 200 x 250|tall.bmp|Use Actual Size|200 x 250", "", "OK 0 0 1 /pics"},
    {"style moves the tab, a tab not the style", "set style=1\nstyle 0\ntab 1", "|/pics/|1|0|1|Logo",
     "Preview|No Image|Use Actual Size|", "", "open 1 2 1 /pics"},
    {"OK wants a file for a File Image", "style 1\nok", "|/pics/|1|1|1|Logo", "Preview|No Image|Use Actual Size|",
     "1 Using a File Image without selecting an Image is not allowed.", "open 1 1 1 /pics"},
    {"then a Base Image passes", "style 1\nok\nstyle 0\nok", "|/pics/|1|0|1|Logo", "Preview|No Image|Use Actual Size|",
     "1 Using a File Image", "OK 0 2 1 /pics"},
    {"cancel", "photo 4\ncancel", "|/pics/|1|0|4|Hammock", "Preview|No Image|Use Actual Size|", "",
     "Cancel 0 0 4 /pics"},
    {"a drive that cannot be opened", "file wide.jpg\ndrive /media/usb", "wide.jpg|/pics/|1|0|1|Logo",
     "Preview - (Reduced) - Actual Size 300 x 200|wide.jpg|Use Actual Size|300 x 200",
     "1 This folder cannot be opened:\r\n/media/usb\r\n\r\nError Number: 76\r\nPath not found", "open 0 0 1 /pics"},
    {"a removed folder", "file wide.jpg\nrm /pics\nfile tall.bmp\nopen /pics/sub", "|/pics/|1|0|1|Logo",
     "Preview|No Image|Use Actual Size|",
     "1 This picture cannot be shown:\r\ntall.bmp\r\n\r\nError Number: 76 # 1 This folder cannot be opened:",
     "open 0 0 1 /pics"},
    {"a file that does not load", "file wide.jpg\nfile text.jpg\nfile tall.bmp", "tall.bmp|/pics/|1|0|1|Logo",
     "Preview - Actual Size 200 x 250|tall.bmp|Use Actual Size|200 x 250",
     "1 This picture cannot be shown:\r\ntext.jpg\r\n\r\nError Number: 481", "open 0 0 1 /pics"},
    {"a name of two lines", "file two\\nlines.jpg", "|/pics|1|0|1|Logo", "Preview|No Image|Use Actual Size|",
     "1 This picture cannot be shown:\r\ntwo\uFFFDlines.jpg\r\n\r\nError Number: 481", "open 0 0 1 /pics"},
    {"keys through the grid", "key R\nkey D\nkey D\nkey L\nkey U\nkey C", "|/pics/|1|0|4|Hammock",
     "Preview|No Image|Use Actual Size|", "", "OK 0 0 4 /pics"},
    {"keys hold at the edges", "key L\nkey U\nkey R\nkey R\nkey R\nkey D\nkey D\nkey D\nkey C", "|/pics/|1|0|7|Sunset",
     "Preview|No Image|Use Actual Size|", "", "OK 0 0 7 /pics"},
    {"keys with none highlighted", "set index=12\nkey U\nkey C", "|/pics/|1|0|1|Logo",
     "Preview|No Image|Use Actual Size|", "", "OK 0 0 1 /pics"},
};

std::string unescaped(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool escape = text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n';
        plain += escape ? '\n' : text[i];
        i += escape ? 1 : 0;
    }
    return plain;
}

class ImageBrowserControllerTest : public testing::TestWithParam<Row> {};

void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

TEST_P(ImageBrowserControllerTest, EventsGiveTheChoiceAndTheWindow)
{
    const Row& row = GetParam();
    FakeBrowserView view;
    PictureChoice start{.ImageStyle = 0,
                        .ImageName = "",
                        .ImagePath = "/pics/",
                        .ImageSize = 1,
                        .ImageIndex = 1,
                        .ImageTag = "Logo",
                        .ImageDrive = "/"};
    PreviewSize previewed;
    std::istringstream lines(row.script);
    std::vector<std::pair<std::string, std::string>> events;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t blank = line.find(' ');
        const std::string what = line.substr(0, blank);
        const std::string value = blank == std::string::npos ? "" : unescaped(line.substr(blank + 1));
        if (what != "set") {
            events.emplace_back(what, value);
            continue;
        }
        const std::string field = value.substr(0, value.find('=')), to = value.substr(value.find('=') + 1);
        if (field == "name")
            start.ImageName = to;
        else if (field == "path")
            start.ImagePath = to;
        else if (field == "drive")
            start.ImageDrive = to;
        else if (field == "size")
            start.ImageSize = std::int16_t(std::stoi(to));
        else if (field == "style")
            start.ImageStyle = std::int16_t(std::stoi(to));
        else if (field == "index")
            start.ImageIndex = std::int16_t(std::stoi(to));
        else if (field == "previewed")
            previewed = {std::int16_t(std::stoi(to)), std::int16_t(std::stoi(to.substr(to.find('x') + 1)))};
    }
    test::RecordingLog log;
    ImageBrowserController controller(view, start, previewed, ScreenMetrics{1024, 768, 15, 15}, test::LinuxPaths, log);
    view.controller = &controller;
    controller.load();
    const int focusBefore = view.focusTaken;
    for (const auto& [what, value] : events) {
        const int number = value.empty() || !std::isdigit(static_cast<unsigned char>(value.back())) ? 0
                                                                                                    : std::stoi(value);
        if (what == "photo" || what == "photo2")
            what == "photo" ? controller.photoClicked(number) : controller.photoDoubleClicked(number);
        else if (what == "key")
            controller.photoKeyPressed(std::map<std::string, PhotoKey>{
                {"L", PhotoKey::Left},
                {"R", PhotoKey::Right},
                {"U", PhotoKey::Up},
                {"D", PhotoKey::Down},
                {"C", PhotoKey::Choose}}.at(value));
        else if (what == "style")
            controller.imageStyleChosen(number);
        else if (what == "tab")
            view.showTab(number);
        else if (what == "file" || what == "file2")
            view.selected = value, what == "file" ? controller.fileChosen() : controller.fileDoubleClicked();
        else if (what == "drive")
            view.currentDrive = value, controller.driveChosen();
        else if (what == "open")
            controller.folderOpened(value);
        else if (what == "size")
            controller.sizeStepPressed(number);
        else if (what == "ok")
            controller.okClicked();
        else if (what == "cancel")
            controller.cancelClicked();
        else if (what == "rm")
            std::erase_if(view.folders, [&value](const std::string& folder) { return folder.starts_with(value); });
        else
            FAIL() << "no event " << what;
    }

    const PictureChoice& c = controller.choice();
    std::ostringstream choice, shown, window;
    choice << c.ImageName << '|' << c.ImagePath << '|' << c.ImageSize << '|' << c.ImageStyle << '|' << c.ImageIndex
           << '|' << c.ImageTag;
    EXPECT_EQ(choice.str(), row.choice);
    shown << view.texts["lblPreview"] << '|' << view.texts["txtCurImage"] << '|' << view.texts["lblSize"] << '|'
          << view.texts["lblScrollSize"];
    EXPECT_EQ(shown.str(), row.shown);
    std::string told;
    for (const std::string& m : view.messages)
        told += (told.empty() ? "" : " # ") + m;
    for (const std::string& trace : log.warnings)
        told += (told.empty() ? "log " : " # log ") + trace;
    std::string expected = row.told;
    for (std::size_t at = 0, end; at < expected.size(); at = end + 3) {
        end = std::min(expected.find(" # ", at), expected.size());
        EXPECT_NE(told.find(expected.substr(at, end - at)), std::string::npos) << told;
    }
    EXPECT_EQ(view.messages.size() + log.warnings.size(),
              expected.empty() ? 0 : std::count(row.told, row.told + expected.size(), '#') + 1);
    window << (view.closed ? (*view.closed ? "OK" : "Cancel") : "open") << ' ' << view.tab << ' '
           << view.focusTaken - focusBefore << ' ' << (view.emphasised.empty() ? 0 : *view.emphasised.begin()) << ' '
           << view.folder();
    EXPECT_EQ(window.str(), row.window);
    EXPECT_EQ(view.tab, view.page);
    EXPECT_LE(view.emphasised.size(), 1u);
    EXPECT_EQ(view.checked, (std::set<std::string, std::less<>>{"optImageStyle" + std::to_string(start.ImageStyle)}));
}

INSTANTIATE_TEST_SUITE_P(Rows, ImageBrowserControllerTest, testing::ValuesIn(rows),
                         [](const testing::TestParamInfo<Row>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

} // namespace
