// SPDX-License-Identifier: MIT
// Any bytes as a picture file under each name the image browser offers: the
// picture loads or is refused as an invalid picture, nothing else.

#include "core/common/errors.h"
#include "fuzz_support.h"
#include "platform/pictures/picture_file.h"

#include <QStringList>

VARNHOLT_FUZZ_WITHOUT_QT_MESSAGES

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace varnholt;
    using fuzz::require;
    for (const char* extension : {"jpg", "bmp", "wmf", "gif", "jpeg"}) {
        const QString path = fuzz::scratchFile(QStringLiteral("picture.") + QLatin1String(extension), data, size);
        const auto read = readPictureFile(path.toStdString());
        if (const auto* image = std::get_if<QImage>(&read))
            require(!image->isNull(), "a loaded picture has pixels");
        else
            require(std::get<PictureFault>(read).kind == PictureFault::NotAPicture,
                    "an existing file is refused only as an invalid picture");
    }
    return 0;
}
