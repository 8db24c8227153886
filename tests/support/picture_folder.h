// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace varnholt::test {

// A gradient with a square in the middle, so that scaling and cutting show.
QImage picture(int width, int height);
QByteArray encoded(const QImage& image, const char* format);
QByteArray gif(int width, int height);
// A one-pixel PNG whose header claims 30000 x 30000.
QByteArray hugePng();

// A temporary folder the picture tests fill.
struct PictureFolder {
    QTemporaryDir dir;

    // Also removes names that are no UTF-8, which QTemporaryDir cannot see.
    ~PictureFolder();

    QString path(const QString& name = {}) const;
    void write(const QString& name, const QByteArray& data) const;
    // wide.jpg 300 x 200, tall.bmp 200 x 250, big.gif 500 x 300, PHOTO.JPG 40 x 40, "png inside.jpeg"
    // 300 x 300, a name with blanks, quotes and non-ASCII letters 120 x 90, "small.png" 10 x 10, "notes.txt", and sub/.
    void pictures() const;
};

} // namespace varnholt::test
