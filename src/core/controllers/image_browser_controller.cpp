// SPDX-License-Identifier: MIT
#include "core/controllers/image_browser_controller.h"

#include "core/common/errors.h"
#include "core/motion/builtin_pictures.h"
#include "core/motion/size_steps.h"
#include "core/program/browse_texts.h"
#include "core/program/picture_folders.h"

#include <utility>

namespace varnholt {

namespace {

bool isStyle(std::int16_t style)
{
    return style == BaseImage || style == FileImage;
}

std::string indexed(const char* control, int index)
{
    return control + std::to_string(index);
}

// What the view could not do becomes the user's error number here, for the handlers to report.
void require(const std::optional<PictureFault>& fault)
{
    if (fault)
        throw pictureError(*fault);
}

NaturalSize require(std::variant<NaturalSize, PictureFault> loaded)
{
    if (const auto* fault = std::get_if<PictureFault>(&loaded))
        throw pictureError(*fault);
    return std::get<NaturalSize>(loaded);
}

void requireListed(bool listed)
{
    if (!listed)
        throw RuntimeError(ErrPathNotFound);
}

} // namespace

ImageBrowserController::ImageBrowserController(ImageBrowserView& view, const PictureChoice& choice,
                                               PreviewSize previewSize, const ScreenMetrics& screen, PathStyle paths,
                                               Log& log)
    : m_view(view),
      m_choice(choice),
      m_previewSize(previewSize),
      m_screen(screen),
      m_paths(std::move(paths)),
      m_log(log)
{
}

void ImageBrowserController::load()
{
    m_loading = true;
    if (isStyle(m_choice.ImageStyle))
        m_view.showChecked(indexed("optImageStyle", m_choice.ImageStyle), true);
    highlightPhoto(m_choice.ImageIndex, true);
    try {
        loadStoredChoice();
    } catch (const RuntimeError& error) {
        if (error.number() == ErrFileNotFound || error.number() == ErrPathNotFound) {
            m_log.warning("pictures: the stored folder " + m_choice.ImagePath + " on " + m_choice.ImageDrive + ": "
                          + error.description() + "; its drive is shown instead");
            openStoredDrive();
        } else
            m_view.showMessage(errorNumberText(error.number(), error.description()), MessageIcon::None);
    }
    m_loading = false;
}

void ImageBrowserController::loadStoredChoice()
{
    requireListed(m_view.showDrive(m_choice.ImageDrive));
    require(m_view.showFolder(m_choice.ImagePath));
    require(m_view.showFiles(m_view.folder()));
    if (m_view.showChosenFile(m_choice.ImageName)) {
        showPreview(m_choice.ImageName);
        showSizeCaptions(true);
    } else {
        m_view.showText("txtCurImage", "No Image");
        showSizeCaptions(false);
    }
    if (isStyle(m_choice.ImageStyle)) {
        m_view.showTab(m_choice.ImageStyle);
        m_view.showPage(m_choice.ImageStyle);
    }
}

// The stored folder or file is gone: open the stored drive instead, without a word.
void ImageBrowserController::openStoredDrive()
{
    try {
        require(m_view.showFolder(m_choice.ImageDrive));
    } catch (const RuntimeError& error) {
        m_log.warning("pictures: the stored drive " + m_choice.ImageDrive + ": " + error.description() + "; "
                      + m_paths.defaultFolder + " is shown instead");
        require(m_view.showFolder(m_paths.defaultFolder));
    }
    requireListed(m_view.showDrive(m_view.driveOf(m_view.folder())));
    require(m_view.showFiles(m_view.folder()));
    emptyPreview();
}

void ImageBrowserController::tabChosen(int index, bool byKey)
{
    m_view.showPage(index);
    // A tab chosen by the arrow keys keeps the focus, so that the keyboard user still sees it.
    if (!byKey && !m_loading)
        m_view.takeFocus();
}

void ImageBrowserController::imageStyleChosen(int index)
{
    if (m_loading)
        return;
    m_choice.ImageStyle = std::int16_t(index);
    m_view.showTab(index);
}

void ImageBrowserController::photoClicked(int index)
{
    highlightPhoto(m_choice.ImageIndex, false);
    m_choice.ImageIndex = std::int16_t(index);
    m_choice.ImageTag = builtinPictureTag(index);
    highlightPhoto(index, true);
    m_view.showPhotoFocus(index);
}

void ImageBrowserController::photoDoubleClicked(int index)
{
    photoClicked(index);
    m_choice.ImageStyle = BaseImage;
    okClicked();
}

// Left and Right step through the pictures in reading order, Up and Down by a row; choosing is a double click.
bool ImageBrowserController::photoKeyPressed(PhotoKey key)
{
    const int index = m_choice.ImageIndex;
    const bool shown = index >= 1 && index <= BuiltinPictureCount;
    int step = 0;
    switch (key) {
    case PhotoKey::Choose:
        if (shown)
            photoDoubleClicked(index);
        return true;
    case PhotoKey::Left:
        step = -1;
        break;
    case PhotoKey::Right:
        step = 1;
        break;
    case PhotoKey::Up:
        step = -3;
        break;
    case PhotoKey::Down:
        step = 3;
        break;
    }
    const int next = shown ? index + step : 1;
    if (next >= 1 && next <= BuiltinPictureCount && next != index)
        photoClicked(next);
    return true;
}

void ImageBrowserController::fileChosen()
{
    const std::string fileName = m_view.chosenFile();
    if (m_loading || fileName.empty())
        return;
    m_choice.ImageDrive = m_view.drive();
    m_choice.ImagePath = m_view.folder();
    try {
        require(m_view.showFiles(m_view.folder()));
        if (fileName == m_choice.ImageName)
            return;
        clearPreview();
        // The store holds one line per key: such a name would come back as another.
        if (fileName.find_first_of("\r\n") != std::string::npos)
            throw RuntimeError(ErrInvalidPicture);
        m_choice.ImageName = fileName;
        showPreview(fileName);
        showSizeCaptions(true);
    } catch (const RuntimeError& error) {
        clearPreview();
        refuse(pictureRefusedText(m_view.shownName(fileName), error.number(), error.description()));
    }
}

void ImageBrowserController::fileDoubleClicked()
{
    fileChosen();
    m_choice.ImageStyle = FileImage;
    okClicked();
}

void ImageBrowserController::driveChosen()
{
    if (m_loading)
        return;
    const std::string drive = m_view.drive();
    if (m_view.driveOf(m_view.folder()) != drive) {
        try {
            require(m_view.showFolder(drive));
        } catch (const RuntimeError& error) {
            refuse(folderRefusedText(m_view.shownName(drive), error.number(), error.description()));
            requireListed(m_view.showDrive(m_view.driveOf(m_view.folder()), true));
            return;
        }
    }
    clearPreview();
}

void ImageBrowserController::folderChanged()
{
    if (m_loading)
        return;
    requireListed(m_view.showDrive(m_view.driveOf(m_view.folder())));
    try {
        require(m_view.showFiles(m_view.folder()));
    } catch (const RuntimeError& error) {
        refuse(folderRefusedText(m_view.shownName(m_view.folder()), error.number(), error.description()));
    }
    clearPreview();
}

void ImageBrowserController::folderOpened(const std::string& path)
{
    try {
        require(m_view.showFolder(path));
    } catch (const RuntimeError& error) {
        refuse(folderRefusedText(m_view.shownName(path), error.number(), error.description()));
    }
}

void ImageBrowserController::sizeStepPressed(int button)
{
    const SizeStepOutcome outcome = pressSizeButton(m_choice.ImageSize, button, m_previewSize.width,
                                                    m_previewSize.height, m_screen);
    if (outcome.refusal != SizeRefusal::None)
        m_view.showMessage(sizeRefusalText(outcome.refusal), MessageIcon::Information);
    m_choice.ImageSize = outcome.step;
    if (outcome.refusal == SizeRefusal::None)
        showSizeCaptions(true);
    m_view.takeFocus();
}

void ImageBrowserController::okClicked()
{
    if (m_choice.ImageStyle == FileImage && m_choice.ImageName.empty()) {
        refuse(fileImageRequiredText());
        return;
    }
    m_view.close(true);
}

void ImageBrowserController::cancelClicked()
{
    m_view.close(false);
}

// The stored path takes the trailing separator, as it does after every preview.
void ImageBrowserController::showPreview(const std::string& fileName)
{
    m_choice.ImagePath = m_paths.withSeparator(std::move(m_choice.ImagePath));
    const NaturalSize natural = require(m_view.loadPreview(m_choice.ImagePath + fileName));
    const PreviewPlacement placement = placePreview(natural.width, natural.height, m_screen);
    m_view.showPreview(placement);
    m_view.showText("txtCurImage", m_view.shownName(fileName));
    m_choice.ImageName = fileName;
    m_previewSize = {placement.actualWidth, placement.actualHeight};
    m_view.showText("lblPreview", placement.caption);
}

void ImageBrowserController::clearPreview()
{
    if (!m_loading)
        emptyPreview();
}

void ImageBrowserController::emptyPreview()
{
    m_view.clearPreview();
    m_view.showText("lblPreview", "Preview");
    m_view.showText("txtCurImage", "No Image");
    m_choice.ImageName.clear();
    m_choice.ImageSize = 1;
    showSizeCaptions(false);
}

void ImageBrowserController::showSizeCaptions(bool previewed)
{
    const SizeCaptions captions = sizeCaptions(previewed, m_choice.ImageSize, m_previewSize.width,
                                               m_previewSize.height);
    m_view.showText("lblSize", captions.stepText);
    m_view.showText("lblScrollSize", captions.sizeText);
}

void ImageBrowserController::highlightPhoto(int index, bool highlighted)
{
    if (index >= 1 && index <= BuiltinPictureCount)
        m_view.showPhotoEmphasis(index, highlighted);
}

void ImageBrowserController::refuse(const std::string& text)
{
    m_view.showMessage(text, MessageIcon::Critical);
}

} // namespace varnholt
