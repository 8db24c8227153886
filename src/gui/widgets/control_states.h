// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <string>
#include <string_view>

namespace varnholt {

// The FormView calls on Qt widgets: the control is the child of `form` with that object name.
// Text goes to a line edit, a label or a button's caption.
void showControlText(QWidget& form, std::string_view control, const std::string& text);
void showControlChecked(QWidget& form, std::string_view control, bool checked);
void showControlEnabled(QWidget& form, std::string_view control, bool enabled);
void showControlVisible(QWidget& form, std::string_view control, bool visible);

} // namespace varnholt
