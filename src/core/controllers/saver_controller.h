// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/errors.h"
#include "core/motion/block_layout.h"
#include "core/motion/movement_engine.h"
#include "core/program/program_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace varnholt {

enum class SaverLine { Title, TimeLeft };

struct PixelSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// One saver window: it loads and draws pictures and lines, and measures them in its own twips.
class SaverWindowView : public SaverView {
public:
    virtual void showNoPicture() = 0;
    // Each takes in a picture and gives its natural size, for showPicture.
    virtual PixelSize loadDefaultPicture() = 0;
    // Number 1..9; outside, RuntimeError "Subscript out of range".
    virtual PixelSize loadBuiltinPicture(int index) = 0;
    virtual std::variant<PixelSize, PictureFault> loadPictureFile(const std::string& path) = 0;
    // The picture taken in last, at that size.
    virtual void showPicture(PixelSize shown) = 0;

    // The caption in the record's font entry, at pointSize when given.
    virtual void showLine(SaverLine line, const std::string& caption, int fontEntry, std::optional<int> pointSize) = 0;
    // The extent of the line's caption in its font, and the height of a line in that font.
    virtual LabelSize lineExtent(SaverLine line) const = 0;
    virtual double lineHeight(SaverLine line) const = 0;
    virtual void sizeLines(const TextLabels& sized) = 0;
    // The window's and the lines' background, a stored colour.
    virtual void showBackground(std::int32_t colour) = 0;

    virtual TextBlockState& textBlock() = 0;
    // Places the block and the picture for the first path of the full-screen saver.
    virtual void startFirstPath() = 0;
};

// What a run has once, whatever the number of windows.
class SaverRunView {
public:
    virtual ~SaverRunView() = default;
    virtual std::vector<SaverWindowView*> windowViews() = 0;
    // Starts the tick timer unless it runs.
    virtual void startTimer() = 0;
    virtual void stopTimer() = 0;
    virtual void hideWindows() = 0;
    virtual void dropTopMost() = 0;
    // The process is to end at once.
    virtual void endRun() = 0;
};

// The saver's rules: the order of a load, which picture each window shows and at what size, the
// lines' fonts and the block they make, and which input ends the run and how.
class SaverController final {
public:
    SaverController(ProgramState& state, SaverRunView& run) : m_state(state), m_run(run) {}

    // The settings and the time left, then every window's set-up, then the tick timer.
    void load();
    // False, after the load-error message, when a set-up failed.
    bool setUpWindows(const std::vector<SaverWindowView*>& windows);
    void setUpWindow(SaverWindowView& window);

    // A click, a double click, a mouse button, or a key that gives a character.
    void clicked();
    void mouseMoved();
    // The timer stops and the windows go away; a preview then ends the process.
    void unload();

    std::int32_t mouseMoveCount() const { return m_mouseMoveCount; }
    // The full-screen saver of our own covers every screen and ends on input; a host's saver
    // draws into the one window the host gives it, and the host ends it.
    bool coversScreens() const;

private:
    void endSaver();
    void setUpPicture(SaverWindowView& window);
    PixelSize filePictureOrBuiltin(SaverWindowView& window);
    void layOutBlock(SaverWindowView& window);

    ProgramState& m_state;
    SaverRunView& m_run;
    std::int32_t m_mouseMoveCount = 0;
    bool m_unloaded = false;
};

} // namespace varnholt
