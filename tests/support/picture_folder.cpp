#include "support/picture_folder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTest>
#include <QtEndian>

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

// Qt writes no GIF: 3-bit codes, with a clear code before every second pixel so the width never grows.
QByteArray gif(int width, int height)
{
    QByteArray data("GIF89a");
    const auto word = [&data](int value) { data.append(char(value & 0xFF)).append(char(value >> 8)); };
    word(width);
    word(height);
    data.append(char(0x80)).append(2, '\0').append(QByteArray::fromHex("000000ffffff")).append(char(0x2C));
    word(0);
    word(0);
    word(width);
    word(height);
    data.append('\0').append(char(2));
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](quint32 code) {
        bits |= code << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8)
            codes.append(char(bits & 0xFF));
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % 2 == 0)
            put(4);
        put(quint32((i / width / 8 + i % width / 8) % 2));
    }
    put(5);
    codes.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < codes.size(); at += 255)
        data.append(char(qMin<qsizetype>(255, codes.size() - at))).append(codes.mid(at, 255));
    return data.append('\0').append(char(0x3B));
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

void PictureFolder::pictures() const
{
    write(QStringLiteral("wide.jpg"), encoded(picture(300, 200), "JPG"));
    write(QStringLiteral("tall.bmp"), encoded(picture(200, 250), "BMP"));
    write(QStringLiteral("big.gif"), gif(500, 300));
    write(QStringLiteral("PHOTO.JPG"), encoded(picture(40, 40), "JPG"));
    write(QStringLiteral("png inside.jpeg"), encoded(picture(300, 300), "PNG"));
    write(QString::fromUtf8("\u00c6r\u00f8 \"quoted\" name.jpg"), encoded(picture(120, 90), "JPG"));
    write(QStringLiteral("not listed.png"), encoded(picture(10, 10), "PNG"));
    QVERIFY(QDir(path()).mkdir(QStringLiteral("sub")));
}

} // namespace varnholt::test
