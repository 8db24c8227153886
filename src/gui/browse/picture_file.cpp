#include "gui/browse/picture_file.h"

#include "core/common/errors.h"
#include "gui/browse/metafile.h"
#include "gui/browse/picture_completeness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace varnholt {

namespace {

// Metafiles are lists of drawing commands: a real one is far smaller than this.
constexpr qint64 MaxMetafileBytes = 16 * 1024 * 1024;

[[noreturn]] void refuse(int number, const QString& why = {})
{
    if (why.isEmpty())
        throw RuntimeError(number);
    throw RuntimeError(number, errorDescription(number) + " (" + why.toStdString() + ")");
}

// Mapped, not read, so that a large file costs no memory here.
bool fileComplete(const QString& path, const QByteArray& format)
{
    QFile file(path);
    const qint64 size = file.open(QIODevice::ReadOnly) ? file.size() : 0;
    const uchar* bytes = size > 0 ? file.map(0, size) : nullptr;
    if (bytes == nullptr)
        return true; // the reader reports what it cannot read
    return pictureDataComplete(format.toStdString(), {bytes, std::size_t(size)});
}

// Qt reads no metafiles: they are drawn apart, and anything else is no picture.
QImage loadMetafile(const QString& path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(MaxMetafileBytes + 1) : QByteArray();
    if (!looksLikeMetafile(bytes))
        refuse(ErrInvalidPicture);
    const QImage image = bytes.size() <= MaxMetafileBytes ? renderMetafile(bytes) : QImage();
    if (image.isNull())
        refuse(ErrInvalidPicture, QStringLiteral("the metafile could not be drawn"));
    return image;
}

} // namespace

QImage loadPictureFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        refuse(ErrPathNotFound);
    if (!info.exists() || info.isDir())
        refuse(ErrFileNotFound);

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return loadMetafile(path);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPicturePixels)
        refuse(ErrInvalidPicture, QStringLiteral("the picture is too large"));
    if (!fileComplete(path, reader.format()))
        refuse(ErrInvalidPicture, QStringLiteral("the file is incomplete"));
    const QImage image = reader.read();
    if (image.isNull())
        refuse(ErrInvalidPicture);
    return image;
}

} // namespace varnholt
