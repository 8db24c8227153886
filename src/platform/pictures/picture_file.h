// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/errors.h"

#include <QImage>

#include <string>
#include <variant>

namespace varnholt {

// Reads a picture file for the saver or the browser's preview: the picture, or
// why not: the folder or the file is missing, or it is no picture this program
// can show (unknown format, damaged, or so large that decoding it would take more
// memory than a screen saver should).
// The path is the bytes the system names the file by, which need not be UTF-8.
std::variant<QImage, PictureFault> readPictureFile(const std::string& path);

// Pixel count above which a picture is refused without being decoded.
inline constexpr qint64 MaxPicturePixels = 40'000'000;

} // namespace varnholt
