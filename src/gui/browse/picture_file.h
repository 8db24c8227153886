#pragma once

#include <QImage>

#include <string>

namespace varnholt {

// Loads a picture file for the saver or the browser's preview. Throws
// RuntimeError: 76 when the folder is missing, 53 when the file is, 481 when it
// is no picture this program can show (unknown format, damaged, or so large
// that decoding it would take more memory than a screen saver should).
// The path is the bytes the system names the file by, which need not be UTF-8.
QImage loadPictureFile(const std::string& path);

// Pixel count above which a picture is refused without being decoded.
inline constexpr qint64 MaxPicturePixels = 40'000'000;

} // namespace varnholt
