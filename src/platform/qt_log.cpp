// SPDX-License-Identifier: MIT
#include "platform/qt_log.h"

#include <QLoggingCategory>
#include <QString>

namespace varnholt {

namespace {
Q_LOGGING_CATEGORY(lcCore, "varnholt.core")
} // namespace

void QtLog::warning(const std::string& text)
{
    qCWarning(lcCore).noquote() << QString::fromStdString(text);
}

} // namespace varnholt
