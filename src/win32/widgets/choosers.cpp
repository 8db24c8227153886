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

} // namespace

std::optional<FontChoice> chooseFont(HWND owner, const FontChoice& preset)
{
    LOGFONTW font{};
    font.lfHeight = -MulDiv(int(std::lround(preset.size)), screenDpi(), 72);
    font.lfWeight = preset.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = preset.italic;
    font.lfUnderline = preset.underline;
    font.lfStrikeOut = preset.strikeout;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, wideText(preset.face).c_str(), LF_FACESIZE);
    CHOOSEFONTW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpLogFont = &font;
    chooser.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    chooser.rgbColors = colourOf(preset.colour);
    if (!ChooseFontW(&chooser))
        return std::nullopt;
    FontChoice chosen;
    chosen.face = utf8Text(font.lfFaceName);
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
