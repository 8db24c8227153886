// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

namespace varnholt {

class Win32Clock final : public Clock {
public:
    Instant now() const override;
    Date today() const override;
};

} // namespace varnholt
