// SPDX-License-Identifier: MIT
#include "win32/about/about_box.h"

#include "core/forms/about_box_layout.h"
#include "platform/win32/wide_text.h"

#include <utility>

namespace varnholt {

AboutBox::AboutBox(Platform& platform, const Clock& clock, std::string readMePath, HWND owner)
    : FormWindow(owner, TwipsGeometry(platform.screen()), aboutBoxLayout(), true),
      Win32FormView(platform),
      m_controller(*this, platform, clock, std::move(readMePath))
{
    LOGFONTW title{};
    GetObjectW(form().font(true), sizeof title, &title);
    title.lfHeight = title.lfHeight * 3 / 2;
    m_titleFont = CreateFontIndirectW(&title);
    SendMessageW(form().window("lblTitle"), WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont), FALSE);
    const PixelRect& logo = form().control("imgLogo").box;
    m_logo = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, logo.height, logo.height, 0));
    if (m_logo)
        SendMessageW(form().window("imgLogo"), STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_logo));
    listen();
    m_controller.opened();
    SetFocus(form().window("cmdOK"));
}

AboutBox::~AboutBox()
{
    DeleteObject(m_titleFont);
    if (m_logo)
        DestroyIcon(m_logo);
}

void AboutBox::command(std::string_view name, int code)
{
    if (code != BN_CLICKED && code != STN_CLICKED)
        return;
    if (name == "cmdOK")
        m_controller.okClicked();
    else if (name == "cmdViewReadMe")
        m_controller.readMeClicked();
    else if (name == "lblWebSite")
        m_controller.webSiteClicked();
    else if (name == "lblEmail")
        m_controller.emailClicked();
}

void AboutBox::showCaption(const std::string& caption)
{
    SetWindowTextW(handle(), wideText(caption).c_str());
}

void AboutBox::closeAccepted()
{
    close(true);
}

} // namespace varnholt
