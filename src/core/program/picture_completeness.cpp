// SPDX-License-Identifier: MIT
#include "core/program/picture_completeness.h"

#include <algorithm>
#include <cstdlib>

namespace varnholt {

namespace {

using Bytes = std::span<const std::uint8_t>;

std::uint32_t littleEndian(Bytes data, std::size_t at, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = (value << 8) | data[at + i];
    return value;
}

// Entropy-coded data never holds FF D9, so the end-of-image marker must follow the last scan.
bool jpegComplete(Bytes data)
{
    const std::uint8_t startOfScan[] = {0xFF, 0xDA};
    const std::uint8_t endOfImage[] = {0xFF, 0xD9};
    const auto scan = std::find_end(data.begin(), data.end(), std::begin(startOfScan), std::end(startOfScan));
    return std::search(scan, data.end(), std::begin(endOfImage), std::end(endOfImage)) != data.end();
}

// Walks the blocks; the file is cut when it ends inside one or before the first picture.
bool gifComplete(Bytes data)
{
    std::size_t at = 13;
    if (data.size() < at)
        return false;
    if (data[10] & 0x80)
        at += 3u << ((data[10] & 0x07) + 1);
    bool pictureSeen = false;
    const auto skipSubBlocks = [&] {
        while (at < data.size() && data[at] != 0)
            at += data[at] + 1u;
        return at++ < data.size();
    };
    while (at < data.size()) {
        const std::uint8_t introducer = data[at];
        if (introducer == 0x3B)
            return true;
        if (introducer == 0x21) {
            at += 2;
            if (!skipSubBlocks())
                return false;
        } else if (introducer == 0x2C) {
            if (at + 10 > data.size())
                return false;
            const std::uint8_t flags = data[at + 9];
            at += 10 + ((flags & 0x80) ? 3u << ((flags & 0x07) + 1) : 0u) + 1;
            if (!skipSubBlocks())
                return false;
            pictureSeen = true;
        } else {
            return pictureSeen;
        }
    }
    return pictureSeen;
}

// Only uncompressed rows have a size known from the header.
bool bmpComplete(Bytes data)
{
    if (data.size() < 26)
        return false;
    const std::uint64_t pixelsAt = littleEndian(data, 10, 4);
    const bool coreHeader = littleEndian(data, 14, 4) == 12;
    if (!coreHeader && data.size() < 34)
        return false;
    // Sizes are signed in the long header: a negative height stores the rows top-down.
    const auto signedSize = [&](std::size_t coreAt, std::size_t at) -> std::int64_t {
        if (coreHeader)
            return littleEndian(data, coreAt, 2);
        return std::int32_t(littleEndian(data, at, 4));
    };
    const std::int64_t width = signedSize(18, 18);
    const std::int64_t height = signedSize(20, 22);
    const std::uint32_t bitsPerPixel = littleEndian(data, coreHeader ? 24 : 28, 2);
    const std::uint32_t compression = coreHeader ? 0 : littleEndian(data, 30, 4);
    if (compression != 0 && compression != 3 && compression != 6)
        return true;
    const std::uint64_t rowBytes = (std::uint64_t(std::llabs(width)) * bitsPerPixel + 31) / 32 * 4;
    return pixelsAt + rowBytes * std::uint64_t(std::llabs(height)) <= data.size();
}

} // namespace

bool pictureDataComplete(std::string_view format, std::span<const std::uint8_t> data)
{
    if (format == "jpeg" || format == "jpg")
        return jpegComplete(data);
    if (format == "gif")
        return gifComplete(data);
    if (format == "bmp")
        return bmpComplete(data);
    return true;
}

} // namespace varnholt
