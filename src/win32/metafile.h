// SPDX-License-Identifier: MIT
#pragma once

#include "win32/pictures.h"

#include <cstddef>
#include <string>

namespace varnholt {

// The bytes a file starts with that tell a metafile.
inline constexpr std::size_t MetafileSignatureSize = 44;

// Whether the file's first bytes are those of a Windows Metafile (placeable or plain) or an
// enhanced metafile: GDI+ reads none of them into a bitmap, and a plain one not at all.
bool looksLikeMetafile(const std::string& head);

// The metafile drawn over white at its own size, sized as the Linux build sizes it; null when it
// cannot be drawn.
Picture metafilePicture(const std::string& bytes);

} // namespace varnholt
