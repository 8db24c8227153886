// SPDX-License-Identifier: MIT
#include "platform/mount_table.h"

#include <QFile>

namespace varnholt {

std::string readMountTable()
{
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    // The file reports a size of 0: read it to its end.
    return mounts.open(QIODevice::ReadOnly) ? mounts.readAll().toStdString() : std::string();
}

} // namespace varnholt
