// SPDX-License-Identifier: MIT
#include "win32/widgets/choosers.h"

#include "platform/win32/wide_text.h"
#include "win32/widgets/form_builder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <commdlg.h>

namespace varnholt {

namespace {

int screenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int CALLBACK faceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

} // namespace

std::wstring installedFace(const std::wstring& stored)
{
    LOGFONTW font{};
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, stored.c_str(), LF_FACESIZE);
    HDC screen = GetDC(nullptr);
    bool found = false;
    EnumFontFamiliesExW(screen, &font, faceFound, reinterpret_cast<LPARAM>(&found), 0);
    std::wstring face = stored;
    if (!found) {
        HFONT substitute = CreateFontIndirectW(&font);
        HGDIOBJ old = SelectObject(screen, substitute);
        std::array<wchar_t, LF_FACESIZE> drawn{};
        if (GetTextFaceW(screen, int(drawn.size()), drawn.data()) > 0)
            face = drawn.data();
        SelectObject(screen, old);
        DeleteObject(substitute);
    }
    ReleaseDC(nullptr, screen);
    return face;
}

std::wstring keptFace(const std::wstring& chosen, const std::wstring& stored)
{
    return lstrcmpiW(chosen.c_str(), installedFace(stored).c_str()) == 0 ? stored : chosen;
}

std::optional<FontChoice> chooseFont(HWND owner, const FontChoice& preset)
{
    LOGFONTW font{};
    font.lfHeight = -MulDiv(int(std::lround(preset.size)), screenDpi(), 72);
    font.lfWeight = preset.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = preset.italic;
    font.lfUnderline = preset.underline;
    font.lfStrikeOut = preset.strikeout;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::wstring stored = wideText(preset.face);
    lstrcpynW(font.lfFaceName, installedFace(stored).c_str(), LF_FACESIZE);
    CHOOSEFONTW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpLogFont = &font;
    chooser.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    chooser.rgbColors = colourOf(preset.colour);
    if (!ChooseFontW(&chooser))
        return std::nullopt;
    FontChoice chosen;
    chosen.face = utf8Text(keptFace(font.lfFaceName, stored));
    chosen.size = chooser.iPointSize / 10.0;
    chosen.colour = std::int32_t(chooser.rgbColors);
    chosen.bold = font.lfWeight >= FW_BOLD;
    chosen.italic = font.lfItalic != 0;
    chosen.underline = font.lfUnderline != 0;
    chosen.strikeout = font.lfStrikeOut != 0;
    return chosen;
}

std::optional<std::int32_t> chooseColour(HWND owner, std::int32_t preset)
{
    // The chooser's own sixteen colours last as long as the program.
    static std::array<COLORREF, 16> custom = [] {
        std::array<COLORREF, 16> white;
        white.fill(RGB(255, 255, 255));
        return white;
    }();
    CHOOSECOLORW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.rgbResult = colourOf(preset);
    chooser.lpCustColors = custom.data();
    chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&chooser))
        return std::nullopt;
    return std::int32_t(chooser.rgbResult);
}

HFONT entryFont(const SettingsRecord& record, int entry, double twipsPerPixelY)
{
    const auto at = std::size_t(entry);
    LOGFONTW font{};
    font.lfHeight = -MulDiv(std::max(1, int(record.TextFontSize[at])), int(1440.0 / twipsPerPixelY + 0.5), 72);
    font.lfWeight = record.TextFontBold[at] ? FW_BOLD : FW_NORMAL;
    font.lfItalic = record.TextFontItalic[at] != 0;
    font.lfUnderline = record.TextFontUnderline[at] != 0;
    font.lfStrikeOut = record.TextFontStrikethru[at] != 0;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynW(font.lfFaceName, wideText(record.TextFontName[at]).c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

} // namespace varnholt
