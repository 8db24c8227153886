#include "saver/picture_file.h"

#include "common/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace varnholt {

namespace {

[[noreturn]] void refuse(int number, const QString& why = {})
{
    if (why.isEmpty())
        throw RuntimeError(number);
    throw RuntimeError(number, errorDescription(number) + " (" + why.toStdString() + ")");
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
    if (!reader.canRead()) {
        if (info.suffix().compare(QStringLiteral("wmf"), Qt::CaseInsensitive) == 0)
            refuse(ErrInvalidPicture, QStringLiteral("Windows Metafiles cannot be shown here"));
        refuse(ErrInvalidPicture);
    }
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPicturePixels)
        refuse(ErrInvalidPicture, QStringLiteral("the picture is too large"));
    const QImage image = reader.read();
    if (image.isNull())
        refuse(ErrInvalidPicture);
    return image;
}

} // namespace varnholt
