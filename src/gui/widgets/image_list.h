// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

namespace varnholt {

// Built-in picture number index (1..9) at its natural size, rendered from its SVG source;
// outside: RuntimeError "Subscript out of range".
QPixmap builtinPicture(int index);

// The 100 x 50 picture the preview and the settings dialog show instead of the user's.
QPixmap defaultPicture();

// Renders an SVG resource at its own size.
QPixmap renderSvg(const QString& resource);

} // namespace varnholt
