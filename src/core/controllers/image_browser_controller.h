// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/errors.h"
#include "core/controllers/form_view.h"
#include "core/motion/preview_layout.h"
#include "core/settings/settings_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace varnholt {

// A picture's natural size in pixels.
struct NaturalSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The last previewed file's natural size, as the size steps work on it.
struct PreviewSize {
    std::int16_t width = 0;
    std::int16_t height = 0;
};

// The image browser's window. Its lists report changes the controller makes as a user's changes are
// reported, while the controller's loading flag keeps them from acting.
class ImageBrowserView : public FormView {
public:
    // A name or path as the lists show it, in UTF-8.
    virtual std::string shownName(const std::string& name) const = 0;
    virtual std::string drive() const = 0;
    // Selects a listed drive; false when none has that name. Quietly: no change is reported.
    virtual bool showDrive(const std::string& drive, bool quietly = false) = 0;
    // The listed drive that holds an absolute path.
    virtual std::string driveOf(const std::string& path) const = 0;
    virtual std::string folder() const = 0;
    // Lists a folder; the fault when it cannot, and the list stays as it was.
    virtual std::optional<PictureFault> showFolder(const std::string& path) = 0;
    // Lists a folder's picture files unless they are listed; the fault, with the list empty, when it cannot.
    virtual std::optional<PictureFault> showFiles(const std::string& folder) = 0;
    // The selected file's name, "" when none is.
    virtual std::string chosenFile() const = 0;
    // Selects the file with exactly this name; false when there is none.
    virtual bool showChosenFile(const std::string& name) = 0;
    virtual void showTab(int page) = 0;
    // The page in front; the one behind is hidden.
    virtual void showPage(int page) = 0;
    virtual void showPhotoEmphasis(int index, bool emphasised) = 0;
    // The focus frame around the chosen built-in picture, when the grid has the focus.
    virtual void showPhotoFocus(int index) = 0;
    // Loads a picture file for the preview: its natural size, or why it cannot be shown.
    virtual std::variant<NaturalSize, PictureFault> loadPreview(const std::string& path) = 0;
    virtual void showPreview(const PreviewPlacement& placement) = 0;
    virtual void clearPreview() = 0;
    // The focus goes to the button behind the tab strip.
    virtual void takeFocus() = 0;
    virtual void close(bool accepted) = 0;
};

// The arrows and the choosing keys on the grid of built-in pictures.
enum class PhotoKey { Choose, Left, Right, Up, Down };

// The rules of the image browser: the choice of a built-in picture or a picture file with its size step.
class ImageBrowserController final {
public:
    ImageBrowserController(ImageBrowserView& view, const PictureChoice& choice, PreviewSize previewSize,
                           const ScreenMetrics& screen, PathStyle paths, Log& log);

    const PictureChoice& choice() const { return m_choice; }
    PreviewSize previewSize() const { return m_previewSize; }

    // Start-up: the controls from the choice.
    void load();

    void tabChosen(int index, bool byKey);
    void imageStyleChosen(int index);
    void photoClicked(int index);
    void photoDoubleClicked(int index);
    // True when the key was the grid's.
    bool photoKeyPressed(PhotoKey key);
    void fileChosen();
    void fileDoubleClicked();
    void driveChosen();
    void folderChanged();
    void folderOpened(const std::string& path);
    void sizeStepPressed(int button);
    void okClicked();
    void cancelClicked();

private:
    void loadStoredChoice();
    void openStoredDrive();
    void showPreview(const std::string& fileName);
    void clearPreview();
    void emptyPreview();
    void showSizeCaptions(bool previewed);
    void highlightPhoto(int index, bool highlighted);
    void refuse(const std::string& text);

    ImageBrowserView& m_view;
    PictureChoice m_choice;
    PreviewSize m_previewSize;
    ScreenMetrics m_screen;
    PathStyle m_paths;
    Log& m_log;
    bool m_loading = false;
};

} // namespace varnholt
