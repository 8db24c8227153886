// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

namespace varnholt {

// Warnings go to the system debugger's output (DebugView, or Wine's +debugstr channel).
class DebugLog final : public Log {
public:
    void warning(const std::string& text) override;
};

} // namespace varnholt
