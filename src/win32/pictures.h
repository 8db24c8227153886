// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/errors.h"

// GDI+ needs the COM declarations before its own.
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <memory>
#include <string>
#include <variant>

namespace varnholt {

// GDI+ for the life of the object: made once by whoever runs the windows.
class GdiplusSession final {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR m_token = 0;
};

using Picture = std::unique_ptr<Gdiplus::Bitmap>;

// Resource ids of the pictures rasterised at build time: this one the default picture, then the built-in ones 1..9.
inline constexpr int PictureResourceBase = 200;
// The pictures of the browser's size steps, smaller, actual and larger, after them; drawn at twice their size.
inline constexpr int SizeStepPictures = 10;

// The default picture (0) or built-in picture number 1..9 from the program's resources.
Picture resourcePicture(int number);

// A picture file as GDI+ reads it, or why it could not be read.
std::variant<Picture, PictureFault> pictureFile(const std::string& path);

// The picture stretched to the size, drawn over the background colour: ready to copy to the screen.
HBITMAP renderPicture(Gdiplus::Bitmap& picture, int width, int height, COLORREF background);

} // namespace varnholt
