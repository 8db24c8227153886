// SPDX-License-Identifier: MIT
#include "platform/pictures/picture_file.h"

#include "core/common/errors.h"
#include "core/program/picture_completeness.h"
#include "platform/pictures/metafile.h"

#include <QFile>
#include <QImageReader>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace varnholt {

namespace {

// Metafiles are lists of drawing commands: a real one is far smaller than this.
constexpr qint64 MaxMetafileBytes = 16 * 1024 * 1024;

PictureFault noPicture(const char* why = "")
{
    return PictureFault{PictureFault::NotAPicture, why};
}

// Mapped, not read, so that a large file costs no memory here.
bool fileComplete(QFile& file, const QByteArray& format)
{
    const qint64 size = file.size();
    const uchar* bytes = size > 0 ? file.map(0, size) : nullptr;
    if (bytes == nullptr)
        return true; // the reader reports what it cannot read
    const bool complete = pictureDataComplete(format.toStdString(), {bytes, std::size_t(size)});
    file.unmap(const_cast<uchar*>(bytes));
    return complete;
}

// Qt reads no metafiles: they are drawn apart, and anything else is no picture.
std::variant<QImage, PictureFault> readMetafile(QFile& file)
{
    const QByteArray bytes = file.seek(0) ? file.read(MaxMetafileBytes + 1) : QByteArray();
    if (!looksLikeMetafile(bytes))
        return noPicture();
    const QImage image = bytes.size() <= MaxMetafileBytes ? renderMetafile(bytes) : QImage();
    if (image.isNull())
        return noPicture("the metafile could not be drawn");
    return image;
}

} // namespace

std::variant<QImage, PictureFault> readPictureFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::is_directory(fs::absolute(fs::path(path), error).parent_path(), error))
        return PictureFault{PictureFault::FolderMissing, {}};
    // Opened by its bytes: Qt's file names are text, and a name that is no UTF-8 would be lost.
    // Not blocking, so that a pipe in its place does not hang the program.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat status {};
    if (descriptor < 0 || fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (descriptor >= 0)
            ::close(descriptor);
        return PictureFault{PictureFault::FileMissing, {}};
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return PictureFault{PictureFault::FileMissing, {}};
    }

    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return readMetafile(file);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPicturePixels)
        return noPicture("the picture is too large");
    if (!fileComplete(file, reader.format()))
        return noPicture("the file is incomplete");
    const QImage image = reader.read();
    if (image.isNull())
        return noPicture();
    return image;
}

} // namespace varnholt
