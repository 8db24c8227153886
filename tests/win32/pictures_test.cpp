// SPDX-License-Identifier: MIT
// Metafiles, which varnholt.scr draws itself: GDI+ reads none of them into a bitmap, a plain one not at all.
#include "win32/pictures.h"

#include "platform/win32/wide_text.h"

#include <gtest/gtest.h>

#include <fstream>

namespace varnholt {
namespace {

// A red rectangle of 600 by 400 units, as a plain metafile's records.
std::string redRectangle()
{
    HDC recorder = CreateMetaFileW(nullptr);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(recorder, red);
    Rectangle(recorder, 0, 0, 600, 400);
    HMETAFILE metafile = CloseMetaFile(recorder);
    std::string bytes(GetMetaFileBitsEx(metafile, 0, nullptr), '\0');
    GetMetaFileBitsEx(metafile, UINT(bytes.size()), bytes.data());
    DeleteMetaFile(metafile);
    DeleteObject(red);
    return bytes;
}

// The records behind a placeable header whose box is 600 by 400 units at that many units per inch.
std::string placeable(const std::string& records, int inch)
{
    const std::uint16_t header[10] = {0xCDD7, 0x9AC6, 0, 0, 0, 600, 400, std::uint16_t(inch), 0, 0};
    std::uint16_t checksum = 0;
    for (std::uint16_t word : header)
        checksum ^= word;
    std::string bytes(reinterpret_cast<const char*>(header), sizeof header);
    bytes += char(checksum & 0xFF);
    bytes += char(checksum >> 8);
    return bytes + records;
}

// A red rectangle filling a frame of two inches by one.
std::string redEnhanced()
{
    const RECT frame{0, 0, 5080, 2540};
    HDC recorder = CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(recorder, red);
    Rectangle(recorder, 0, 0, 192, 96);
    HENHMETAFILE metafile = CloseEnhMetaFile(recorder);
    std::string bytes(GetEnhMetaFileBits(metafile, 0, nullptr), '\0');
    GetEnhMetaFileBits(metafile, UINT(bytes.size()), reinterpret_cast<BYTE*>(bytes.data()));
    DeleteEnhMetaFile(metafile);
    DeleteObject(red);
    return bytes;
}

TEST(PicturesTest, MetafilesAreDrawnAtTheirOwnSizeOrRefused)
{
    GdiplusSession gdiplus;
    const std::string plain = redRectangle();
    struct Row {
        const char* name;
        std::string bytes;
        int width; // 0: refused as no picture
        int height;
    };
    // The sizes the Linux build gives, but for the plain one's extra pixel: libwmf adds half the pen on each side.
    const Row rows[] = {
        {"placeable.wmf", placeable(plain, 576), 100, 66},
        {"plain.wmf", plain, 800, 533},
        {"enhanced.emf", redEnhanced(), 192, 96},
        {"cut_short.wmf", plain.substr(0, plain.size() - 8), 0, 0},
        {"placeable_cut_short.wmf", placeable(plain.substr(0, 30), 576), 0, 0},
        {"no_units_per_inch.wmf", placeable(plain, 0), 0, 0},
    };
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = utf8Text(folder) + "varnholt_" + row.name;
        std::ofstream(path, std::ios::binary) << row.bytes;
        auto read = pictureFile(path);
        DeleteFileA(path.c_str());
        if (row.width == 0) {
            ASSERT_TRUE(std::holds_alternative<PictureFault>(read));
            EXPECT_EQ(std::get<PictureFault>(read).kind, PictureFault::NotAPicture);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<Picture>(read));
        Gdiplus::Bitmap& picture = *std::get<Picture>(read);
        EXPECT_EQ(int(picture.GetWidth()), row.width);
        EXPECT_EQ(int(picture.GetHeight()), row.height);
        Gdiplus::Color centre;
        picture.GetPixel(row.width / 2, row.height / 2, &centre);
        EXPECT_EQ(centre.GetValue(), Gdiplus::Color(255, 0, 0).GetValue());
    }
}

} // namespace
} // namespace varnholt
