// SPDX-License-Identifier: MIT
#include "win32/browse/image_browser.h"

#include "core/common/errors.h"
#include "core/common/program_info.h"
#include "core/forms/image_browser_layout.h"
#include "core/motion/builtin_pictures.h"
#include "core/program/picture_folders.h"
#include "platform/win32/wide_text.h"
#include "win32/browse/windows_paths.h"

#include <algorithm>
#include <commctrl.h>
#include <filesystem>
#include <optional>
#include <utility>

namespace varnholt {

namespace {

namespace fs = std::filesystem;

constexpr COLORREF DarkBlue = RGB(0, 0, 192);

// The keyboard's way through the browser: the grid of pictures is one stop, as a list is.
constexpr std::string_view TabOrder[] = {"tbsImages",      "fraImages0",     "dirImages", "flbFiles",
                                         "drvImages",      "cmdSize0",       "cmdSize1",  "cmdSize2",
                                         "optImageStyle0", "optImageStyle1", "cmdOK",     "cmdCancel"};

// The grid's keys: the arrows, Space and Return.
const std::pair<WPARAM, PhotoKey> GridKeys[] = {{VK_SPACE, PhotoKey::Choose}, {VK_RETURN, PhotoKey::Choose},
                                                {VK_LEFT, PhotoKey::Left},    {VK_RIGHT, PhotoKey::Right},
                                                {VK_UP, PhotoKey::Up},        {VK_DOWN, PhotoKey::Down}};

HWND makeList(const ControlRow& row, HWND form, const PixelRect& box)
{
    const bool drives = row.name == "drvImages";
    const DWORD style = drives ? CBS_DROPDOWNLIST | WS_VSCROLL
                               : LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER;
    // A drop-down list's box is its closed height; the list below it takes the rest.
    const int height = drives ? box.height * 8 : box.height;
    return CreateWindowExW(0, drives ? L"COMBOBOX" : L"LISTBOX", L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | style, box.left, box.top, box.width,
                           height, form, nullptr, GetModuleHandleW(nullptr), nullptr);
}

} // namespace

ImageBrowser::ImageBrowser(const PictureChoice& choice, PreviewSize previewSize, Platform& platform, Log& log,
                           HWND owner)
    : FormWindow(owner, TwipsGeometry(platform.screen()), imageBrowserLayout(), true, TabOrder, makeList),
      Win32FormView(platform),
      m_platform(platform),
      m_twips(platform.screen()),
      m_pictureTypes(platform.pictureFileTypes()),
      m_controller(*this, choice, previewSize, platform.screen(), platform.pathStyle(), log)
{
    SetWindowTextW(handle(), wideText(std::string("Browse for Images - ") + ProgramTitle).c_str());
    // The closed drive list as high as its row, as far as its font lets it: its field and the frame around it.
    HWND drives = form().window("drvImages");
    const int fieldHeight = int(SendMessageW(drives, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    RECT closed;
    GetWindowRect(drives, &closed);
    SendMessageW(drives, CB_SETITEMHEIGHT, WPARAM(-1),
                 fieldHeight + form().control("drvImages").box.height - (closed.bottom - closed.top));
    std::wstring roots(GetLogicalDriveStringsW(0, nullptr) + 1, L'\0');
    roots.resize(GetLogicalDriveStringsW(DWORD(roots.size()), roots.data()));
    for (const wchar_t* root = roots.c_str(); *root; root += wcslen(root) + 1) {
        m_drives.push_back(utf8Text(root));
        SendMessageW(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(root));
    }
    showPictures();
    SetWindowSubclass(form().window("fraImages0"), &ImageBrowser::gridProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
    showPage(0);
    listen();
    m_controller.load();
}

ImageBrowser::~ImageBrowser()
{
    for (HICON photo : m_photos)
        DestroyIcon(photo);
    for (HBITMAP step : m_sizeSteps)
        if (step)
            DeleteObject(step);
    if (m_previewBitmap)
        DeleteObject(m_previewBitmap);
}

void ImageBrowser::showPictures()
{
    for (int index = 1; index <= BuiltinPictureCount; ++index) {
        const std::string number = std::to_string(index);
        HICON photo = nullptr;
        if (const Picture picture = resourcePicture(index); picture && picture->GetHICON(&photo) == Gdiplus::Ok) {
            m_photos.push_back(photo);
            SendMessageW(form().window("imgPhotos" + number), STM_SETIMAGE, IMAGE_ICON,
                         reinterpret_cast<LPARAM>(photo));
        }
        showText("lblPhotos" + number, builtinPictureTag(index));
    }
    // The preview shows a picture where the table has a label.
    HWND preview = form().window("imgPreview");
    SetWindowLongW(preview, GWL_STYLE, (GetWindowLongW(preview, GWL_STYLE) & ~0xFFFF) | SS_BITMAP | SS_REALSIZECONTROL);
    for (int index = 0; index < int(m_sizeSteps.size()); ++index) {
        const Picture picture = resourcePicture(SizeStepPictures + index);
        if (!picture)
            continue;
        // Rasterised at twice the size of the picture at 96 dots an inch, which is 15 twips a pixel.
        const int width = m_twips.toPixelsX(int(picture->GetWidth()) * 15 / 2);
        const int height = m_twips.toPixelsY(int(picture->GetHeight()) * 15 / 2);
        m_sizeSteps[std::size_t(index)] = renderPicture(*picture, width, height, GetSysColor(COLOR_BTNFACE));
        HWND button = form().window("cmdSize" + std::to_string(index));
        SetWindowLongW(button, GWL_STYLE, GetWindowLongW(button, GWL_STYLE) | BS_BITMAP);
        SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_sizeSteps[std::size_t(index)]));
    }
}

LRESULT CALLBACK ImageBrowser::gridProcedure(HWND grid, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR browser)
{
    auto& self = *reinterpret_cast<ImageBrowser*>(browser);
    switch (message) {
    case WM_GETDLGCODE: {
        // Return too, which the window would take as its default button's.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (key && key->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
        for (const auto& [key, photoKey] : GridKeys) {
            if (key == wParam)
                return self.m_controller.photoKeyPressed(photoKey) ? 0 : DefSubclassProc(grid, message, wParam, lParam);
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(grid, nullptr, TRUE);
        break;
    case WM_PAINT: {
        const LRESULT painted = DefSubclassProc(grid, message, wParam, lParam);
        self.drawPhotoFocus();
        return painted;
    }
    default:
        break;
    }
    return DefSubclassProc(grid, message, wParam, lParam);
}

// The focus frame around the chosen picture and its caption, while the grid has the focus.
void ImageBrowser::drawPhotoFocus()
{
    HWND grid = form().window("fraImages0");
    const int index = m_controller.choice().ImageIndex;
    if (GetFocus() != grid || index < 1 || index > BuiltinPictureCount)
        return;
    const PixelRect& gridBox = form().control("fraImages0").box;
    const PixelRect& photo = form().control("imgPhotos" + std::to_string(index)).box;
    const PixelRect& caption = form().control("lblPhotos" + std::to_string(index)).box;
    const int margin = 3;
    RECT frame{photo.left - gridBox.left - margin, photo.top - gridBox.top - margin,
               caption.left + caption.width - gridBox.left + margin,
               caption.top + caption.height - gridBox.top + margin};
    HDC dc = GetDC(grid);
    DrawFocusRect(dc, &frame);
    ReleaseDC(grid, dc);
}

void ImageBrowser::command(std::string_view name, int code)
{
    ImageBrowserController& c = m_controller;
    const ControlKind kind = form().control(name).row->kind;
    if (code == BN_CLICKED && kind == ControlKind::Button) {
        if (name == "cmdOK")
            c.okClicked();
        else if (name == "cmdCancel")
            c.cancelClicked();
        else if (name.starts_with("cmdSize"))
            c.sizeStepPressed(optionIndex(name));
    } else if (code == BN_CLICKED && kind == ControlKind::Option) {
        // Only a change of the choice counts, as a click on the option already chosen changes nothing.
        if (SendMessageW(form().window(name), BM_GETCHECK, 0, 0) != BST_CHECKED) {
            showControlChecked(form(), name, true);
            c.imageStyleChosen(optionIndex(name));
        }
    } else if (name.starts_with("imgPhotos") || name.starts_with("lblPhotos")) {
        // A click on a picture puts the focus on the grid, as on a list.
        if (code == STN_CLICKED || code == STN_DBLCLK)
            SetFocus(form().window("fraImages0"));
        if (code == STN_CLICKED)
            c.photoClicked(optionIndex(name));
        else if (code == STN_DBLCLK)
            c.photoDoubleClicked(optionIndex(name));
    } else if (name == "flbFiles") {
        if (code == LBN_SELCHANGE)
            c.fileChosen();
        else if (code == LBN_DBLCLK)
            c.fileDoubleClicked();
    } else if (name == "dirImages" && code == LBN_DBLCLK) {
        const auto entry = SendMessageW(form().window(name), LB_GETCURSEL, 0, 0);
        if (entry >= 0 && std::size_t(entry) < m_folderEntries.size())
            c.folderOpened(m_folderEntries[std::size_t(entry)]);
    } else if (name == "drvImages" && code == CBN_SELCHANGE) {
        c.driveChosen();
    }
}

void ImageBrowser::notified(std::string_view name, const NMHDR& header)
{
    if (name != "tbsImages" || header.code != TCN_SELCHANGE)
        return;
    const int page = int(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0));
    // The button is down while its press is handled: a tab chosen without it was chosen by a key.
    m_controller.tabChosen(page, GetKeyState(VK_LBUTTON) >= 0);
}

std::string ImageBrowser::shownName(const std::string& name) const
{
    std::string shown;
    for (char c : name)
        shown += c == '\r' || c == '\n' ? std::string("\xEF\xBF\xBD") : std::string(1, c);
    return shown;
}

std::string ImageBrowser::drive() const
{
    const auto index = SendMessageW(form().window("drvImages"), CB_GETCURSEL, 0, 0);
    return index >= 0 && std::size_t(index) < m_drives.size() ? m_drives[std::size_t(index)] : std::string();
}

bool ImageBrowser::showDrive(const std::string& drive, bool quietly)
{
    const auto found = std::find_if(m_drives.begin(), m_drives.end(),
                                    [&drive](const std::string& listed) { return sameText(listed, driveRoot(drive)); });
    if (found == m_drives.end())
        return false;
    HWND drives = form().window("drvImages");
    const auto index = found - m_drives.begin();
    const bool changed = SendMessageW(drives, CB_GETCURSEL, 0, 0) != index;
    SendMessageW(drives, CB_SETCURSEL, WPARAM(index), 0);
    // A change the program makes is reported as the user's is.
    if (changed && !quietly)
        m_controller.driveChosen();
    return true;
}

std::string ImageBrowser::driveOf(const std::string& path) const
{
    const std::wstring root = upperCase(fs::path(wideText(path)).root_path().wstring());
    for (const std::string& drive : m_drives) {
        if (sameText(drive, utf8Text(root)))
            return drive;
    }
    return utf8Text(root);
}

std::string ImageBrowser::folder() const
{
    return m_folder;
}

std::optional<PictureFault> ImageBrowser::showFolder(const std::string& path)
{
    const std::string folder = windowsFolder(path);
    if (auto fault = folderFault(folder))
        return fault;
    HWND list = form().window("dirImages");
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    m_folderEntries.clear();
    const auto add = [this, list](const std::string& entry, std::size_t depth) {
        const std::wstring text = std::wstring(depth * 2, L' ') + wideText(shownName(nameOf(entry)));
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        m_folderEntries.push_back(entry);
    };
    const std::vector<std::string> chain = folderChainOf(folder);
    for (std::size_t depth = 0; depth < chain.size(); ++depth)
        add(chain[depth], depth);
    for (const std::string& inside : folderNames(folder, shownBefore))
        add(utf8Text((fs::path(wideText(folder)) / wideText(inside)).wstring()), chain.size());
    SendMessageW(list, LB_SETCURSEL, chain.size() - 1, 0);
    const bool moved = !sameText(folder, m_folder);
    m_folder = folder;
    if (moved)
        m_controller.folderChanged();
    return std::nullopt;
}

std::optional<PictureFault> ImageBrowser::showFiles(const std::string& path)
{
    const std::string folder = windowsFolder(path);
    if (sameText(folder, m_filesFolder))
        return std::nullopt;
    HWND list = form().window("flbFiles");
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    m_files.clear();
    m_filesFolder.clear();
    if (auto fault = folderFault(folder))
        return fault;
    m_filesFolder = folder;
    m_files = pictureFileNames(folder, m_pictureTypes, shownBefore);
    for (const std::string& name : m_files)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(shownName(name)).c_str()));
    return std::nullopt;
}

std::string ImageBrowser::chosenFile() const
{
    const auto index = SendMessageW(form().window("flbFiles"), LB_GETCURSEL, 0, 0);
    return index >= 0 && std::size_t(index) < m_files.size() ? m_files[std::size_t(index)] : std::string();
}

bool ImageBrowser::showChosenFile(const std::string& name)
{
    const auto found = std::find(m_files.begin(), m_files.end(), name);
    if (found == m_files.end())
        return false;
    SendMessageW(form().window("flbFiles"), LB_SETCURSEL, WPARAM(found - m_files.begin()), 0);
    m_controller.fileChosen();
    return true;
}

void ImageBrowser::showTab(int page)
{
    HWND strip = form().window("tbsImages");
    const bool changed = SendMessageW(strip, TCM_GETCURSEL, 0, 0) != page;
    SendMessageW(strip, TCM_SETCURSEL, WPARAM(page), 0);
    if (changed)
        m_controller.tabChosen(page, false);
}

void ImageBrowser::showPage(int page)
{
    // The page behind is hidden, so that no key reaches its controls.
    form().setVisible("fraImages" + std::to_string(1 - page), false);
    form().setVisible("fraImages" + std::to_string(page), true);
}

void ImageBrowser::showPhotoEmphasis(int index, bool emphasised)
{
    const std::string caption = "lblPhotos" + std::to_string(index);
    form().setBold(caption, emphasised);
    form().setTextColour(caption, emphasised ? std::optional<COLORREF>(DarkBlue) : std::nullopt);
}

void ImageBrowser::showPhotoFocus(int)
{
    InvalidateRect(form().window("fraImages0"), nullptr, TRUE);
}

std::variant<NaturalSize, PictureFault> ImageBrowser::loadPreview(const std::string& path)
{
    auto read = pictureFile(path);
    if (auto* fault = std::get_if<PictureFault>(&read))
        return std::move(*fault);
    m_preview = std::get<Picture>(std::move(read));
    return NaturalSize{std::int32_t(m_preview->GetWidth()), std::int32_t(m_preview->GetHeight())};
}

void ImageBrowser::showPreview(const PreviewPlacement& placement)
{
    const int width = std::max(1, m_twips.toPixelsX(placement.width));
    const int height = std::max(1, m_twips.toPixelsY(placement.height));
    HBITMAP shown = renderPicture(*m_preview, width, height, GetSysColor(COLOR_BTNFACE));
    m_preview.reset();
    HWND preview = form().window("imgPreview");
    SendMessageW(preview, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
    if (m_previewBitmap)
        DeleteObject(m_previewBitmap);
    m_previewBitmap = shown;
    SetWindowPos(preview, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ImageBrowser::clearPreview()
{
    SendMessageW(form().window("imgPreview"), STM_SETIMAGE, IMAGE_BITMAP, 0);
    if (m_previewBitmap)
        DeleteObject(m_previewBitmap);
    m_previewBitmap = nullptr;
    InvalidateRect(form().window("fraPreview"), nullptr, TRUE);
}

void ImageBrowser::takeFocus()
{
    SetFocus(form().window("cmdTakeFocus"));
}

void ImageBrowser::close(bool accepted)
{
    FormWindow::close(accepted);
}

} // namespace varnholt
