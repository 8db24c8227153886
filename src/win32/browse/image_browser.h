// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/image_browser_controller.h"
#include "core/forms/twips.h"
#include "win32/pictures.h"
#include "win32/widgets/control_states.h"
#include "win32/widgets/form_window.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

class Platform;

// The modal image browser in Win32: picks a built-in picture or a picture file with its size step.
// Made from the browser's layout table; every decision is its controller's.
class ImageBrowser final : public FormWindow, private Win32FormView<ImageBrowserView> {
public:
    // Loaded from the choice and the natural size of the file previewed last; runModal() shows it.
    ImageBrowser(const PictureChoice& choice, PreviewSize previewSize, Platform& platform, Log& log,
                 HWND owner = nullptr);
    ~ImageBrowser() override;

    // The choice that OK closed with.
    const PictureChoice& choice() const { return m_controller.choice(); }
    // The natural size of the file previewed last, however the browser closed.
    PreviewSize previewSize() const { return m_controller.previewSize(); }

private:
    FormBuilder& controls() override { return form(); }
    void command(std::string_view name, int code) override;
    void notified(std::string_view name, const NMHDR& header) override;
    void cancelled() override { m_controller.cancelClicked(); }

    // ImageBrowserView
    std::string shownName(const std::string& name) const override;
    std::string drive() const override;
    bool showDrive(const std::string& drive, bool quietly) override;
    std::string driveOf(const std::string& path) const override;
    std::string folder() const override;
    std::optional<PictureFault> showFolder(const std::string& path) override;
    std::optional<PictureFault> showFiles(const std::string& folder) override;
    std::string chosenFile() const override;
    bool showChosenFile(const std::string& name) override;
    void showTab(int page) override;
    void showPage(int page) override;
    void showPhotoEmphasis(int index, bool emphasised) override;
    void showPhotoFocus(int index) override;
    std::variant<NaturalSize, PictureFault> loadPreview(const std::string& path) override;
    void showPreview(const PreviewPlacement& placement) override;
    void clearPreview() override;
    void takeFocus() override;
    void close(bool accepted) override;

    void showPictures();
    static LRESULT CALLBACK gridProcedure(HWND grid, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR browser);
    void drawPhotoFocus();

    Platform& m_platform;
    TwipsGeometry m_twips;
    // The drives as the drive list names them: their roots, "C:\".
    std::vector<std::string> m_drives;
    // The folder listed, and the path of each entry of the folder list.
    std::string m_folder;
    std::vector<std::string> m_folderEntries;
    // The folder whose files are listed, and their names in the list's order.
    std::string m_filesFolder;
    std::vector<std::string> m_files;
    std::vector<std::string> m_pictureTypes;
    std::vector<HICON> m_photos;
    std::array<HBITMAP, 3> m_sizeSteps{};
    // The picture loaded for the preview, until it is shown, and the bitmap shown.
    Picture m_preview;
    HBITMAP m_previewBitmap = nullptr;
    ImageBrowserController m_controller;
};

} // namespace varnholt
