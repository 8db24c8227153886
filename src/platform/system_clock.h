#pragma once

#include "core/common/services.h"

namespace varnholt {

class SystemClock final : public Clock {
public:
    std::chrono::system_clock::time_point now() const override;
    Date today() const override;
};

} // namespace varnholt
