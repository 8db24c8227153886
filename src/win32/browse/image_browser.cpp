// SPDX-License-Identifier: MIT
#include "win32/browse/image_browser.h"

#include "core/common/errors.h"
#include "core/common/program_info.h"
#include "core/forms/image_browser_layout.h"
#include "core/motion/builtin_pictures.h"
#include "core/program/picture_folders.h"
#include "platform/win32/wide_text.h"

#include <algorithm>
#include <array>
#include <commctrl.h>
#include <cwctype>
#include <filesystem>
#include <utility>

namespace varnholt {

namespace {

namespace fs = std::filesystem;

constexpr wchar_t BrowserClass[] = L"VarnholtImageBrowser";

void registerBrowserClass()
{
    static const bool registered = [] {
        WNDCLASSW browser{};
        browser.lpfnWndProc = DefWindowProcW;
        browser.hInstance = GetModuleHandleW(nullptr);
        browser.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        browser.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        browser.lpszClassName = BrowserClass;
        return RegisterClassW(&browser) != 0;
    }();
    static_cast<void>(registered);
}

std::wstring upperCase(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return wchar_t(std::towupper(c)); });
    return text;
}

bool sameText(const std::string& a, const std::string& b)
{
    return CompareStringOrdinal(wideText(a).c_str(), -1, wideText(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The order of the lists: by the name, in any letter case.
bool shownBefore(const std::string& a, const std::string& b)
{
    return CompareStringOrdinal(wideText(a).c_str(), -1, wideText(b).c_str(), -1, TRUE) == CSTR_LESS_THAN;
}

// A folder as the lists keep it: absolute, "\" between names, a trailing one only at a drive's root.
std::string windowsFolder(const std::string& path)
{
    std::string folder = cleanFolder(path);
    std::replace(folder.begin(), folder.end(), '/', '\\');
    if (folder.size() > 3 && folder.back() == '\\')
        folder.pop_back();
    if (folder.size() == 2 && folder[1] == ':')
        folder += '\\';
    return folder;
}

// The folder and every folder above it, the drive's root first.
std::vector<std::string> folderChainOf(const std::string& folder)
{
    std::vector<std::string> chain;
    fs::path path = fs::path(wideText(folder));
    for (;;) {
        chain.push_back(utf8Text(path.wstring()));
        fs::path parent = path.parent_path();
        if (parent.empty() || parent == path)
            break;
        path = parent;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

std::string nameOf(const std::string& path)
{
    const std::wstring name = fs::path(wideText(path)).filename().wstring();
    return name.empty() ? path : utf8Text(name);
}

int indexAfter(std::string_view name, std::string_view prefix)
{
    return name.starts_with(prefix) ? std::atoi(std::string(name.substr(prefix.size())).c_str()) : -1;
}

} // namespace

ImageBrowser::ImageBrowser(const PictureChoice& choice, PreviewSize previewSize, Platform& platform, HWND owner)
    : m_platform(platform), m_twips(platform.screen()), m_owner(owner), m_pictureTypes(platform.pictureFileTypes())
{
    registerBrowserClass();
    const std::wstring title = wideText(std::string("Browse for Images - ") + ProgramTitle);
    m_window = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, BrowserClass, title.c_str(),
                               WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 100,
                               100, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ImageBrowser::procedure));
    buildControls();
    m_controller = std::make_unique<ImageBrowserController>(static_cast<ImageBrowserView&>(*this), choice, previewSize,
                                                            m_platform.screen());
    m_controller->load();
}

ImageBrowser::~ImageBrowser()
{
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcW));
    DestroyWindow(m_window);
    for (HBITMAP bitmap : m_photoBitmaps)
        DeleteObject(bitmap);
    if (m_previewBitmap)
        DeleteObject(m_previewBitmap);
}

