// SPDX-License-Identifier: MIT
// Any bytes as a picture file under each name the image browser offers: the
// picture loads or is refused as an invalid picture, nothing else.

#include "core/common/errors.h"
#include "fuzz_support.h"
#include "gui/browse/picture_file.h"

#include <QStringList>

VARNHOLT_FUZZ_WITHOUT_QT_MESSAGES

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace varnholt;
    using fuzz::require;
    for (const char* extension : {"jpg", "bmp", "wmf", "gif", "jpeg"}) {
        const QString path = fuzz::scratchFile(QStringLiteral("picture.") + QLatin1String(extension), data, size);
        try {
            require(!loadPictureFile(path.toStdString()).isNull(), "a loaded picture has pixels");
        } catch (const RuntimeError& error) {
            require(error.number() == ErrInvalidPicture, "an existing file is refused only as an invalid picture");
        }
    }
    return 0;
}
