// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <string>
#include <string_view>

namespace varnholt {

// What every controller tells its window: the state of a control named as in the window's table, a
// message and a beep. A window's own view interface adds its choosers and what only it shows.
class FormView {
public:
    virtual ~FormView() = default;

    virtual void showText(std::string_view control, const std::string& text) = 0;
    virtual void showChecked(std::string_view control, bool checked) = 0;
    virtual void showEnabled(std::string_view control, bool enabled) = 0;
    virtual void showVisible(std::string_view control, bool visible) = 0;
    virtual void showMessage(const std::string& text, MessageIcon icon) = 0;
    virtual void beep() = 0;
};

} // namespace varnholt
