// SPDX-License-Identifier: MIT
#include "win32/pictures.h"

#include "platform/win32/wide_text.h"
#include "win32/metafile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace varnholt {

GdiplusSession::GdiplusSession()
{
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
}

GdiplusSession::~GdiplusSession()
{
    Gdiplus::GdiplusShutdown(m_token);
}

Picture resourcePicture(int number)
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(PictureResourceBase + number), MAKEINTRESOURCEW(10));
    if (!found)
        return nullptr;
    const DWORD size = SizeofResource(nullptr, found);
    const void* bytes = LockResource(LoadResource(nullptr, found));
    // GDI+ reads from a stream, which must own its copy of the bytes.
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy)
        return nullptr;
    CopyMemory(GlobalLock(copy), bytes, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(copy, TRUE, &stream) != S_OK) {
        GlobalFree(copy);
        return nullptr;
    }
    // Decoded into a bitmap of its own, so that the stream can go.
    Picture decoded(Gdiplus::Bitmap::FromStream(stream));
    Picture picture;
    if (decoded && decoded->GetLastStatus() == Gdiplus::Ok)
        picture.reset(decoded->Clone(0, 0, int(decoded->GetWidth()), int(decoded->GetHeight()), PixelFormat32bppARGB));
    decoded.reset();
    stream->Release();
    return picture;
}

std::variant<Picture, PictureFault> pictureFile(const std::string& path)
{
    const std::wstring wide = wideText(path);
    // GDI+ gives the same status for a missing file as for one it cannot read.
    if (GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return PictureFault{error == ERROR_PATH_NOT_FOUND ? PictureFault::FolderMissing : PictureFault::FileMissing,
                            {}};
    }
    std::ifstream file(std::filesystem::path(wide), std::ios::binary);
    std::string bytes(MetafileSignatureSize, '\0');
    file.read(bytes.data(), std::streamsize(bytes.size()));
    bytes.resize(std::size_t(file.gcount()));
    if (looksLikeMetafile(bytes)) {
        bytes.append(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        Picture metafile = metafilePicture(bytes);
        if (!metafile)
            return PictureFault{PictureFault::NotAPicture, {}};
        return metafile;
    }
    Picture picture(Gdiplus::Bitmap::FromFile(wide.c_str()));
    if (!picture || picture->GetLastStatus() != Gdiplus::Ok || picture->GetWidth() == 0)
        return PictureFault{PictureFault::NotAPicture, {}};
    return picture;
}

HBITMAP renderPicture(Gdiplus::Bitmap& picture, int width, int height, COLORREF background)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    {
        Gdiplus::Graphics graphics(dc);
        graphics.Clear(Gdiplus::Color(GetRValue(background), GetGValue(background), GetBValue(background)));
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        graphics.DrawImage(&picture, Gdiplus::Rect(0, 0, width, height));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

} // namespace varnholt
