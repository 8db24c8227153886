// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/date_patterns.h"

namespace varnholt {

// The locale's short and long date patterns, names and digits; the user's locale when none is named.
PatternDateForms localeDateForms(const wchar_t* localeName = nullptr);

} // namespace varnholt
