// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <QLoggingCategory>

namespace varnholt {

// A logging category per library: "varnholt.core" for what the core reports through its Log,
// "varnholt.platform" for this layer's own fallbacks, "varnholt.gui" for the windows'. Each is
// written as a Qt warning, so that QT_LOGGING_RULES can silence or keep it like any other.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)

class QtLog final : public Log {
public:
    void warning(const std::string& text) override;
};

} // namespace varnholt
