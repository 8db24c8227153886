// SPDX-License-Identifier: MIT
#include "support/picture_folder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTest>
#include <QtEndian>

#include <filesystem>

namespace varnholt::test {

QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QLinearGradient(0, 0, width, height));
    painter.fillRect(QRect(width / 4, height / 4, width / 2, height / 2), Qt::darkCyan);
    return image;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return data;
}

// Qt writes no GIF: a logical screen of that size, one pixel of it drawn; the reader gives the whole screen.
QByteArray gif(int width, int height)
{
    QByteArray data("GIF89a");
    for (const int side : {width, height})
        data.append(char(side & 0xFF)).append(char(side >> 8));
    return data.append(QByteArray::fromHex("800000000000ffffff2c00000000010001000002024401003b"));
}

namespace {

quint32 crc32(const QByteArray& data)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

} // namespace

QByteArray hugePng()
{
    QByteArray png = encoded(picture(1, 1), "PNG");
    qToBigEndian<quint32>(30000, png.data() + 16);
    qToBigEndian<quint32>(30000, png.data() + 20);
    qToBigEndian<quint32>(crc32(png.mid(12, 17)), png.data() + 29);
    return png;
}

QString PictureFolder::path(const QString& name) const
{
    return name.isEmpty() ? dir.path() : dir.filePath(name);
}

void PictureFolder::write(const QString& name, const QByteArray& data) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
}

PictureFolder::~PictureFolder()
{
    std::error_code error;
    std::filesystem::remove_all(dir.path().toStdString(), error);
}

void PictureFolder::pictures() const
{
    write(QStringLiteral("wide.jpg"), encoded(picture(300, 200), "JPG"));
    write(QStringLiteral("tall.bmp"), encoded(picture(200, 250), "BMP"));
    write(QStringLiteral("big.gif"), gif(500, 300));
    write(QStringLiteral("PHOTO.JPG"), encoded(picture(40, 40), "JPG"));
    write(QStringLiteral("png inside.jpeg"), encoded(picture(300, 300), "PNG"));
    write(QString::fromUtf8("\u00c6r\u00f8 \"quoted\" name.jpg"), encoded(picture(120, 90), "JPG"));
    write(QStringLiteral("small.png"), encoded(picture(10, 10), "PNG"));
    write(QStringLiteral("notes.txt"), "not a picture\n");
    QVERIFY(QDir(path()).mkdir(QStringLiteral("sub")));
}

} // namespace varnholt::test
