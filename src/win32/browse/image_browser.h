// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/image_browser_controller.h"
#include "core/forms/twips.h"
#include "win32/pictures.h"
#include "win32/widgets/form_window.h"

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace varnholt {

class Platform;

// The modal image browser in Win32: picks a built-in picture or a picture file with its size step.
// Made from the browser's layout table; every decision is its controller's.
class ImageBrowser final : private ImageBrowserView {
public:
    // Made hidden, loaded from the choice and the natural size of the file previewed last.
    ImageBrowser(const PictureChoice& choice, PreviewSize previewSize, Platform& platform, HWND owner);
    ~ImageBrowser() override;
    ImageBrowser(const ImageBrowser&) = delete;
    ImageBrowser& operator=(const ImageBrowser&) = delete;

    // Shows the browser, the owner disabled, until OK or Cancel closes it; true for OK.
    bool run();

    // The choice that OK closed with.
    const PictureChoice& choice() const { return m_controller->choice(); }
    // The natural size of the file previewed last, however the browser closed.
    PreviewSize previewSize() const { return m_controller->previewSize(); }

    HWND handle() const { return m_window; }
    // The control of a row of the layout table, by its name.
    HWND control(std::string_view name) const { return m_form->control(name); }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void command(HWND control, int code);
    LRESULT notify(const NMHDR& header);
    void buildControls();
    void setPhotoPicture(int index, HBITMAP bitmap);

    // FormView
    void showText(std::string_view control, const std::string& text) override;
    void showChecked(std::string_view control, bool checked) override;
    void showEnabled(std::string_view control, bool enabled) override;
    void showVisible(std::string_view control, bool visible) override;
    void showMessage(const std::string& text, MessageIcon icon) override;
    void beep() override;

    // ImageBrowserView
    std::string shownName(const std::string& name) const override;
    std::string drive() const override;
    void showDrive(const std::string& drive, bool quietly) override;
    std::string driveOf(const std::string& path) const override;
    std::string folder() const override;
    void showFolder(const std::string& path) override;
    void showFiles(const std::string& folder) override;
    std::string chosenFile() const override;
    bool showChosenFile(const std::string& name) override;
    void showTab(int page) override;
    void showPage(int page) override;
    void showPhotoEmphasis(int index, bool emphasised) override;
    void showPhotoFocus(int index) override;
    NaturalSize loadPreview(const std::string& path) override;
    void showPreview(const PreviewPlacement& placement) override;
    void clearPreview() override;
    void takeFocus() override;
    void close(bool accepted) override;

    Platform& m_platform;
    TwipsGeometry m_twips;
    HWND m_owner;
    HWND m_window = nullptr;
    std::unique_ptr<FormWindow> m_form;
    std::unique_ptr<ImageBrowserController> m_controller;
    std::vector<std::string> m_drives;
    // The folder listed, and the path of each entry of the folder list.
    std::string m_folder;
    std::vector<std::string> m_folderEntries;
    // The folder whose files are listed, and their names in the list's order.
    std::string m_filesFolder;
    std::vector<std::string> m_files;
    std::vector<std::string> m_pictureTypes;
    std::set<int> m_emphasised;
    // The picture loaded for the preview, until it is shown.
    Picture m_preview;
    HBITMAP m_previewBitmap = nullptr;
    std::vector<HBITMAP> m_photoBitmaps;
    bool m_done = false;
    bool m_accepted = false;
    // The last tab change came from a key on the tab strip, not from the mouse.
    bool m_tabChosenByKey = false;
};

} // namespace varnholt
