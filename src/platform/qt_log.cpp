// SPDX-License-Identifier: MIT
#include "platform/qt_log.h"

#include <QString>

namespace varnholt {

Q_LOGGING_CATEGORY(lcPlatform, "varnholt.platform")

namespace {
Q_LOGGING_CATEGORY(lcCore, "varnholt.core")
} // namespace

void QtLog::warning(const std::string& text)
{
    qCWarning(lcCore).noquote() << QString::fromStdString(text);
}

} // namespace varnholt
