// SPDX-License-Identifier: MIT
// Where a saver window takes its picture from: a resource of its own, or a file.
#include "core/motion/builtin_pictures.h"
#include "win32/saver_window.h"

#include <utility>

namespace varnholt {

PixelSize SaverWindow::takePicture(Picture picture)
{
    m_taken = std::move(picture);
    if (!m_taken)
        return {};
    return PixelSize{int(m_taken->GetWidth()), int(m_taken->GetHeight())};
}

void SaverWindow::showNoPicture()
{
    m_shown.reset();
    dropRendered();
    redraw(m_pictureBox, false);
}

PixelSize SaverWindow::loadDefaultPicture()
{
    return takePicture(resourcePicture(0));
}

PixelSize SaverWindow::loadBuiltinPicture(int index)
{
    builtinPictureTag(index); // checks the number
    return takePicture(resourcePicture(index));
}

std::variant<PixelSize, PictureFault> SaverWindow::loadPictureFile(const std::string& path)
{
    auto read = pictureFile(path);
    if (auto* fault = std::get_if<PictureFault>(&read))
        return std::move(*fault);
    return takePicture(std::move(std::get<Picture>(read)));
}

} // namespace varnholt
