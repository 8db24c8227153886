// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

namespace varnholt {

// The core's warnings, written through Qt's logging under the category "varnholt.core", so that
// QT_LOGGING_RULES can silence or keep them like any other Qt warning.
class QtLog final : public Log {
public:
    void warning(const std::string& text) override;
};

} // namespace varnholt
