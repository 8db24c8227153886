// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

namespace varnholt {

// ilsImages: the built-in pictures rendered from their SVG sources.
class ImageList final {
public:
    int count() const;
    // Picture number index (1..9) at its natural size; outside: RuntimeError "Subscript out of range".
    QPixmap picture(int index) const;
    QString tag(int index) const;
};

// The 100 x 50 picture the preview and the settings dialog show instead of the user's.
QPixmap defaultPicture();

// Renders an SVG resource at its own size.
QPixmap renderSvg(const QString& resource);

} // namespace varnholt
