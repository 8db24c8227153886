// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

namespace varnholt {

// Whether the bytes start like a Windows Metafile (placeable or plain).
bool looksLikeMetafile(const QByteArray& bytes);

// Draws a Windows Metafile at its own size. The metafile library runs in a child
// process, so that a file that crashes or hangs it costs that child only; a null
// image when the file could not be drawn.
QImage renderMetafile(const QByteArray& bytes);

} // namespace varnholt
