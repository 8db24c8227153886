// SPDX-License-Identifier: MIT
#include "win32/metafile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace varnholt {

namespace {

// The drawing limit of the picture loader, as width times height.
constexpr std::int64_t MaxMetafilePixels = 40'000'000;
// Metafile sizes are given for a screen of this many pixels per inch, on Linux too.
constexpr double DisplayDpi = 96.0;
constexpr std::size_t PlaceableHeaderSize = 22;
constexpr std::size_t MetaHeaderSize = 18;
constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::uint32_t EnhancedSignature = 0x464D4520; // " EMF"
// The header of the first enhanced metafiles, without the fields added later.
constexpr std::size_t EnhancedHeaderSize = 88;

std::uint32_t word(const std::string& bytes, std::size_t at)
{
    return std::uint32_t(std::uint8_t(bytes[at])) | std::uint32_t(std::uint8_t(bytes[at + 1])) << 8;
}

std::uint32_t doubleWord(const std::string& bytes, std::size_t at)
{
    return word(bytes, at) | word(bytes, at + 2) << 16;
}

std::int16_t signedWord(const std::string& bytes, std::size_t at)
{
    return std::int16_t(word(bytes, at));
}

bool plainHeaderAt(const std::string& bytes, std::size_t at)
{
    if (bytes.size() < at + MetaHeaderSize)
        return false;
    const std::uint32_t type = word(bytes, at);
    return (type == 1 || type == 2) && word(bytes, at + 2) == 9;
}

// The records from the header on are whole and end with the end record, after at least one other:
// GDI plays a metafile cut short as far as it goes, where the Linux build refuses it.
bool wholeRecords(const std::string& bytes, std::size_t at)
{
    const std::size_t end = std::size_t(doubleWord(bytes, at + 6)) * 2 + at;
    if (end > bytes.size())
        return false;
    int records = 0;
    for (std::size_t record = at + MetaHeaderSize; record + 6 <= end; ++records) {
        const std::size_t size = std::size_t(doubleWord(bytes, record)) * 2;
        if (size < 6 || record + size > end)
            return false;
        if (word(bytes, record + 4) == 0)
            return records > 0;
        record += size;
    }
    return false;
}

// A picture of that size, white, with draw's drawing on it.
template <typename Draw>
Picture drawn(int width, int height, Draw draw)
{
    if (width <= 0 || height <= 0 || std::int64_t(width) * height > MaxMetafilePixels)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        DeleteDC(dc);
        return nullptr;
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT area{0, 0, width, height};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const bool played = draw(dc, area);
    GdiFlush();
    Picture picture;
    if (played) {
        Gdiplus::Bitmap view(width, height, width * 4, PixelFormat32bppRGB, static_cast<BYTE*>(bits));
        picture.reset(view.Clone(0, 0, width, height, PixelFormat32bppARGB));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return picture && picture->GetLastStatus() == Gdiplus::Ok ? std::move(picture) : nullptr;
}

// Its header's box, at the header's units per inch.
Picture placeable(const std::string& bytes)
{
    const int left = signedWord(bytes, 6), top = signedWord(bytes, 8);
    const int right = signedWord(bytes, 10), bottom = signedWord(bytes, 12);
    const std::uint32_t inch = word(bytes, 14);
    if (inch == 0 || !plainHeaderAt(bytes, PlaceableHeaderSize) || !wholeRecords(bytes, PlaceableHeaderSize))
        return nullptr;
    const int width = int(std::abs(right - left) * DisplayDpi / inch);
    const int height = int(std::abs(bottom - top) * DisplayDpi / inch);
    HMETAFILE metafile = SetMetaFileBitsEx(UINT(bytes.size() - PlaceableHeaderSize),
                                           reinterpret_cast<const BYTE*>(bytes.data() + PlaceableHeaderSize));
    if (!metafile)
        return nullptr;
    Picture picture = drawn(width, height, [&](HDC dc, const RECT& area) {
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowOrgEx(dc, left, top, nullptr);
        SetWindowExtEx(dc, right - left, bottom - top, nullptr);
        SetViewportExtEx(dc, area.right, area.bottom, nullptr);
        return PlayMetaFile(dc, metafile) != FALSE;
    });
    DeleteMetaFile(metafile);
    return picture;
}

Picture playEnhanced(HENHMETAFILE metafile, int width, int height)
{
    return drawn(width, height,
                 [metafile](HDC dc, const RECT& area) { return PlayEnhMetaFile(dc, metafile, &area) != FALSE; });
}

// Without a header box: what it draws, in its own units, at 72 of them per inch when it covers
// less than 1024 by 1024 of them and at 1440 (twips) otherwise.
Picture plain(const std::string& bytes)
{
    if (!wholeRecords(bytes, 0))
        return nullptr;
    HMETAFILE metafile = SetMetaFileBitsEx(UINT(bytes.size()), reinterpret_cast<const BYTE*>(bytes.data()));
    if (!metafile)
        return nullptr;
    // Played into an enhanced metafile, which keeps the bounds of what is drawn.
    HDC recorder = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    const bool played = recorder && PlayMetaFile(recorder, metafile);
    HENHMETAFILE recorded = recorder ? CloseEnhMetaFile(recorder) : nullptr;
    DeleteMetaFile(metafile);
    ENHMETAHEADER header{};
    Picture picture;
    if (played && recorded && GetEnhMetaFileHeader(recorded, sizeof header, &header)) {
        const double width = double(header.rclBounds.right) - header.rclBounds.left + 1;
        const double height = double(header.rclBounds.bottom) - header.rclBounds.top + 1;
        const double perInch = width * height < 1024.0 * 1024.0 ? 72.0 : 1440.0;
        if (width > 0 && height > 0)
            picture = playEnhanced(recorded, int(width * DisplayDpi / perInch), int(height * DisplayDpi / perInch));
    }
    if (recorded)
        DeleteEnhMetaFile(recorded);
    return picture;
}

// Its frame, in hundredths of a millimetre.
Picture enhanced(const std::string& bytes)
{
    HENHMETAFILE metafile = SetEnhMetaFileBits(UINT(bytes.size()), reinterpret_cast<const BYTE*>(bytes.data()));
    if (!metafile)
        return nullptr;
    ENHMETAHEADER header{};
    Picture picture;
    if (GetEnhMetaFileHeader(metafile, sizeof header, &header)) {
        const double width = (double(header.rclFrame.right) - header.rclFrame.left) * DisplayDpi / 2540.0;
        const double height = (double(header.rclFrame.bottom) - header.rclFrame.top) * DisplayDpi / 2540.0;
        picture = playEnhanced(metafile, int(std::lround(width)), int(std::lround(height)));
    }
    DeleteEnhMetaFile(metafile);
    return picture;
}

} // namespace

bool looksLikeMetafile(const std::string& head)
{
    return (head.size() >= PlaceableHeaderSize && doubleWord(head, 0) == PlaceableKey) || plainHeaderAt(head, 0)
        || (head.size() >= MetafileSignatureSize && doubleWord(head, 0) == EMR_HEADER
            && doubleWord(head, 40) == EnhancedSignature);
}

Picture metafilePicture(const std::string& bytes)
{
    if (bytes.size() >= PlaceableHeaderSize && doubleWord(bytes, 0) == PlaceableKey)
        return placeable(bytes);
    if (plainHeaderAt(bytes, 0))
        return plain(bytes);
    if (bytes.size() >= EnhancedHeaderSize && doubleWord(bytes, 0) == EMR_HEADER)
        return enhanced(bytes);
    return nullptr;
}

} // namespace varnholt
