// SPDX-License-Identifier: MIT
#include "core/controllers/saver_controller.h"

namespace varnholt {

namespace {

// A stretched picture larger than this would cost more memory than a screen saver should.
constexpr std::int64_t MaxShownPicturePixels = 64'000'000;

constexpr int PreviewPointSize = 8;

std::string loadErrorMessage(const RuntimeError& error)
{
    std::string message = "Load Error Number: " + std::to_string(error.number()) + "\r\n" + error.description();
    if (!error.cause().empty())
        message += "\r\n" + error.cause();
    return message;
}

} // namespace

void SaverController::load()
{
    m_state.loadSettings();
    m_state.calculateTimeLeft(m_state.settings().Date);
    m_state.services().platform.showCursor(false);
    if (setUpWindows(m_run.windowViews()))
        m_run.startTimer();
}

bool SaverController::setUpWindows(const std::vector<SaverWindowView*>& windows)
{
    try {
        for (SaverWindowView* window : windows)
            setUpWindow(*window);
        return true;
    } catch (const RuntimeError& error) {
        // The settings are the same for every window: one message for all of them.
        m_state.services().platform.messageBox(loadErrorMessage(error), MessageIcon::None);
        return false;
    }
}

void SaverController::setUpWindow(SaverWindowView& window)
{
    const SettingsRecord& settings = m_state.settings();
    setUpPicture(window);
    const TimeLeftOutputs& lines = m_state.timeLeft();
    const std::optional<int> points = m_state.runMode() == ModePreview ? std::optional<int>(PreviewPointSize)
                                                                       : std::nullopt;
    window.showLine(SaverLine::Title, lines.TitleLine, 0, points);
    window.showLine(SaverLine::TimeLeft, lines.TimeLeftLine, lines.TimeLeftState == DatePassed ? 2 : 1, points);
    layOutBlock(window);
    window.showBackground(settings.Background);
    if (m_state.runMode() == ModeSaver) {
        window.startFirstPath();
    } else if (settings.ImageUsed == FlagOn) {
        TextBlockState& block = window.textBlock();
        placePreviewPicture(block);
        window.movePicture(block.PictureLeft, block.PictureTop);
    }
}

void SaverController::setUpPicture(SaverWindowView& window)
{
    const SettingsRecord& settings = m_state.settings();
    if (settings.ImageUsed != FlagOn) {
        window.showNoPicture();
        return;
    }
    // The preview and the window behind the settings dialog never show the user's picture.
    if (m_state.runMode() != ModeSaver) {
        window.showPicture(window.loadDefaultPicture());
        TextBlockState& block = window.textBlock();
        const auto [width, height] = window.pictureSize();
        block.PictureHeight = height;
        block.PictureWidth = width;
        return;
    }
    const PictureChoice& choice = settings.picture;
    if (choice.ImageStyle == BaseImage) {
        window.showPicture(window.loadBuiltinPicture(choice.ImageIndex));
    } else if (choice.ImageStyle == FileImage) {
        const PixelSize natural = filePictureOrBuiltin(window);
        const ShownPicture shown = applySizeStep(natural.width, natural.height, choice.ImageSize);
        if (std::int64_t(shown.width) * shown.height > MaxShownPicturePixels)
            throw RuntimeError(ErrOverflow);
        window.showPicture(PixelSize{shown.width, shown.height});
    }
}

PixelSize SaverController::filePictureOrBuiltin(SaverWindowView& window)
{
    const PictureChoice& choice = m_state.settings().picture;
    const std::string path = choice.ImagePath + choice.ImageName;
    auto loaded = window.loadPictureFile(path);
    if (const auto* natural = std::get_if<PixelSize>(&loaded))
        return *natural;
    const PictureFault& fault = std::get<PictureFault>(loaded);
    if (fault.kind == PictureFault::NotAPicture)
        throw pictureError(fault);
    const PixelSize builtin = window.loadBuiltinPicture(choice.ImageIndex);
    m_state.services().log.warning("saver: " + path + ": " + pictureError(fault).description()
                                   + "; showing built-in picture " + std::to_string(choice.ImageIndex) + " instead");
    return builtin;
}

void SaverController::layOutBlock(SaverWindowView& window)
{
    // An empty line still takes the height of a line in its font.
    const auto measure = [&window](SaverLine line, const std::string& caption) {
        return caption.empty() ? LabelSize{0, window.lineHeight(line)} : window.lineExtent(line);
    };
    const TimeLeftOutputs& lines = m_state.timeLeft();
    const TextLabels measured{measure(SaverLine::Title, lines.TitleLine),
                              measure(SaverLine::TimeLeft, lines.TimeLeftLine)};
    window.sizeLines(layOutTextBlock(window.textBlock(), measured, m_state.settings().Style));
}

bool SaverController::coversScreens() const
{
    // Only the full-screen saver of our own ends on input; a host ends its saver itself.
    return m_state.runMode() == ModeSaver && m_state.hostWindow() == 0;
}

void SaverController::clicked()
{
    if (coversScreens())
        endSaver();
}

void SaverController::mouseMoved()
{
    ++m_mouseMoveCount;
    if (coversScreens() && m_mouseMoveCount > 8) {
        m_mouseMoveCount = 0;
        endSaver();
    }
}

void SaverController::endSaver()
{
    m_state.services().platform.showCursor(true);
    m_run.dropTopMost();
    m_state.services().platform.setScreenSaverRunning(false);
    unload();
    m_run.endRun();
}

void SaverController::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_run.stopTimer();
    m_run.hideWindows();
    if (m_state.runMode() == ModePreview) {
        m_state.services().platform.activateWindow(ProgramTitle);
        m_run.endRun();
    } else if (m_state.runMode() == ModeSaver) {
        m_state.services().platform.showCursor(true);
    }
}

} // namespace varnholt
