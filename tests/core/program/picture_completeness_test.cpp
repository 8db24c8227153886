// SPDX-License-Identifier: MIT
#include "core/program/picture_completeness.h"

#include <gtest/gtest.h>

#include <vector>

using namespace varnholt;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes cut(Bytes data, std::size_t drop)
{
    data.resize(data.size() - drop);
    return data;
}

// A 1 x 1 GIF with a two-colour table, a graphic-control extension and one picture.
const Bytes GifHead{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255};
const Bytes GifExtension{0x21, 0xF9, 4, 0, 0, 0, 0, 0};
const Bytes GifPicture{0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0};

// A BMP of 10 x 10 pixels at 24 bits: rows of 32 bytes after a 54-byte header.
Bytes bmp(std::uint32_t compression, std::size_t pixelBytes)
{
    Bytes data(54 + pixelBytes, 0);
    data[0] = 'B';
    data[1] = 'M';
    data[10] = 54;
    data[14] = 40;
    data[18] = 10;
    data[22] = 0xF6; // height -10: rows top-down
    data[23] = data[24] = data[25] = 0xFF;
    data[28] = 24;
    data[30] = std::uint8_t(compression);
    return data;
}

} // namespace

TEST(PictureCompleteness, CutFilesAreTold)
{
    const Bytes jpegStart{0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0};
    const Bytes scan{0xFF, 0xDA, 0, 2, 0x12, 0xFF, 0x00, 0x34};
    const Bytes end{0xFF, 0xD9};
    struct Row {
        const char* name;
        const char* format;
        Bytes data;
        bool complete;
    };
    const std::vector<Row> rows{
        {"whole JPEG", "jpeg", jpegStart + scan + end, true},
        {"JPEG cut in its scan", "jpeg", jpegStart + scan, false},
        {"thumbnail's end before the last scan", "jpeg", jpegStart + end + scan, false},
        {"progressive JPEG", "jpeg", jpegStart + scan + scan + end, true},
        {"JPEG without a scan", "jpeg", jpegStart + end, false},
        {"whole GIF", "gif", GifHead + GifExtension + GifPicture + Bytes{0x3B}, true},
        {"GIF without its trailer", "gif", GifHead + GifPicture, true},
        {"GIF cut in its picture", "gif", cut(GifHead + GifPicture, 2), false},
        {"GIF cut in an extension", "gif", GifHead + cut(GifExtension, 3), false},
        {"GIF header only", "gif", cut(GifHead, 8), false},
        {"whole BMP", "bmp", bmp(0, 320), true},
        {"BMP one byte short", "bmp", bmp(0, 319), false},
        {"run-length BMP cannot be measured", "bmp", bmp(1, 10), true},
        {"PNG is left to its reader", "png", Bytes{0x89, 'P'}, true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(pictureDataComplete(row.format, row.data), row.complete) << row.name;
}