void ImageBrowser::buildControls()
{
    m_form = std::make_unique<FormWindow>(m_window, m_twips);
    m_form->build(imageBrowserLayout(), [](const ControlRow& row, HWND parent, int id, const PixelRect& box) {
        const bool drives = row.name == "drvImages";
        const DWORD style = drives ? CBS_DROPDOWNLIST | WS_VSCROLL
                                   : LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER;
        // A drop-down list's box is its closed height; the list below it takes the rest.
        const int height = drives ? box.height * 8 : box.height;
        return CreateWindowExW(0, drives ? L"ComboBox" : L"ListBox", L"", WS_CHILD | WS_TABSTOP | style, box.left,
                               box.top, box.width, height, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                               GetModuleHandleW(nullptr), nullptr);
    });
    // The closed list as high as its row, as far as its font lets it: its field and the frame around it.
    HWND drives = control("drvImages");
    const int fieldHeight = int(SendMessageW(drives, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    RECT closed;
    GetWindowRect(drives, &closed);
    SendMessageW(drives, CB_SETITEMHEIGHT, WPARAM(-1),
                 fieldHeight + m_twips.toPixelsY(m_form->row("drvImages")->rect.height) - (closed.bottom - closed.top));
    // The drives: their roots, as "C:\".
    std::wstring roots(GetLogicalDriveStringsW(0, nullptr) + 1, L'\0');
    roots.resize(GetLogicalDriveStringsW(DWORD(roots.size()), roots.data()));
    for (const wchar_t* root = roots.c_str(); *root; root += wcslen(root) + 1) {
        m_drives.push_back(utf8Text(root));
        SendMessageW(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(root));
    }

    // The strip's pages lie over it; the button that takes the focus lies hidden behind it.
    HWND strip = control("tbsImages");
    SetWindowPos(control("cmdTakeFocus"), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowLongW(control("cmdTakeFocus"), GWL_STYLE,
                   GetWindowLongW(control("cmdTakeFocus"), GWL_STYLE) & ~LONG(WS_TABSTOP));
    for (const char* page : {"fraImages0", "fraImages1"})
        SetWindowPos(control(page), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    static_cast<void>(strip);

    for (int index = 1; index <= BuiltinPictureCount; ++index) {
        if (const Picture picture = resourcePicture(index)) {
            const PixelRect box = m_twips.toPixels(m_form->row("imgPhotos" + std::to_string(index))->rect);
            setPhotoPicture(index, renderPicture(*picture, box.width, box.height, GetSysColor(COLOR_BTNFACE)));
        }
        showText("lblPhotos" + std::to_string(index), builtinPictureTag(index));
    }
    // The preview shows a picture where the table has a label.
    HWND preview = control("imgPreview");
    SetWindowLongW(preview, GWL_STYLE, WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_REALSIZECONTROL);

    const std::array<int, 3> sizeArrows{0x3C, 0x3D, 0x3E};
    for (int index = 0; index < int(sizeArrows.size()); ++index) {
        const std::wstring arrow(1, wchar_t(sizeArrows[std::size_t(index)]));
        SetWindowTextW(control("cmdSize" + std::to_string(index)), arrow.c_str());
    }
    showPage(0);
}

void ImageBrowser::setPhotoPicture(int index, HBITMAP bitmap)
{
    m_photoBitmaps.push_back(bitmap);
    SendMessageW(control("imgPhotos" + std::to_string(index)), STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(bitmap));
}

bool ImageBrowser::run()
{
    RECT box;
    GetWindowRect(m_window, &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    SetWindowPos(m_window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (m_owner)
        EnableWindow(m_owner, FALSE);
    ShowWindow(m_window, SW_SHOW);
    m_done = false;
    MSG message;
    while (!m_done && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == control("tbsImages")
            && (message.message == WM_KEYDOWN || message.message == WM_LBUTTONDOWN))
            m_tabChosenByKey = message.message == WM_KEYDOWN;
        if (!IsDialogMessageW(m_window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (m_owner) {
        EnableWindow(m_owner, TRUE);
        SetActiveWindow(m_owner);
    }
    ShowWindow(m_window, SW_HIDE);
    return m_accepted;
}

LRESULT CALLBACK ImageBrowser::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* browser = reinterpret_cast<ImageBrowser*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return browser ? browser->handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ImageBrowser::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0)
            command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        else if (LOWORD(wParam) == IDCANCEL)
            m_controller->cancelClicked();
        return 0;
    case WM_NOTIFY:
        return notify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC: {
        auto* dc = reinterpret_cast<HDC>(wParam);
        auto* shown = reinterpret_cast<HWND>(lParam);
        const ControlRow* row = m_form->rowOf(shown);
        if (row && m_emphasised.contains(indexAfter(row->name, "lblPhotos"))) {
            SetTextColor(dc, RGB(0, 0, 0xC0));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        if (HBRUSH brush = m_form->colours(shown, dc))
            return reinterpret_cast<LRESULT>(brush);
        break;
    }
    case WM_CLOSE:
        m_controller->cancelClicked();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void ImageBrowser::command(HWND source, int code)
{
    const ControlRow* row = m_form->rowOf(source);
    if (!row)
        return;
    ImageBrowserController& c = *m_controller;
    const std::string_view name = row->name;
    if (code == BN_CLICKED && row->kind == ControlKind::Button) {
        if (name == "cmdOK")
            c.okClicked();
        else if (name == "cmdCancel")
            c.cancelClicked();
        else if (const int index = indexAfter(name, "cmdSize"); index >= 0)
            c.sizeStepPressed(index);
    } else if (code == BN_CLICKED && row->kind == ControlKind::Option) {
        c.imageStyleChosen(indexAfter(name, "optImageStyle"));
    } else if (row->kind == ControlKind::Picture || name.starts_with("lblPhotos")) {
        const int index = std::max(indexAfter(name, "imgPhotos"), indexAfter(name, "lblPhotos"));
        if (code == STN_CLICKED)
            c.photoClicked(index);
        else if (code == STN_DBLCLK)
            c.photoDoubleClicked(index);
    } else if (name == "flbFiles") {
        if (code == LBN_SELCHANGE)
            c.fileChosen();
        else if (code == LBN_DBLCLK)
            c.fileDoubleClicked();
    } else if (name == "dirImages" && code == LBN_DBLCLK) {
        const auto entry = SendMessageW(source, LB_GETCURSEL, 0, 0);
        if (entry >= 0 && std::size_t(entry) < m_folderEntries.size())
            c.folderOpened(m_folderEntries[std::size_t(entry)]);
    } else if (name == "drvImages" && code == CBN_SELCHANGE) {
        c.driveChosen();
    }
}

LRESULT ImageBrowser::notify(const NMHDR& header)
{
    HWND strip = control("tbsImages");
    if (header.hwndFrom == strip && header.code == TCN_SELCHANGE) {
        const int page = int(SendMessageW(strip, TCM_GETCURSEL, 0, 0));
        m_controller->tabChosen(page, std::exchange(m_tabChosenByKey, false));
    } else if (header.code == TTN_GETDISPINFOW
               && header.hwndFrom == reinterpret_cast<HWND>(SendMessageW(strip, TCM_GETTOOLTIPS, 0, 0))) {
        // The tabs' own tool tips ask for their texts by the tab's index.
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
        static std::wstring text;
        const ControlRow* tab = m_form->tab("tbsImages", int(header.idFrom));
        text = tab ? wideText(std::string(tab->toolTip)) : std::wstring();
        info.lpszText = text.data();
    }
    return 0;
}

void ImageBrowser::showText(std::string_view name, const std::string& text)
{
    SetWindowTextW(control(name), wideText(text).c_str());
}

void ImageBrowser::showChecked(std::string_view name, bool checked)
{
    HWND option = control(name);
    const ControlRow* row = m_form->rowOf(option);
    // An option turned on turns off the others of its group, as a click does.
    if (checked && row && row->kind == ControlKind::Option) {
        for (HWND sibling = GetWindow(GetParent(option), GW_CHILD); sibling;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            const ControlRow* other = m_form->rowOf(sibling);
            if (other && other->kind == ControlKind::Option && sibling != option)
                SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    SendMessageW(option, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ImageBrowser::showEnabled(std::string_view name, bool enabled)
{
    EnableWindow(control(name), enabled);
}

void ImageBrowser::showVisible(std::string_view name, bool visible)
{
    ShowWindow(control(name), visible ? SW_SHOWNA : SW_HIDE);
}

void ImageBrowser::showMessage(const std::string& text, MessageIcon icon)
{
    m_platform.messageBox(text, icon);
}

void ImageBrowser::beep()
{
    m_platform.beep();
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
    const auto index = SendMessageW(control("drvImages"), CB_GETCURSEL, 0, 0);
    return index >= 0 && std::size_t(index) < m_drives.size() ? m_drives[std::size_t(index)] : std::string();
}

void ImageBrowser::showDrive(const std::string& drive, bool quietly)
{
    const auto found = std::find_if(m_drives.begin(), m_drives.end(),
                                    [&drive](const std::string& listed) { return sameText(listed, drive); });
    if (found == m_drives.end())
        throw RuntimeError(ErrPathNotFound);
    HWND drives = control("drvImages");
    const auto index = found - m_drives.begin();
    const bool changed = SendMessageW(drives, CB_GETCURSEL, 0, 0) != index;
    SendMessageW(drives, CB_SETCURSEL, WPARAM(index), 0);
    // A change the program makes is reported as the user's is.
    if (changed && !quietly)
        m_controller->driveChosen();
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

void ImageBrowser::showFolder(const std::string& path)
{
    const std::string folder = windowsFolder(path);
    requireReadableFolder(folder);
    HWND list = control("dirImages");
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
        m_controller->folderChanged();
}

void ImageBrowser::showFiles(const std::string& path)
{
    const std::string folder = windowsFolder(path);
    if (sameText(folder, m_filesFolder))
        return;
    HWND list = control("flbFiles");
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    m_files.clear();
    m_filesFolder.clear();
    requireReadableFolder(folder);
    m_filesFolder = folder;
    m_files = pictureFileNames(folder, m_pictureTypes, shownBefore);
    for (const std::string& name : m_files)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(shownName(name)).c_str()));
}

std::string ImageBrowser::chosenFile() const
{
    const auto index = SendMessageW(control("flbFiles"), LB_GETCURSEL, 0, 0);
    return index >= 0 && std::size_t(index) < m_files.size() ? m_files[std::size_t(index)] : std::string();
}

bool ImageBrowser::showChosenFile(const std::string& name)
{
    const auto found = std::find(m_files.begin(), m_files.end(), name);
    if (found == m_files.end())
        return false;
    SendMessageW(control("flbFiles"), LB_SETCURSEL, WPARAM(found - m_files.begin()), 0);
    m_controller->fileChosen();
    return true;
}

void ImageBrowser::showTab(int page)
{
    HWND strip = control("tbsImages");
    const bool changed = SendMessageW(strip, TCM_GETCURSEL, 0, 0) != page;
    SendMessageW(strip, TCM_SETCURSEL, WPARAM(page), 0);
    if (changed)
        m_controller->tabChosen(page, false);
}

void ImageBrowser::showPage(int page)
{
    HWND front = control("fraImages" + std::to_string(page));
    SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    // The page behind is hidden as well, so that no key reaches its controls.
    ShowWindow(control("fraImages" + std::to_string(1 - page)), SW_HIDE);
}

void ImageBrowser::showPhotoEmphasis(int index, bool emphasised)
{
    HWND caption = control("lblPhotos" + std::to_string(index));
    if (emphasised)
        m_emphasised.insert(index);
    else
        m_emphasised.erase(index);
    m_form->setBold(caption, emphasised);
    InvalidateRect(caption, nullptr, TRUE);
}

void ImageBrowser::showPhotoFocus(int) {}

NaturalSize ImageBrowser::loadPreview(const std::string& path)
{
    auto read = pictureFile(path);
    if (const auto* fault = std::get_if<PictureFault>(&read))
        throw pictureError(*fault);
    m_preview = std::get<Picture>(std::move(read));
    return {std::int32_t(m_preview->GetWidth()), std::int32_t(m_preview->GetHeight())};
}

void ImageBrowser::showPreview(const PreviewPlacement& placement)
{
    const int width = std::max(1, m_twips.toPixelsX(placement.width));
    const int height = std::max(1, m_twips.toPixelsY(placement.height));
    HBITMAP shown = renderPicture(*m_preview, width, height, GetSysColor(COLOR_BTNFACE));
    m_preview.reset();
    HWND preview = control("imgPreview");
    SendMessageW(preview, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
    if (m_previewBitmap)
        DeleteObject(m_previewBitmap);
    m_previewBitmap = shown;
    SetWindowPos(preview, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ImageBrowser::clearPreview()
{
    SendMessageW(control("imgPreview"), STM_SETIMAGE, IMAGE_BITMAP, 0);
    if (m_previewBitmap)
        DeleteObject(m_previewBitmap);
    m_previewBitmap = nullptr;
    InvalidateRect(control("fraPreview"), nullptr, TRUE);
}

void ImageBrowser::takeFocus()
{
    SetFocus(control("cmdTakeFocus"));
}

void ImageBrowser::close(bool accepted)
{
    m_accepted = accepted;
    m_done = true;
}

} // namespace varnholt
