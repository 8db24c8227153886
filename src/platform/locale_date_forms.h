// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/date_patterns.h"

#include <QLocale>

namespace varnholt {

// The user's short and long date forms; day first with a four-digit year
// where the locale has no form of its own (C or POSIX).
PatternDateForms localeDateForms(const QLocale& locale = QLocale::system());

} // namespace varnholt
